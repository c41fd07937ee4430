// The seat's frame (three axes) in the world during a stored run, and what an
// accelerometer in the seat pan reads along them: the input of the spine's
// load (DRI) and of the whole body's dynamic response.
#pragma once

#include "sim/vec3.h"

struct Simulation;
struct Trajectory;

// x forward (the way the pilot faces), y to his left, z up the spine.
struct SeatFrame {
    Vec3 forward, left, up;
};

// The seat back's lean, the pitch the CG offset gives during the rocket burn
// (held after it), then the ejection attitude.
SeatFrame seatFrame(const Simulation& sim, double rocketPitchDeg);

// The axes at each step of a run: they turn only during the rocket burn, so
// those before and after it are worked out once.
class SeatFrameOverRun {
public:
    explicit SeatFrameOverRun(const Simulation& sim);
    // The axes during the step from sample `step` (at least 1).
    SeatFrame at(long step) const;

private:
    const Simulation& sim_;
    double burnS_;
    SeatFrame before_, after_;
};

// Sample i as the run's samples allow: 0 is the pilot sitting in the
// fighter; the last sample has no step after it and repeats the one before.
long stepOfSample(const Trajectory& tr, long i);

// The specific force (m/s^2) during the step from sample i (1 <= i <
// lastIndex) along `axis`: the acceleration the step integrated, less
// gravity's.
double specificForceAlong(const Trajectory& tr, long i, double dt, const Vec3& axis);

// What the seat pan reads along its three axes at sample i (m/s^2): sitting
// in the fighter for i = 0, else during the step of stepOfSample(i).
void seatPanInput(const Simulation& sim, const SeatFrameOverRun& axes, long i, double out[3]);
