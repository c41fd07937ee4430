#include "sim/seat_frame.h"

#include "sim/simulation.h"
#include "sim/units.h"

namespace {

double burnPitchAt(const Simulation& sim, double t) {
    const double tau = t - sim.times.tRocketFire;
    if (!(tau > 0.0)) return 0.0;
    const double burn = sim.params.rocketBurnTimeS;
    return rocketPitchDeg(tau < burn ? tau : burn, sim.params);
}

// With zero attitude the fighter flies toward -y: the pilot faces -y, his
// left is +x.
Vec3 turned(Vec3 v, const Simulation& sim, double rocketPitchDeg) {
    rotateAboutLateralAxis(v, -sim.params.seatBackAngleDeg);
    rotateAboutLateralAxis(v, (float)rocketPitchDeg);
    rotateRollPitchHeading(v, sim.ejection.rollDeg, sim.ejection.pitchDeg, sim.ejection.headingDeg);
    return v;
}

}  // namespace

SeatFrame seatFrame(const Simulation& sim, double rocketPitchDeg) {
    return SeatFrame{turned(Vec3(0.0f, -1.0f, 0.0f), sim, rocketPitchDeg),
                    turned(Vec3(1.0f, 0.0f, 0.0f), sim, rocketPitchDeg),
                    turned(Vec3(0.0f, 0.0f, 1.0f), sim, rocketPitchDeg)};
}

SeatFrameOverRun::SeatFrameOverRun(const Simulation& sim)
    : sim_(sim), dt_(sim.constants.dt), ignition_(sim.times.tRocketFire), burnS_(sim.params.rocketBurnTimeS),
      before_(seatFrame(sim, 0.0)),
      after_(seatFrame(sim, rocketPitchDeg(burnS_, sim.params))) {}

SeatFrame SeatFrameOverRun::at(long step) const {
    const double t = step * dt_;
    const double tau = t - ignition_;
    if (!(tau > 0.0)) return before_;
    if (!(tau < burnS_)) return after_;
    return seatFrame(sim_, burnPitchAt(sim_, t));
}

long stepOfSample(const Trajectory& tr, long i) { return i >= tr.lastIndex ? tr.lastIndex - 1 : i; }

void seatPanInput(const Simulation& sim, const SeatFrameOverRun& axes, long i, double out[3]) {
    const Trajectory& tr = *sim.trajectory;
    const long step = stepOfSample(tr, i);
    if (step < 1) {
        const SeatFrame sitting = axes.at(0);
        out[0] = kGravity * sitting.forward.z;
        out[1] = kGravity * sitting.left.z;
        out[2] = kGravity * sitting.up.z;
        return;
    }
    const SeatFrame s = axes.at(step);
    const double dt = sim.constants.dt;
    out[0] = specificForceAlong(tr, step, dt, s.forward);
    out[1] = specificForceAlong(tr, step, dt, s.left);
    out[2] = specificForceAlong(tr, step, dt, s.up);
}
