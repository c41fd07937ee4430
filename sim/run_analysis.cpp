#include "sim/run_analysis.h"

#include <cmath>

#include "sim/simulation.h"
#include "sim/spine_model.h"
#include "sim/units.h"

namespace {

// The package altitude the run's ground test uses: 0.4 m below the seat.
double packageAltitude(const Simulation& sim, double pz) {
    return sim.runFighterAltitudeM + sim.runMountingHeightM + pz - 0.4;
}

long sampleIndexAt(const Trajectory& tr, double seatTimeS) {
    return clampTrajectoryIndex(tr, (long)std::lround(seatTimeS * 1000.0) + 1);
}

// The seat's up axis: the seat back's lean, the pitch the CG offset gives
// during the rocket burn (held after it), then the ejection attitude.
Vec3 seatUpAxis(const Simulation& sim, double rocketPitchDeg) {
    Vec3 up(0.0f, 0.0f, 1.0f);
    rotateAboutLateralAxis(up, -sim.params.seatBackAngleDeg);
    rotateAboutLateralAxis(up, (float)rocketPitchDeg);
    rotateRollPitchHeading(up, sim.ejection.rollDeg, sim.ejection.pitchDeg, sim.ejection.headingDeg);
    return up;
}

double burnPitchAt(const Simulation& sim, double t) {
    const double tau = t - sim.times.tRocketFire;
    if (!(tau > 0.0)) return 0.0;
    const double burn = sim.params.rocketBurnTimeS;
    return rocketPitchDeg(tau < burn ? tau : burn, sim.params);
}

void findTouchdown(const Simulation& sim, RunAnalysis& out) {
    const Trajectory& tr = *sim.trajectory;
    const SeatRunSummary& run = sim.run;
    Touchdown& td = out.touchdown;
    td = Touchdown();
    if (run.landed) {
        // Inside the computed window: the run's own landing record.
        const long i = sampleIndexAt(tr, run.landingTimeS);
        td.reached = true;
        td.timeS = run.landingTimeS;
        td.verticalSpeedMs = -tr.vz[i];
        td.horizontalSpeedMs = std::hypot(tr.vx[i], tr.vy[i]);
        for (int k = 0; k < 3; ++k) td.position[k] = run.landingP[k];
        return;
    }
    if (!run.windowEnded) return;  // stopped before its window ended: never reaches the ground
    // The per-frame descent, a millisecond at a time so the touchdown has the
    // time of its step.
    DescentState& d = out.descent;
    beginDescent(d, run.endP, run.endV, run.endA, run.endTimeS);
    const long limit = (long)(kTouchdownSearchS * 1000.0);
    const DescentEnvironment start{sim.runFighterAltitudeM, sim.runMountingHeightM, run.endTimeS};
    const long steps = descendToGround(d, limit, sim.params, sim.mainChute, start);
    if (!d.landed) return;
    td.reached = true;
    td.timeS = run.endTimeS + steps * 0.001;
    td.verticalSpeedMs = -d.v[2];
    td.horizontalSpeedMs = std::hypot((double)d.v[0], (double)d.v[1]);
    for (int k = 0; k < 3; ++k) td.position[k] = d.landingP[k];
}

void findFullOpening(const Simulation& sim, RunAnalysis& out) {
    const Trajectory& tr = *sim.trajectory;
    out.fullyOpen = false;
    if (sim.mainChute.fullyOpen) {
        out.fullyOpen = true;
        // The step it opened on: tau is held in single precision.
        out.fullyOpenTimeS = std::lround((sim.times.tMainFire + sim.mainChute.fullyOpenTime) * 1000.0) * 0.001;
        out.fullyOpenHeightM = packageAltitude(sim, tr.pz[sampleIndexAt(tr, out.fullyOpenTimeS)]);
    } else if (sim.run.windowEnded) {
        // The descent after the window flies the canopy fully open.
        out.fullyOpen = true;
        out.fullyOpenTimeS = sim.run.endTimeS;
        out.fullyOpenHeightM = packageAltitude(sim, sim.run.endP[2]);
    }
}

}  // namespace

namespace {

// The specific force along `up` during the step from sample i (1 <= i <
// lastIndex): the acceleration the step integrated, less gravity's.
double specificForceAlong(const Trajectory& tr, long i, double dt, const Vec3& up) {
    const double ax = (tr.vx[i + 1] - tr.vx[i]) / dt;
    const double ay = (tr.vy[i + 1] - tr.vy[i]) / dt;
    const double az = (tr.vz[i + 1] - tr.vz[i]) / dt + kGravity;
    return ax * up.x + ay * up.y + az * up.z;
}

// Sample i as the run's samples allow: 0 is the pilot sitting in the
// fighter; the last sample has no step after it and repeats the one before.
long stepOfSample(const Trajectory& tr, long i) { return i >= tr.lastIndex ? tr.lastIndex - 1 : i; }

}  // namespace

double spinalInput(const Simulation& sim, long i) {
    const Trajectory& tr = *sim.trajectory;
    i = stepOfSample(tr, i);
    if (i < 1) return kGravity * seatUpAxis(sim, 0.0).z;
    const double dt = sim.constants.dt;
    return specificForceAlong(tr, i, dt, seatUpAxis(sim, burnPitchAt(sim, i * dt)));
}

void analyseRun(const Simulation& sim, RunAnalysis& out, SpinalSeries* series, int substeps) {
    const Trajectory& tr = *sim.trajectory;
    const double dt = sim.constants.dt;

    // The spine, from the pilot sitting in the fighter to the last sample.
    DriTracker tracker(dt, substeps);
    const double sitting = spinalInput(sim, 0);
    tracker.start(sitting, 0.0);
    if (series) {
        series->inputG[0] = (float)(sitting / kDriGravity);
        series->responseG[0] = (float)(sitting / kDriGravity);
    }
    // The up axis turns only during the rocket burn.
    const double burn = sim.params.rocketBurnTimeS;
    const Vec3 upBefore = seatUpAxis(sim, 0.0), upAfter = seatUpAxis(sim, rocketPitchDeg(burn, sim.params));
    const long last = tr.lastIndex;
    for (long i = 1; i <= last; ++i) {
        const long step = stepOfSample(tr, i);
        double a = sitting;
        if (step >= 1) {
            const double tau = step * dt - sim.times.tRocketFire;
            const Vec3 up = !(tau > 0.0) ? upBefore : !(tau < burn) ? upAfter : seatUpAxis(sim, burnPitchAt(sim, step * dt));
            a = specificForceAlong(tr, step, dt, up);
        }
        const double response = tracker.next(a);
        if (series) {
            series->inputG[i] = (float)(a / kDriGravity);
            series->responseG[i] = (float)response;
        }
    }
    if (series) series->count = (int32_t)(last + 1);
    out.dri = tracker.peak().dri;
    out.driTimeS = tracker.peak().timeS;
    out.spinalRiskRaised = out.dri > kDriLimit;

    out.peakDragG = sim.derived.maxDragG;
    out.peakDragTimeS = sim.run.largestDragTimeS;
    out.heightGainedM = sim.run.apexHeightM;
    findFullOpening(sim, out);
    findTouchdown(sim, out);
    out.chuteOpenBeforeTouchdown =
        out.fullyOpen && (!out.touchdown.reached || out.fullyOpenTimeS < out.touchdown.timeS);
    out.coveredS = last * dt;
    out.cutShort = !sim.run.windowEnded && !sim.run.landed && !sim.run.diverged;
    out.chuteVerdictKnown = !out.cutShort || out.fullyOpen || out.touchdown.reached;
}
