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

}  // namespace

void computeSeatTrajectory(Simulation& sim, double seconds, const float v0[3], const double p0[3]) {
    Trajectory& tr = *sim.trajectory;
    const SimParams& P = sim.params;
    const SimConstants& C = sim.constants;
    SequencerTimes& S = sim.times;
    SequencerRun& R = sim.sequencerRun;
    SeatRunSummary& run = sim.run;
    const float Tc = sim.derived.catapultPhaseTimeS;
    const double dt = C.dt;
    const CatapultState& cat = sim.catapult;

    R = SequencerRun();
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

    S.tRocketFire = (double)Tc + 0.02;
    S.tMainFire = 999.0;
    // Separation and line stretch are events of this run; until they happen
    // they lie beyond any run, so no reader takes an earlier run's moment.
    S.tSeatManSeparation = kEventNeverS;
    S.tLineStretch = kEventNeverS;

    const double baseAltitude = sim.runFighterAltitudeM + sim.runMountingHeightM;
    const double fighterSpeedKt = sim.fighter.velocity.length() * kKtPerMs;
    const double totalMassKg = P.totalMassKg;
    const double pilotMassKg = (double)P.pilotMassKg + P.gearMassKg;
    const PackageDragFigures dragFigures = packageDragFigures(P, C);
    const double burnEnd = S.tRocketFire + P.rocketBurnTimeS;

    double speed = length3(v0[0], v0[1], v0[2]);
    double packageAltitude = baseAltitude + tr.pz[1];
    const double startZ = tr.pz[1];
    // The sample the step starts from, carried in registers rather than read
    // back from the store.
    double cur[3] = {tr.px[1], tr.py[1], tr.pz[1]};
    double curV[3] = {tr.vx[1], tr.vy[1], tr.vz[1]};
    double curA[3] = {0.0, 0.0, 0.0};
    double largestDrag = 0.0, largestDragTime = 0.0;

    long lastStep = (long)(seconds * 1000.0) - 1;
    if (lastStep > kTrajectoryLastIndex - 1) lastStep = kTrajectoryLastIndex - 1;

    for (long i = 1; i <= lastStep; ++i) {
        const double t = i * dt;

        const double altitudeFt = packageAltitude * kFtPerM;
        if (inSensingWindow(t, Tc, R)) senseMode(speed, altitudeFt, Tc, P.rocketBurnTimeS, S, R);
        resenseMode5(t, altitudeFt, S, R);

        double F[3] = {0.0, 0.0, 0.0};
        if (t <= Tc) {
            catapultThrust(cat, t, F);
        } else if (S.tRocketFire < t && t <= burnEnd) {
            Vec3 r = rocketAcceleration(t - S.tRocketFire, P, C, sim.ejection);
            F[0] = r.x;
            F[1] = r.y;
            F[2] = r.z;
        }

        const bool free = t > Tc;
        const double gv = free ? kGravityStepV(dt) : 0.0;
        const double gp = free ? kGravityStepP(dt) : 0.0;
        const double sx = dragSign(curV[0]), sy = dragSign(curV[1]), sz = dragSign(curV[2]);
        double vx = curV[0], vy = curV[1], vz = curV[2];
        double px = cur[0], py = cur[1], pz = cur[2];
        integrateAxis(F[0], std::fabs(curA[0]), dt, 0.0, 0.0, vx, px);
        integrateAxis(F[1], std::fabs(curA[1]), dt, 0.0, 0.0, vy, py);
        integrateAxis(F[2], std::fabs(curA[2]), dt, gv, gp, vz, pz);
        // A state that is no longer finite has nothing left to tell (and
        // its times and indices would be meaningless): stop at the last
        // finite sample.
        if (!std::isfinite(px + py + pz + vx + vy + vz)) {
            run.diverged = true;
            run.divergedAtS = t;
            break;
        }
        const long n = i + 1;
        tr.vx[n] = vx;
        tr.vy[n] = vy;
        tr.vz[n] = vz;
        tr.px[n] = px;
        tr.py[n] = py;
        tr.pz[n] = pz;

        packageAltitude = baseAltitude + pz - 0.4;
        if (!run.landed && packageAltitude <= 0.0) {
            run.landed = true;
            run.landingP[0] = px;
            run.landingP[1] = py;
            run.landingP[2] = pz;
            run.landingTimeS = t;
        }
        float gained = (float)(pz - startZ);
        if (gained > run.apexHeightM) run.apexHeightM = gained;
        speed = length3(vx, vy, vz);

        const DragPhase phase = dragPhase(t, Tc, S, R);
        ChuteAreaCd chute{0.0, 0.0};
        if (phase == kPhaseMainChute) {
            const double tau = t - S.tMainFire;
            if (!sim.pack.computed) launchPack(sim, baseAltitude);
            const double stepDistance = length3(px - cur[0], py - cur[1], pz - cur[2]);
            chute = mainChuteInflation(sim.mainChute, sim.mainRadii, tau, stepDistance, speed * kKtPerMs,
                                       fighterSpeedKt);
            LineStretch& ls = sim.lineStretch;
            if (ls.stretched) ls.pilotDistanceM += stepDistance;
            if (tau > 0.0 && !ls.stretched) {
                Vec3 packAt = packPosition(sim.pack, (long)(tau * 1000.0));
                double dx = packAt.x - px, dy = packAt.y - py, dz = packAt.z - pz;
                if (length3(dx, dy, dz) >= C.lineLengthM && tau > 0.001) {
                    ls.stretched = true;
                    S.tLineStretch = i * 0.001;
                    ls.delayS = S.tLineStretch - S.tMainFire;
                    ls.packMinusPilot[0] = dx;
                    ls.packMinusPilot[1] = dy;
                    ls.packMinusPilot[2] = dz;
                }
            }
        }
        const PhaseDrag figures = phaseDrag(phase, dragFigures, chute.areaM2, chute.cd, drogueActive(t, S));
        const double area = figures.areaM2, cd = figures.cd;

        const double mass = R.seatSeparated ? pilotMassKg : totalMassKg;
        const double D = dragAcceleration(cd, speed, mass, area, packageAltitude);
        updateSeparation(t, D, S, R);
        if (D > largestDrag) {
            largestDrag = D;
            largestDragTime = t;
        }
        const double vNext[3] = {vx, vy, vz}, sign[3] = {sx, sy, sz};
        double drag[3];
        const bool dragActs = truncatedDragVector(D, vNext, speed, sign, drag);
        tr.ax[n] = drag[0];
        tr.ay[n] = drag[1];
        tr.az[n] = drag[2];
        // A skipped drag vector is all zeros, whose length is exactly 0.
        tr.dragForceN[i] = (dragActs ? length3(drag[0], drag[1], drag[2]) : 0.0) * mass;
        cur[0] = px;
        cur[1] = py;
        cur[2] = pz;
        curV[0] = vx;
        curV[1] = vy;
        curV[2] = vz;
        for (int k = 0; k < 3; ++k) curA[k] = drag[k];
        tr.phase[n] = (uint8_t)phase;
        tr.lastIndex = (int32_t)n;
        run.stepsRun = (int32_t)i;

        if (t > S.tMainFire + 10.0) {
            run.windowEnded = true;
            run.endP[0] = px;
            run.endP[1] = py;
            run.endP[2] = pz;
            run.endV[0] = vx;
            run.endV[1] = vy;
            run.endV[2] = vz;
            run.endA[0] = drag[0];
            run.endA[1] = drag[1];
            run.endA[2] = drag[2];
            run.endTimeS = t - 0.001;
            break;
        }
        if (packageAltitude < -2.0 && t > 15.0) {
            run.stoppedBelowGround = true;
            break;
        }
    }

    // The newest sample has no step after it yet, so no force.
    tr.dragForceN[tr.lastIndex] = 0.0;
    run.largestDrag = largestDrag;
    run.largestDragTimeS = largestDragTime;
    sim.derived.maxDragG = (float)(largestDrag / kGravity);
    sim.derived.maxDragTimeS = (float)largestDragTime;
}
