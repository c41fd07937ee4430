// The frame's step after the playback clocks: when the clock of a paused run
// was moved by hand (the step keys, the timeline), the bodies' memory, the
// gauges and the sounds are brought to the new moment as playing the run up
// to it would have left them.
#pragma once

#include <cstdint>

struct PlaybackClocks;

// What the frames have seen of the run's clock.
struct PlaybackWatch {
    bool seen = false;
    uint32_t runStartMs = 0;
    int32_t lastElapsedMs = 0;
    bool lastPaused = false;
};
extern PlaybackWatch playbackWatch;

struct MovedClock {
    bool moved = false;
    bool back = false;       // to an earlier moment
    int32_t fromMs = 0;      // the clock of the frame before
    int32_t toMs = 0;
};

// The clock against the last frame's: moved when it went back, or changed
// between two paused frames. The frame that pauses (its clock ran up to the
// key), playing on, a new run or no run at all is no move.
MovedClock watchPlaybackClock(PlaybackWatch& w, const PlaybackClocks& clocks);

// The bodies replayed to the moved clock, then the gauges for them.
void followMovedClock(const MovedClock& moved);
