#include "sim/run_analysis.h"

#include <cmath>

#include "sim/seat_frame.h"
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

}  // namespace

Touchdown touchdownOf(const Simulation& sim, DescentState& d) {
    const Trajectory& tr = *sim.trajectory;
    const SeatRunSummary& run = sim.run;
    Touchdown td;
    if (run.landed) {
        // Inside the computed window: the run's own landing record.
        const long i = sampleIndexAt(tr, run.landingTimeS);
        td.reached = true;
        td.timeS = run.landingTimeS;
        td.verticalSpeedMs = -tr.vz[i];
        td.horizontalSpeedMs = std::hypot(tr.vx[i], tr.vy[i]);
        for (int k = 0; k < 3; ++k) td.position[k] = run.landingP[k];
        return td;
    }
    if (!run.windowEnded) return td;  // stopped before its window ended: never reaches the ground
    // The per-frame descent, a millisecond at a time so the touchdown has the
    // time of its step.
    beginDescent(d, run.endP, run.endV, run.endA, run.endTimeS);
    const long limit = (long)(kTouchdownSearchS * 1000.0);
    const DescentEnvironment start{sim.runFighterAltitudeM, sim.runMountingHeightM, run.endTimeS};
    const long steps = descendToGround(d, limit, sim.params, sim.mainChute, start);
    if (!d.landed) return td;
    td.reached = true;
    td.timeS = run.endTimeS + steps * 0.001;
    td.verticalSpeedMs = -d.v[2];
    td.horizontalSpeedMs = std::hypot((double)d.v[0], (double)d.v[1]);
    for (int k = 0; k < 3; ++k) td.position[k] = d.landingP[k];
    return td;
}

bool fullOpeningOf(const Simulation& sim, double& seatTimeS) {
    if (sim.mainChute.fullyOpen) {
        // The step it opened on: tau is held in single precision.
        seatTimeS = std::lround((sim.times.tMainFire + sim.mainChute.fullyOpenTime) * 1000.0) * 0.001;
        return true;
    }
    if (sim.run.windowEnded) {
        // The descent after the window flies the canopy fully open.
        seatTimeS = sim.run.endTimeS;
        return true;
    }
    return false;
}

double spinalInput(const Simulation& sim, long i) {
    const Trajectory& tr = *sim.trajectory;
    const SeatFrameOverRun axes(sim);
    i = stepOfSample(tr, i);
    if (i < 1) return kGravity * axes.at(0).up.z;
    return specificForceAlong(tr, i, sim.constants.dt, axes.upAt(i));
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
    const SeatFrameOverRun axes(sim);
    const long last = tr.lastIndex;
    for (long i = 1; i <= last; ++i) {
        const long step = stepOfSample(tr, i);
        const double a = step >= 1 ? specificForceAlong(tr, step, dt, axes.upAt(step)) : sitting;
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
    out.fullyOpen = fullOpeningOf(sim, out.fullyOpenTimeS);
    if (sim.mainChute.fullyOpen) out.fullyOpenHeightM = packageAltitude(sim, tr.pz[sampleIndexAt(tr, out.fullyOpenTimeS)]);
    else if (out.fullyOpen) out.fullyOpenHeightM = packageAltitude(sim, sim.run.endP[2]);
    out.touchdown = touchdownOf(sim, out.descent);
    out.chuteOpenBeforeTouchdown =
        out.fullyOpen && (!out.touchdown.reached || out.fullyOpenTimeS < out.touchdown.timeS);
    out.coveredS = last * dt;
    out.cutShort = !sim.run.windowEnded && !sim.run.landed && !sim.run.diverged;
    out.chuteVerdictKnown = !out.cutShort || out.fullyOpen || out.touchdown.reached;
}
