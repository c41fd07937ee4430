#include <gtest/gtest.h>
#include <cmath>

#include "tests/sim/sim_fixture.h"

TEST(PlaybackClocks, PlaySpeedDivisorFour) {
    auto sim = makeDefaultSim();
    sim->params.playSpeedDivisor = 4.0f;
    PlaybackClocks& c = sim->clocks;
    c.startTimeMs = 10000;
    updatePlaybackClocks(c, 11000, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 250);
    EXPECT_DOUBLE_EQ(c.flightTime, 0.25);
    EXPECT_EQ(c.canopyTime, 0.0);
    EXPECT_EQ(c.seatTime, 0.0);
    EXPECT_EQ(c.seatIndex, 0);
    // Slowed playback advances in whole milliseconds.
    updatePlaybackClocks(c, 11003, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 250);
}

TEST(PlaybackClocks, EventClocksAndIndices) {
    auto sim = makeDefaultSim();
    sim->params.countdownS = 0.5;
    sim->params.canopyDelayS = 0.5;
    sim->times.tRocketFire = 0.2;
    sim->times.tDrogueFire = 0.25;
    sim->times.tMainFire = 1.0;
    sim->times.tSeatManSeparation = kEventNeverS;
    PlaybackClocks& c = sim->clocks;
    c.startTimeMs = 0;
    updatePlaybackClocks(c, 2000, sim->params, sim->times);
    EXPECT_DOUBLE_EQ(c.seatTime, 1.0);
    EXPECT_DOUBLE_EQ(c.canopyTime, 1.5);
    EXPECT_EQ(c.sinceMainFire, 0.0);
    EXPECT_EQ(c.mainIndex, 0);
    EXPECT_EQ(c.seatIndex, 1000);
    EXPECT_NEAR(c.sinceRocketFire, 0.8, 1e-12);
    EXPECT_EQ(c.sinceSeparation, 0.0);
    EXPECT_EQ(c.separationIndex, 0);
    updatePlaybackClocks(c, 2345, sim->params, sim->times);
    EXPECT_EQ(c.mainIndex, 345);
}

TEST(PlaybackClocks, PauseFreezesAndResumesFromTheFrozenValue) {
    auto sim = makeDefaultSim();
    sim->params.playSpeedDivisor = 2.0f;
    PlaybackClocks& c = sim->clocks;
    c.startTimeMs = 0;
    updatePlaybackClocks(c, 2000, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 1000);
    togglePause(c, 2000, sim->params.playSpeedDivisor);
    EXPECT_EQ(c.paused, 1);
    EXPECT_DOUBLE_EQ(c.pausedElapsedMs, 1000.0);
    updatePlaybackClocks(c, 9000, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 1000);
    togglePause(c, 9000, sim->params.playSpeedDivisor);
    EXPECT_EQ(c.paused, 0);
    EXPECT_EQ(c.pausedTotalMs, 3500);
    updatePlaybackClocks(c, 9000, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 1000);
    updatePlaybackClocks(c, 9200, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 1100);
}

TEST(PlaybackClocks, NewRunDoesNotInheritTheLastRunsPauses) {
    auto sim = makeDefaultSim();
    PlaybackClocks& c = sim->clocks;
    c.pausedTotalMs = 60000;
    c.pausedElapsedMs = 5.0;
    c.paused = 1;
    resetScene(*sim, 500);
    EXPECT_EQ(c.paused, 0);
    EXPECT_EQ(c.pausedTotalMs, 0);
    updatePlaybackClocks(c, 1500, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, 1000);
}

TEST(PlaybackClocks, HostileDivisorAndClockValues) {
    auto sim = makeDefaultSim();
    PlaybackClocks& c = sim->clocks;
    sim->params.playSpeedDivisor = 0.0f;
    c.startTimeMs = 4000000000u;
    updatePlaybackClocks(c, 1000, sim->params, sim->times);  // the timer wrapped
    EXPECT_EQ(c.elapsedMs, (int32_t)(1000u - 4000000000u));
    sim->params.playSpeedDivisor = 1e-30f;
    updatePlaybackClocks(c, 1000, sim->params, sim->times);
    EXPECT_GE(c.seatIndex, 0);
}

TEST(Ejection, QuickRunComputesWithoutPlaying) {
    auto sim = makeDefaultSim();
    EjectionStart r = startEjection(*sim, true, 1234, 0);
    EXPECT_FALSE(r.playing);
    EXPECT_FALSE(r.playEjectionSound);
    EXPECT_EQ(sim->clocks.playing, 0);
    EXPECT_LE(sim->trajectory->lastIndex, 7000);
    EXPECT_EQ(sim->clocks.startTimeMs, 1234u);

    r = startEjection(*sim, false, 5678, 0);
    EXPECT_TRUE(r.playing);
    EXPECT_EQ(sim->clocks.playing, 1);
    EXPECT_EQ(sim->clocks.startTimeMs, 5678u);
}

TEST(Ejection, DefaultRunSequence) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    EXPECT_EQ(sim->times.seqMode, 1);
    EXPECT_NEAR(sim->derived.catapultPhaseTimeS, 0.18, 0.005);
    EXPECT_NEAR(sim->times.tDrogueFire, 0.22, 0.005);
    EXPECT_DOUBLE_EQ(sim->times.tRocketFire, (double)sim->derived.catapultPhaseTimeS + 0.02);
    EXPECT_TRUE(sim->pack.computed);
    EXPECT_TRUE(sim->lineStretch.stretched);
    EXPECT_GT(sim->times.tLineStretch, sim->times.tMainFire);
    EXPECT_LT(sim->times.tLineStretch, sim->times.tMainFire + 1.0);
    EXPECT_TRUE(sim->run.windowEnded);
    EXPECT_NEAR(sim->run.endTimeS, sim->times.tMainFire + 10.0, 0.002);
    EXPECT_GT(sim->run.apexHeightM, 10.0f);
    EXPECT_GT(sim->derived.maxDragG, 0.0f);
    // The pack starts where the seat/man was when its rocket fired.
    TrajectorySample at = trajectorySample(*sim->trajectory, (long)(sim->times.tMainFire * 1000.0) + 1);
    EXPECT_EQ(sim->pack.z[1], (float)at.p[2]);
}

TEST(Ejection, AirspeedAndAltitudeReachTheirModes) {
    struct Case {
        float tasKt;
        double altitudeM;
        int mode;
    } cases[] = {{400.0f, 5.0, 2}, {560.0f, 5.0, 3}, {200.0f, 3000.0, 4}, {0.0f, 5600.0, 5}};
    for (const Case& k : cases) {
        auto sim = makeDefaultSim();
        sim->params.initialTasKt = k.tasKt;
        sim->fighterPosition.altitude = k.altitudeM;
        ejectNow(*sim);
        EXPECT_EQ(sim->times.seqMode, k.mode) << k.tasKt << " kt at " << k.altitudeM << " m";
        EXPECT_TRUE(sim->mainChute.fullyOpen) << k.mode;
    }
}

TEST(Ejection, ModeFiveFromAbove18000FtFiresOnTheCycle) {
    auto sim = makeDefaultSim();
    sim->fighterPosition.altitude = 5600.0;
    ejectNow(*sim);
    ASSERT_EQ(sim->times.seqMode, 5);
    ASSERT_TRUE(sim->sequencerRun.mode5Resensed);
    // 0.2 + 4.8 n seconds.
    double cycles = (sim->times.tMainFire - 0.2) / 4.8;
    EXPECT_NEAR(cycles, std::round(cycles), 1e-6);
    EXPECT_GT(sim->times.tMainFire, 0.3);
}

TEST(Ejection, NoSeparationMeansNoEmptySeat) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    ASSERT_TRUE(sim->sequencerRun.seatSeparated);
    ASSERT_TRUE(sim->emptySeat.computed);
    // A 7 s run from mode-5 height never separates: the seat stays with the pilot.
    sim->fighterPosition.altitude = 5600.0;
    startEjection(*sim, true, 0, 0);
    EXPECT_FALSE(sim->sequencerRun.seatSeparated);
    EXPECT_FALSE(sim->emptySeat.computed);
    EXPECT_EQ(sim->times.tSeatManSeparation, kEventNeverS);
    updatePlaybackClocks(sim->clocks, 5000, sim->params, sim->times);
    EXPECT_EQ(sim->clocks.separationIndex, 0);
}

TEST(Ejection, EmptySeatTurnComesFromTheCallersRandomValue) {
    EXPECT_FLOAT_EQ(emptySeatTurnDeg(0), -2.5f);
    EXPECT_FLOAT_EQ(emptySeatTurnDeg(49), 2.4f);
    EXPECT_FLOAT_EQ(emptySeatTurnDeg(75), 0.0f);
    auto a = makeDefaultSim();
    ejectNow(*a, 3);
    Vec3 pa = emptySeatPosition(a->emptySeat, 2000);
    auto b = makeDefaultSim();
    ejectNow(*b, 3);
    Vec3 pb = emptySeatPosition(b->emptySeat, 2000);
    EXPECT_EQ(pa.x, pb.x);
    EXPECT_EQ(pa.z, pb.z);
    ejectNow(*b, 40);
    EXPECT_NE(emptySeatPosition(b->emptySeat, 2000).z, pa.z);
}

TEST(Ejection, ReadersPastTheEndReadTheLastSample) {
    auto sim = makeDefaultSim();
    startEjection(*sim, true, 0, 0);
    const Trajectory& tr = *sim->trajectory;
    TrajectorySample last = trajectorySample(tr, tr.lastIndex);
    TrajectorySample beyond = trajectorySample(tr, 10000000);
    EXPECT_EQ(last.p[1], beyond.p[1]);
    EXPECT_EQ(trajectorySample(tr, -5).p[2], tr.pz[0]);
    Vec3 packEnd = packPosition(sim->pack, 1000000);
    EXPECT_EQ(packEnd.z, sim->pack.z[sim->pack.lastIndex]);
    Vec3 seatEnd = emptySeatPosition(sim->emptySeat, 1000000);
    EXPECT_EQ(seatEnd.z, sim->emptySeat.pz[sim->emptySeat.lastIndex]);
}

TEST(Descent, LongFramesAreSplitIntoBufferSizedBatches) {
    auto sim = makeDefaultSim();
    DescentEnvironment env{3000.0, 2.3, 100.0};
    const double p[3] = {0, 0, 0}, v[3] = {0, -20, -8}, a[3] = {0, 1, 2};
    DescentState& one = sim->descent;
    beginDescent(one, p, v, a, 10.0);
    EXPECT_EQ(stepDescent(one, 2.5, sim->params, sim->mainChute, env), 2500);
    EXPECT_LE(one.batchCount, kDescentBufferSteps);
    EXPECT_NEAR(one.seatTimeS, 12.5, 1e-9);

    auto other = makeDefaultSim();
    DescentState& many = other->descent;
    beginDescent(many, p, v, a, 10.0);
    for (int i = 0; i < 5; ++i) stepDescent(many, 0.5, other->params, other->mainChute, env);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(one.p[k], many.p[k]);
        EXPECT_EQ(one.v[k], many.v[k]);
    }
    // A frame of 0.017 s is 17 steps, whatever the rounding of the difference.
    EXPECT_EQ(stepDescent(many, 10.017 - 10.0, other->params, other->mainChute, env), 17);
    // Absurdly long frames are capped.
    EXPECT_EQ(stepDescent(many, 1e12, other->params, other->mainChute, env), 600000);
}

TEST(Descent, ZeroZeroEjectionLandsUnderAnOpenCanopy) {
    auto sim = makeDefaultSim();
    resetToZeroZero(*sim, 0);
    ejectNow(*sim);
    EXPECT_EQ(sim->times.seqMode, 1);
    EXPECT_TRUE(sim->mainChute.fullyOpen);
    bool landed = sim->run.landed;
    for (uint32_t now = 0; now < 120000 && !sim->descent.landed; now += 16) {
        updatePlaybackClocks(sim->clocks, now, sim->params, sim->times);
        advanceDescentForFrame(*sim);
    }
    landed = landed || sim->descent.landed;
    EXPECT_TRUE(landed);
    EXPECT_TRUE(sim->descent.active);
    // Under the canopy the pilot comes down at a few metres per second.
    EXPECT_LT(std::fabs(sim->descent.v[2]), 9.0);
    EXPECT_GT(sim->descent.landingFlightTimeS, sim->times.tMainFire + 10.0);
}

TEST(Ejection, NeverDeployingRunFillsTheWholeStore) {
    auto sim = makeDefaultSim();
    sim->fighterPosition.altitude = 2000000.0;
    ejectNow(*sim);
    EXPECT_EQ(sim->trajectory->lastIndex, kTrajectoryLastIndex);
    EXPECT_EQ(sim->times.tMainFire, 999.0);
    EXPECT_FALSE(sim->pack.computed);
    EXPECT_FALSE(sim->run.windowEnded);
    updatePlaybackClocks(sim->clocks, 4000000000u, sim->params, sim->times);
    EXPECT_EQ(trajectorySample(*sim->trajectory, sim->clocks.seatIndex + 1).p[2],
              sim->trajectory->pz[kTrajectoryLastIndex]);
}
