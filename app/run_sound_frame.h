// Gathers, from the records of a drawn frame, what the run's sounds need.
#pragma once

#include "sim/vec3.h"
#include "sound/run_sounds.h"

struct Simulation;
struct BodyState;
struct MovedClock;

RunSoundFrame runSoundFrame(const Simulation& sim, const BodyState& body, const Vec3& eye, const MovedClock& moved);
