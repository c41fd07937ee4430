// The body pass brought to a clock moved by hand. What it keeps from frame
// to frame (the crash and the landing, the part snapshots, the recorded axes
// and the swing latch, the line length, the parachute sound's flag) is what
// playing the run up to the new moment leaves: the pass is played again
// frame by frame at a steady frame interval, from the trigger when the clock
// went back, from the last frame when it went ahead. The live descent is
// stepped with it. The frames are thrown away and ask for no sound.
#pragma once

#include <cstdint>

struct BodyScene;
struct Simulation;

// The frame interval of the replay: a run played at 60 frames a second.
constexpr int32_t kReplayFrameMs = 16;

// Plays the body pass up to toMs (simulation milliseconds since the trigger,
// that frame included) from the frame at fromMs. The clocks are the ones of
// toMs afterwards, as the caller had them. Returns the frames played.
long replayBodyPass(Simulation& sim, BodyScene& scene, int32_t fromMs, int32_t toMs);

// The same on the program's body pass.
long replayBodies(int32_t fromMs, int32_t toMs);
