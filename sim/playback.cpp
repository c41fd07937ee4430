#include "sim/playback.h"

#include "sim/simulation.h"
#include "sim/units.h"

void resetScene(Simulation& sim, uint32_t nowMs) {
    PlaybackClocks& c = sim.clocks;
    c.playing = 0;
    c.paused = 0;
    c.elapsedMs = 0;
    c.flightTime = 0.0;
    // Pause time belongs to the run it was taken in; carried into the next
    // run it would hold that run's clocks at zero.
    c.pausedElapsedMs = 0.0;
    c.pausedTotalMs = 0;
    c.startTimeMs = nowMs;
    sim.run.largestDrag = 0.0;
    sim.run.landed = false;
    sim.derived.maxDragG = 0.0f;
    sim.emptySeat.landed = false;
    resetDescent(sim.descent);
    resetMainInflation(sim.mainChute, sim.mainRadii);
}

Vec3 launchVelocity(const SimParams& P, const FighterAttitude& attitude) {
    Vec3 v(0.0f, (float)(-(P.initialTasKt * kMsPerKt)), 0.0f);
    rotateRollPitchHeading(v, attitude.rollDeg, attitude.pitchDeg, attitude.headingDeg);
    v.z = (float)(v.z - P.sinkRateFtS * kMPerFt);
    return v;
}

EjectionStart startEjection(Simulation& sim, bool quick, uint32_t nowMs, int randomValue) {
    EjectionStart result;
    SimParams& P = sim.params;

    sim.run.apexHeightM = -900000.0f;
    resetScene(sim, nowMs);
    normalizeAttitude(sim.attitude, sim.fighterPosition, P);

    const Vec3 v = launchVelocity(P, sim.attitude);
    sim.fighter.velocity = v;
    sim.fighter.start[0] = sim.fighterPosition.x;
    sim.fighter.start[1] = sim.fighterPosition.y;
    sim.fighter.start[2] = sim.fighterPosition.altitude;
    sim.fighter.applyG = P.applyGOnFighter;
    sim.runFighterAltitudeM = sim.fighterPosition.altitude;
    sim.runMountingHeightM = sim.geometry.seatMountingHeightM();

    refreshParachuteModel(sim.mainChute, P.mainChuteDiameterM, P.mainChuteCd);
    refreshParachuteModel(sim.drogue, P.drogueDiameterM, P.drogueCd);
    result.catapultMoves = deriveCatapult(sim);

    const double lead = P.countdownS + 0.0000075 + P.canopyDelayS;
    double seatP[3] = {v.x * lead, v.y * lead, v.z * lead};
    float seatV[3] = {v.x, v.y, v.z};
    if (P.applyGOnFighter) {
        seatP[2] -= 9.8 * lead * lead / 2.0;
        seatV[2] = (float)(seatV[2] - 9.8 * lead);
    }

    const double cd = P.countdownS;
    CanopyLaunch canopy;
    canopy.rocketThrustLb = P.canopyRocketThrustLb;
    canopy.startPosition = Vec3((float)(sim.fighter.start[0] + v.x * cd), (float)(sim.fighter.start[1] + v.y * cd),
                                (float)(sim.fighter.start[2] + v.z * cd));
    canopy.startVelocity = v;
    if (P.applyGOnFighter) {
        canopy.startPosition.z = (float)(canopy.startPosition.z - 9.8 * cd * cd / 2.0);
        canopy.startVelocity.z = (float)(canopy.startVelocity.z - 9.8 * cd);
    }
    canopy.widthM = 0.984f;
    canopy.lengthM = 2.304f;
    canopy.hinge = sim.geometry.canopyHinge;
    canopy.launchAnglesDeg = Vec3(sim.attitude.rollDeg + sim.geometry.canopyMountAnglesDeg.x,
                                  sim.attitude.pitchDeg + sim.geometry.canopyMountAnglesDeg.y,
                                  sim.attitude.headingDeg + sim.geometry.canopyMountAnglesDeg.z);
    canopy.applyG = P.applyGOnFighter;
    sim.canopy.delayS = P.canopyDelayS;
    sim.canopy.massKg = P.canopyMassKg;
    sim.canopy.rocketBurnS = P.canopyRocketBurnTimeS;
    sim.canopy.maxPitchDeg = P.canopyMaxPitchDeg;
    launchCanopy(sim.canopy, canopy);

    computeSeatTrajectory(sim, quick ? 7.0 : 600.0, seatV, seatP);

    // The pack was launched during the run when the tractor rocket fired.
    // The empty seat exists only when the seat fell away in this run.
    if (sim.sequencerRun.seatSeparated) {
        TrajectorySample at = trajectorySample(*sim.trajectory, (long)(sim.times.tSeatManSeparation * 1000.0) + 1);
        EmptySeatLaunch seat;
        seat.seconds = 30.0;
        for (int k = 0; k < 3; ++k) {
            seat.startP[k] = at.p[k];
            seat.startV[k] = at.v[k];
        }
        seat.randomValue = randomValue;
        seat.fighterAltitudeM = sim.runFighterAltitudeM;
        seat.mountingHeightM = sim.runMountingHeightM;
        computeEmptySeat(sim.emptySeat, seat);
    } else {
        clearEmptySeat(sim.emptySeat);
    }

    if (P.playSpeedDivisor > 1000.0f) P.playSpeedDivisor = 1.0f;

    if (!quick) {
        result.playEjectionSound = true;
        sim.clocks.playing = 1;
        sim.clocks.startTimeMs = nowMs;
        result.playing = true;
    }
    return result;
}

long advanceDescentForFrame(Simulation& sim) {
    const PlaybackClocks& c = sim.clocks;
    if (!c.playing || !sim.run.windowEnded || !(c.seatTime > sim.times.tMainFire + 10.0)) return 0;
    if (!sim.descent.active)
        beginDescent(sim.descent, sim.run.endP, sim.run.endV, sim.run.endA, sim.run.endTimeS);
    DescentEnvironment env{sim.runFighterAltitudeM, sim.runMountingHeightM, c.flightTime};
    return stepDescent(sim.descent, c.seatTime - sim.descent.seatTimeS, sim.params, sim.mainChute, env);
}

// Beside the run's reset: the HOME key stops the run first.
void resetToZeroZero(Simulation& sim, uint32_t nowMs) {
    resetScene(sim, nowMs);
    applyZeroZeroParams(sim.params, sim.constants, sim.attitude, sim.fighterPosition);
    refreshParachuteModel(sim.mainChute, sim.params.mainChuteDiameterM, sim.params.mainChuteCd);
    deriveCatapult(sim);
    normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
}
