// Playback clocks: wall-clock milliseconds divided by the play-speed divisor,
// less the paused time, turned into the flight, canopy and seat clocks, the
// clocks measured from sequencer events and the sample indices.
#pragma once

#include <cstdint>

struct SimParams;
struct SequencerTimes;

struct PlaybackClocks {
    uint32_t startTimeMs = 0;
    int32_t playing = 0;
    int32_t paused = 0;
    double pausedElapsedMs = 0.0;
    int32_t pausedTotalMs = 0;
    int32_t elapsedMs = 0;
    double flightTime = 0.0;
    double canopyTime = 0.0;
    double seatTime = 0.0;
    double sinceRocketFire = 0.0;
    double sinceDrogueFire = 0.0;
    double sinceMainFire = 0.0;
    double sinceSeparation = 0.0;
    int32_t seatIndex = 0;
    int32_t mainIndex = 0;
    int32_t separationIndex = 0;
};

// Once per frame, just before the buffers are swapped.
void updatePlaybackClocks(PlaybackClocks& clocks, uint32_t nowMs, const SimParams& params,
                          const SequencerTimes& times);

// The clocks for elapsedMs simulation milliseconds since the trigger: the
// flight, canopy and seat clocks, those measured from sequencer events and
// the sample indices. The wall clock and the pause state stay as they are.
void setPlaybackClocksTo(PlaybackClocks& clocks, int32_t elapsedMs, const SimParams& params,
                         const SequencerTimes& times);

// The P key: freezes the clocks, or lets them continue from the frozen value.
void togglePause(PlaybackClocks& clocks, uint32_t nowMs, float playSpeedDivisor);

// Play-speed divisor as the clocks use it: at least 1.
double effectiveDivisor(float playSpeedDivisor);
