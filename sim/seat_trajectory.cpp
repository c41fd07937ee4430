// The seat/man path at 1 ms steps: catapult, rocket, gravity and drag in the
// configuration the sequencer chooses, with the main canopy's inflation, the
// pack's line stretch and the seat's separation.
#include <cmath>

#include "sim/simulation.h"
#include "sim/units.h"

namespace {

double length3(double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); }

Vec3 packRocketDirection(const Simulation& sim) {
    if (sim.times.seqMode == 1) return sim.catapult.packRocketDirection;
    double b = sim.params.seatBackAngleDeg * kRadPerDeg;
    Vec3 dir(0.0f, (float)std::sin(b), (float)std::cos(b));
    rotateRollPitchHeading(dir, sim.ejection.rollDeg, sim.ejection.pitchDeg, sim.ejection.headingDeg);
    return dir;
}

// The pack's flight depends only on the seat state where the tractor rocket
// fires, which exists by the first step of deployment; computing it there
// lets the line-stretch check of this same run see this run's pack.
void launchPack(Simulation& sim, double baseAltitudeM) {
    const Trajectory& tr = *sim.trajectory;
    TrajectorySample at = trajectorySample(tr, (long)(sim.times.tMainFire * 1000.0) + 1);
    PackLaunch launch;
    launch.seconds = 10.0;
    for (int k = 0; k < 3; ++k) {
        launch.startP[k] = at.p[k];
        launch.startV[k] = at.v[k];
    }
    launch.direction = packRocketDirection(sim);
    launch.baseAltitudeM = baseAltitudeM;
    computeChutePack(sim.pack, launch);
}

// A new run's records: the sequencer, the summary (the apex the playback
// reads is kept until this run passes it), the line stretch, the pack, the
// first sample and the event times that are not yet known.
void startSeatRun(Simulation& sim, const float v0[3], const double p0[3]) {
    Trajectory& tr = *sim.trajectory;
    SequencerTimes& S = sim.times;
    SeatRunSummary& run = sim.run;
    sim.sequencerRun = SequencerRun();
    float apex = run.apexHeightM;
    run = SeatRunSummary();
    run.apexHeightM = apex;
    sim.lineStretch = LineStretch();
    // Until the tractor rocket fires the pack has its one sample at the origin;
    // nothing of an earlier run's pack is left within reach of a reader.
    sim.pack.computed = false;
    sim.pack.lastIndex = 0;
    sim.pack.x[0] = sim.pack.y[0] = sim.pack.z[0] = 0.0f;

    tr.px[1] = p0[0];
    tr.py[1] = p0[1];
    tr.pz[1] = p0[2];
    tr.vx[1] = v0[0];
    tr.vy[1] = v0[1];
    tr.vz[1] = v0[2];
    tr.px[0] = tr.py[0] = tr.pz[0] = tr.vx[0] = tr.vy[0] = tr.vz[0] = 0.0;
    for (int i = 0; i <= 1; ++i) {
        tr.ax[i] = tr.ay[i] = tr.az[i] = 0.0;
        tr.dragForceN[i] = 0.0;
        tr.phase[i] = kPhaseRails;
    }
    tr.lastIndex = 1;

    S.tRocketFire = (double)sim.derived.catapultPhaseTimeS + 0.02;
    S.tMainFire = 999.0;
    // Separation and line stretch are events of this run; until they happen
    // they lie beyond any run, so no reader takes an earlier run's moment.
    S.tSeatManSeparation = kEventNeverS;
    S.tLineStretch = kEventNeverS;
}

// What stays the same over the run's steps.
struct RunSetup {
    double dt;
    float catapultEndS;
    double baseAltitudeM;
    double fighterSpeedKt;
    double totalMassKg, pilotMassKg;  // the package, and the pilot alone once the seat has gone
    PackageDragFigures dragFigures;
    double burnEndS;
};

RunSetup runSetup(const Simulation& sim) {
    const SimParams& P = sim.params;
    RunSetup u;
    u.dt = sim.constants.dt;
    u.catapultEndS = sim.derived.catapultPhaseTimeS;
    u.baseAltitudeM = sim.runFighterAltitudeM + sim.runMountingHeightM;
    u.fighterSpeedKt = sim.fighter.velocity.length() * kKtPerMs;
    u.totalMassKg = P.totalMassKg;
    u.pilotMassKg = (double)P.pilotMassKg + P.gearMassKg;
    u.dragFigures = packageDragFigures(P, sim.constants);
    u.burnEndS = sim.times.tRocketFire + P.rocketBurnTimeS;
    return u;
}

// The sample a step starts from, carried here rather than read back from
// the store, and what the steps keep track of.
struct StepState {
    double p[3], v[3], a[3];
    double speed;
    double packageAltitudeM;
    double startZ;
    double largestDrag = 0.0, largestDragTimeS = 0.0;
};

StepState firstStep(const Trajectory& tr, const RunSetup& u, const float v0[3]) {
    StepState s;
    s.speed = length3(v0[0], v0[1], v0[2]);
    s.packageAltitudeM = u.baseAltitudeM + tr.pz[1];
    s.startZ = tr.pz[1];
    const double p[3] = {tr.px[1], tr.py[1], tr.pz[1]}, v[3] = {tr.vx[1], tr.vy[1], tr.vz[1]};
    for (int k = 0; k < 3; ++k) {
        s.p[k] = p[k];
        s.v[k] = v[k];
        s.a[k] = 0.0;
    }
    return s;
}

// The thrust at t: the catapult on its rails, then the seat rocket while it
// burns.
void thrustAt(const Simulation& sim, const RunSetup& u, double t, double F[3]) {
    F[0] = F[1] = F[2] = 0.0;
    const double rocketFire = sim.times.tRocketFire;
    if (t <= u.catapultEndS) {
        catapultThrust(sim.catapult, t, F);
    } else if (rocketFire < t && t <= u.burnEndS) {
        Vec3 r = rocketAcceleration(t - rocketFire, sim.params, sim.constants, sim.ejection);
        F[0] = r.x;
        F[1] = r.y;
        F[2] = r.z;
    }
}

// One step's motion under thrust, gravity once off the rails, and the drag of
// the step before; sign is the drag's sign on each axis at the start.
struct Moved {
    double p[3], v[3], sign[3];
};

Moved move(const StepState& s, const RunSetup& u, const double F[3], double t) {
    const bool free = t > u.catapultEndS;
    const double gv = free ? kGravityStepV(u.dt) : 0.0;
    const double gp = free ? kGravityStepP(u.dt) : 0.0;
    Moved m;
    for (int k = 0; k < 3; ++k) {
        m.sign[k] = dragSign(s.v[k]);
        m.v[k] = s.v[k];
        m.p[k] = s.p[k];
    }
    integrateAxis(F[0], std::fabs(s.a[0]), u.dt, 0.0, 0.0, m.v[0], m.p[0]);
    integrateAxis(F[1], std::fabs(s.a[1]), u.dt, 0.0, 0.0, m.v[1], m.p[1]);
    integrateAxis(F[2], std::fabs(s.a[2]), u.dt, gv, gp, m.v[2], m.p[2]);
    return m;
}

// The package's height over the ground, its landing and its highest point.
void noteHeight(SeatRunSummary& run, const RunSetup& u, StepState& s, double t, const double p[3]) {
    s.packageAltitudeM = u.baseAltitudeM + p[2] - 0.4;
    if (!run.landed && s.packageAltitudeM <= 0.0) {
        run.landed = true;
        run.landingP[0] = p[0];
        run.landingP[1] = p[1];
        run.landingP[2] = p[2];
        run.landingTimeS = t;
    }
    float gained = (float)(p[2] - s.startZ);
    if (gained > run.apexHeightM) run.apexHeightM = gained;
}

// Under the main parachute: the pack launched on the first step, the
// canopy's inflation for the distance of this step, and the moment the pack
// has pulled the lines straight.
ChuteAreaCd mainChuteStep(Simulation& sim, const RunSetup& u, long i, double t, const double p[3],
                          const double before[3], double speed) {
    SequencerTimes& S = sim.times;
    const double tau = t - S.tMainFire;
    if (!sim.pack.computed) launchPack(sim, u.baseAltitudeM);
    const double stepDistance = length3(p[0] - before[0], p[1] - before[1], p[2] - before[2]);
    const ChuteAreaCd chute =
        mainChuteInflation(sim.mainChute, sim.mainRadii, tau, stepDistance, speed * kKtPerMs, u.fighterSpeedKt);
    LineStretch& ls = sim.lineStretch;
    if (ls.stretched) ls.pilotDistanceM += stepDistance;
    if (tau > 0.0 && !ls.stretched) {
        Vec3 packAt = packPosition(sim.pack, (long)(tau * 1000.0));
        double dx = packAt.x - p[0], dy = packAt.y - p[1], dz = packAt.z - p[2];
        if (length3(dx, dy, dz) >= sim.constants.lineLengthM && tau > 0.001) {
            ls.stretched = true;
            S.tLineStretch = i * 0.001;
            ls.delayS = S.tLineStretch - S.tMainFire;
            ls.packMinusPilot[0] = dx;
            ls.packMinusPilot[1] = dy;
            ls.packMinusPilot[2] = dz;
        }
    }
    return chute;
}

// The drag of the configuration the phase gives, on the mass the package
// has now: the separation it may cause, the largest so far, and the vector
// for the next step.
struct StepDrag {
    double massKg;
    bool vectorTaken;  // false: the vector was skipped (all zeros)
};

StepDrag dragStep(Simulation& sim, const RunSetup& u, StepState& s, DragPhase phase, const ChuteAreaCd& chute,
                  double t, const Moved& m, double drag[3]) {
    SequencerTimes& S = sim.times;
    SequencerRun& R = sim.sequencerRun;
    const PhaseDrag figures = phaseDrag(phase, u.dragFigures, chute.areaM2, chute.cd, drogueActive(t, S));
    const double mass = R.seatSeparated ? u.pilotMassKg : u.totalMassKg;
    const double D = dragAcceleration(figures.cd, s.speed, mass, figures.areaM2, s.packageAltitudeM);
    updateSeparation(t, D, S, R);
    if (D > s.largestDrag) {
        s.largestDrag = D;
        s.largestDragTimeS = t;
    }
    return {mass, truncatedDragVector(D, m.v, s.speed, m.sign, drag)};
}

void storeSample(Trajectory& tr, long n, const Moved& m) {
    tr.vx[n] = m.v[0];
    tr.vy[n] = m.v[1];
    tr.vz[n] = m.v[2];
    tr.px[n] = m.p[0];
    tr.py[n] = m.p[1];
    tr.pz[n] = m.p[2];
}

// Ten seconds after the main parachute fires the precomputed window ends:
// the descent goes on from this state.
void endWindow(SeatRunSummary& run, double t, const Moved& m, const double drag[3]) {
    run.windowEnded = true;
    for (int k = 0; k < 3; ++k) {
        run.endP[k] = m.p[k];
        run.endV[k] = m.v[k];
        run.endA[k] = drag[k];
    }
    run.endTimeS = t - 0.001;
}

}  // namespace

void computeSeatTrajectory(Simulation& sim, double seconds, const float v0[3], const double p0[3]) {
    Trajectory& tr = *sim.trajectory;
    SequencerTimes& S = sim.times;
    SequencerRun& R = sim.sequencerRun;
    SeatRunSummary& run = sim.run;
    startSeatRun(sim, v0, p0);
    const RunSetup u = runSetup(sim);
    StepState s = firstStep(tr, u, v0);

    long lastStep = (long)(seconds * 1000.0) - 1;
    if (lastStep > kTrajectoryLastIndex - 1) lastStep = kTrajectoryLastIndex - 1;

    for (long i = 1; i <= lastStep; ++i) {
        const double t = i * u.dt;

        const double altitudeFt = s.packageAltitudeM * kFtPerM;
        if (inSensingWindow(t, u.catapultEndS, R))
            senseMode(s.speed, altitudeFt, u.catapultEndS, sim.params.rocketBurnTimeS, S, R);
        resenseMode5(t, altitudeFt, S, R);

        double F[3];
        thrustAt(sim, u, t, F);
        const Moved m = move(s, u, F, t);
        // A state that is no longer finite has nothing left to tell (and its
        // times and indices would be meaningless): stop at the last finite
        // sample.
        if (!std::isfinite(m.p[0] + m.p[1] + m.p[2] + m.v[0] + m.v[1] + m.v[2])) {
            run.diverged = true;
            run.divergedAtS = t;
            break;
        }
        const long n = i + 1;
        storeSample(tr, n, m);
        noteHeight(run, u, s, t, m.p);
        s.speed = length3(m.v[0], m.v[1], m.v[2]);

        const DragPhase phase = dragPhase(t, u.catapultEndS, S, R);
        const ChuteAreaCd chute =
            phase == kPhaseMainChute ? mainChuteStep(sim, u, i, t, m.p, s.p, s.speed) : ChuteAreaCd{0.0, 0.0};
        double drag[3];
        const StepDrag d = dragStep(sim, u, s, phase, chute, t, m, drag);
        tr.ax[n] = drag[0];
        tr.ay[n] = drag[1];
        tr.az[n] = drag[2];
        // A skipped drag vector is all zeros, whose length is exactly 0.
        tr.dragForceN[i] = (d.vectorTaken ? length3(drag[0], drag[1], drag[2]) : 0.0) * d.massKg;
        for (int k = 0; k < 3; ++k) {
            s.p[k] = m.p[k];
            s.v[k] = m.v[k];
            s.a[k] = drag[k];
        }
        tr.phase[n] = (uint8_t)phase;
        tr.lastIndex = (int32_t)n;
        run.stepsRun = (int32_t)i;

        if (t > S.tMainFire + 10.0) {
            endWindow(run, t, m, drag);
            break;
        }
        if (s.packageAltitudeM < -2.0 && t > 15.0) {
            run.stoppedBelowGround = true;
            break;
        }
    }

    // The newest sample has no step after it yet, so no force.
    tr.dragForceN[tr.lastIndex] = 0.0;
    run.largestDrag = s.largestDrag;
    run.largestDragTimeS = s.largestDragTimeS;
    sim.derived.maxDragG = (float)(s.largestDrag / kGravity);
    sim.derived.maxDragTimeS = (float)s.largestDragTimeS;
}
