// The seat's frame (three axes) in the world during a stored run, and what an
// accelerometer in the seat pan reads along them: the input of the spine's
// load (DRI) and of the whole body's dynamic response.
#pragma once

#include "sim/trajectory.h"
#include "sim/units.h"
#include "sim/vec3.h"

struct Simulation;

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
    // Its up axis alone (the spine's DRI reads no other).
    Vec3 upAt(long step) const {
        const double tau = step * dt_ - ignition_;
        if (!(tau > 0.0)) return before_.up;
        if (!(tau < burnS_)) return after_.up;
        return at(step).up;
    }

private:
    const Simulation& sim_;
    double dt_, ignition_, burnS_;
    SeatFrame before_, after_;
};

// Sample i as the run's samples allow: 0 is the pilot sitting in the
// fighter; the last sample has no step after it and repeats the one before.
long stepOfSample(const Trajectory& tr, long i);

// The specific force (m/s^2) during the step from sample i (1 <= i <
// lastIndex) along `axis`: the acceleration the step integrated, less
// gravity's. Inline: it runs for every sample of every analysis.
inline double specificForceAlong(const Trajectory& tr, long i, double dt, const Vec3& axis) {
    const double ax = (tr.vx[i + 1] - tr.vx[i]) / dt;
    const double ay = (tr.vy[i + 1] - tr.vy[i]) / dt;
    const double az = (tr.vz[i + 1] - tr.vz[i]) / dt + kGravity;
    return ax * axis.x + ay * axis.y + az * axis.z;
}

// What the seat pan reads along its three axes at sample i (m/s^2): sitting
// in the fighter for i = 0, else during the step of stepOfSample(i).
void seatPanInput(const Simulation& sim, const SeatFrameOverRun& axes, long i, double out[3]);
