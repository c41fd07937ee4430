// Triggering, resetting and frame stepping of an ejection run.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

struct Simulation;
struct SimParams;
struct FighterAttitude;

// What the caller has to do around a started ejection (sound and drawing
// are not the simulation's).
struct EjectionStart {
    bool drawFrame = true;          // refresh camera and scene objects, draw one frame
    bool playEjectionSound = false; // when sound is on
    bool playing = false;           // playback started (false for a quick run)
    bool catapultMoves = true;      // false: the catapult cannot move the package
};

// Stops playback and clears the per-run display and descent state.
void resetScene(Simulation& sim, uint32_t nowMs);

// The fighter's velocity at the trigger: the true airspeed along the nose,
// then the sink rate straight down.
Vec3 launchVelocity(const SimParams& P, const FighterAttitude& attitude);

// Computes a whole run: 600 s and playback, or a 7 s quick run (GRAPH page)
// that replaces the stored samples without playing. randomValue (0..32767)
// decides the empty seat's small turn.
EjectionStart startEjection(Simulation& sim, bool quick, uint32_t nowMs, int randomValue);

// Frame step after the clocks: continues the pilot's descent once the
// computed window is over. Returns the steps taken.
long advanceDescentForFrame(Simulation& sim);
