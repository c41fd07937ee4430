// Moving the clock of a paused run by hand: the step keys and the timeline.
// Only the frozen value the paused clocks show changes; the next frame's
// clocks are derived from it as from any paused value, and resuming goes on
// from it.
#pragma once

#include <cstdint>

struct PlaybackClocks;
struct Simulation;

// The last moment of the stored run, in simulation milliseconds since the
// trigger: the seat's last computed sample. Past it the pilot's descent is
// stepped live, which cannot be played backwards.
int32_t storedRunEndMs(const Simulation& sim);

// A run is playing and paused: its clock can be moved.
bool pausedRunClock(const PlaybackClocks& clocks);

// The paused clock by deltaMs, kept between the trigger (0) and endMs. A step
// forward never takes the clock back, so a clock paused past the stored run
// stays where it is; a step back from there lands on endMs. Returns whether
// the clock moved; with no paused run nothing changes.
bool stepPausedClock(PlaybackClocks& clocks, int32_t deltaMs, int32_t endMs);

// The paused clock to ms, kept between 0 and endMs. Returns whether it moved.
bool setPausedClock(PlaybackClocks& clocks, int32_t ms, int32_t endMs);
