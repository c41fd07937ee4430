#include <gtest/gtest.h>

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/sequencer.h"

TEST(Sequencer, ModeBoundaries) {
    EXPECT_EQ(selectMode(350.0, 8000.0), 1);
    EXPECT_EQ(selectMode(350.01, 8000.0), 2);
    EXPECT_EQ(selectMode(500.0, 8000.0), 2);
    EXPECT_EQ(selectMode(500.01, 0.0), 3);
    EXPECT_EQ(selectMode(0.0, 8000.01), 4);
    EXPECT_EQ(selectMode(900.0, 18000.0), 4);
    EXPECT_EQ(selectMode(0.0, 18000.01), 5);
    EXPECT_EQ(selectMode(900.0, 30000.0), 5);
}

TEST(Sequencer, ModeTimesReproduceTheModeTable) {
    // With a 0.18 s stroke: drogue fire 0.22 and the release and parachute columns.
    const float Tc = 0.18f;
    const double fire[] = {0.45, 1.10, 1.30, 2.90};
    const double release[] = {0.32, 1.25, 1.45, 3.05};
    for (int mode = 1; mode <= 4; ++mode) {
        SequencerTimes s;
        setModeTimes(mode, Tc, 0.25f, s);
        EXPECT_EQ(s.seqMode, mode);
        EXPECT_NEAR(s.tDrogueFire, 0.22, 1e-6);
        EXPECT_NEAR(s.tMainFire, fire[mode - 1], 1e-6) << mode;
        EXPECT_NEAR(s.tDrogueRelease, release[mode - 1], 1e-6) << mode;
    }
    SequencerTimes s;
    setModeTimes(1, Tc, 0.25f, s);
    // Mode 1 adds the single-precision 0.27.
    EXPECT_EQ(s.tMainFire, (double)Tc + (double)0.27f);
    EXPECT_NEAR(s.tSeparationEnable, 0.65, 1e-6);
    setModeTimes(5, Tc, 0.25f, s);
    EXPECT_EQ(s.tMainFire, 999.0);
    EXPECT_EQ(s.tDrogueRelease, 999.0);
    EXPECT_EQ(s.tSeparationEnable, 9999.0);
}

TEST(Sequencer, LongRocketBurnOverridesTheTimes) {
    const float Tc = 0.18f, B = 0.4f;
    SequencerTimes s;
    setModeTimes(3, Tc, B, s);
    EXPECT_EQ(s.seqMode, 1);
    EXPECT_DOUBLE_EQ(s.tMainFire, (double)Tc + (double)B + 3.25);
    EXPECT_DOUBLE_EQ(s.tDrogueFire, (double)Tc + (double)B);
    EXPECT_DOUBLE_EQ(s.tDrogueRelease, s.tMainFire - 0.15);
    EXPECT_DOUBLE_EQ(s.tSeparationEnable, s.tMainFire + 0.15);

    setModeTimes(1, Tc, 0.35f, s);
    EXPECT_EQ(s.seqMode, 1);
    EXPECT_DOUBLE_EQ(s.tMainFire, (double)Tc + (double)0.35f + 1.01);
    EXPECT_DOUBLE_EQ(s.tDrogueRelease, (double)Tc + 0.07);

    setModeTimes(2, Tc, B, s);
    EXPECT_DOUBLE_EQ(s.tDrogueRelease, s.tMainFire - 0.05);

    setModeTimes(5, Tc, B, s);
    EXPECT_EQ(s.seqMode, 5);
    EXPECT_EQ(s.tMainFire, 999.0);
    EXPECT_DOUBLE_EQ(s.tDrogueFire, (double)Tc + 0.04);

    // Just under the threshold nothing changes.
    setModeTimes(3, Tc, 0.349f, s);
    EXPECT_EQ(s.seqMode, 3);
}

TEST(Sequencer, ModeFiveFallThrough) {
    SequencerTimes s;
    SequencerRun run;
    setModeTimes(5, 0.18f, 0.25f, s);
    run.modeSensed = true;
    EXPECT_FALSE(resenseMode5(9.0, 18000.0, s, run));  // not strictly below
    EXPECT_TRUE(resenseMode5(10.0, 17999.0, s, run));
    EXPECT_NEAR(s.tMainFire, 14.6, 1e-9);
    EXPECT_NEAR(s.tDrogueRelease, 14.75, 1e-9);
    EXPECT_NEAR(s.tSeparationEnable, 14.8, 1e-9);
    // Only once per run.
    EXPECT_FALSE(resenseMode5(11.0, 100.0, s, run));
    EXPECT_NEAR(s.tMainFire, 14.6, 1e-9);

    // Falling through exactly on an instant of the cycle waits a full 4.8 s.
    SequencerRun again;
    again.modeSensed = true;
    EXPECT_TRUE(resenseMode5(5.0, 100.0, s, again));
    EXPECT_NEAR(s.tMainFire, 9.8, 1e-9);
}

TEST(Sequencer, ModeFiveLeftFromAnEarlierRunDoesNotResense) {
    SequencerTimes s;
    setModeTimes(5, 0.18f, 0.25f, s);
    SequencerRun fresh;  // this run has not sensed yet
    EXPECT_FALSE(resenseMode5(0.01, 10.0, s, fresh));
    EXPECT_FALSE(fresh.mode5Resensed);
}

TEST(Sequencer, SensingWindow) {
    SequencerRun run;
    const float Tc = 0.18f;
    EXPECT_FALSE(inSensingWindow(0.244, Tc, run));
    EXPECT_TRUE(inSensingWindow(0.246, Tc, run));
    EXPECT_TRUE(inSensingWindow(0.305, Tc, run));
    EXPECT_FALSE(inSensingWindow(0.306, Tc, run));
    SequencerTimes s;
    senseMode(0.0, 0.0, Tc, 0.25f, s, run);
    EXPECT_TRUE(run.modeSensed);
    EXPECT_EQ(s.seqMode, 1);
    EXPECT_FALSE(inSensingWindow(0.26, Tc, run));
}

TEST(Sequencer, DragPhases) {
    const float Tc = 0.18f;
    SequencerTimes s;
    SequencerRun run;
    // Stale times of an earlier run never give drag on the rails.
    s.tDrogueRelease = 0.05;
    s.tMainFire = 0.1;
    EXPECT_EQ(dragPhase(0.15, Tc, s, run), kPhaseRails);
    EXPECT_EQ(dragPhase(0.2, Tc, s, run), kPhaseUnsensed);

    run.modeSensed = true;
    setModeTimes(2, Tc, 0.25f, s);
    EXPECT_EQ(dragPhase(0.18, Tc, s, run), kPhaseRails);
    EXPECT_EQ(dragPhase(0.3, Tc, s, run), kPhaseSeatMan);
    EXPECT_EQ(dragPhase(0.5, Tc, s, run), kPhaseDrogue);
    EXPECT_EQ(dragPhase(1.15, Tc, s, run), kPhaseMainChute);
    EXPECT_TRUE(drogueActive(1.15, s));  // drogue and main together
    EXPECT_EQ(dragPhase(1.3, Tc, s, run), kPhaseMainChute);
    EXPECT_FALSE(drogueActive(1.3, s));

    // Mode 1 releases its drogue before it would take effect.
    setModeTimes(1, Tc, 0.25f, s);
    for (int ms = 181; ms < 2000; ++ms) ASSERT_NE(dragPhase(ms * 0.001, Tc, s, run), kPhaseDrogue) << ms;
    EXPECT_EQ(dragPhase(0.33, Tc, s, run), kPhaseAfterDrogue);
}

TEST(Sequencer, SeparationCounterIsCumulative) {
    SequencerTimes s;
    SequencerRun run;
    s.tSeparationEnable = 1.0;
    const double strong = 0.9 * 9.8, weak = 0.5 * 9.8;
    EXPECT_FALSE(updateSeparation(0.9, strong, s, run));  // before enable
    EXPECT_EQ(run.separationCounterS, 0.0f);
    int ms = 1001;
    for (int n = 0; n < 200; ++n, ++ms) updateSeparation(ms * 0.001, strong, s, run);
    for (int n = 0; n < 500; ++n, ++ms) updateSeparation(ms * 0.001, weak, s, run);
    EXPECT_FALSE(run.seatSeparated);
    EXPECT_NEAR(run.separationCounterS, 0.2f, 1e-4);
    int separatedAt = -1;
    for (int n = 0; n < 100 && separatedAt < 0; ++n, ++ms)
        if (updateSeparation(ms * 0.001, strong, s, run)) separatedAt = ms;
    ASSERT_GT(separatedAt, 0);
    // Separates once the counter passes 0.25 s: 51 further strong steps.
    EXPECT_NEAR(separatedAt - 1701, 50, 1);
    EXPECT_DOUBLE_EQ(s.tSeatManSeparation, separatedAt * 0.001);
    EXPECT_FALSE(updateSeparation(ms * 0.001, strong, s, run));  // only once
}

TEST(Sequencer, SeparationCountsOnlyAbove088g) {
    SequencerTimes s;
    SequencerRun run;
    s.tSeparationEnable = 0.0;
    for (int ms = 700; ms < 1000; ++ms) updateSeparation(ms * 0.001, 0.87 * 9.8, s, run);
    EXPECT_EQ(run.separationCounterS, 0.0f);
    updateSeparation(1.0, 0.89 * 9.8, s, run);
    EXPECT_EQ(run.separationCounterS, 0.001f);
}

TEST(Sequencer, SeparationNeedsMoreThan064s) {
    SequencerTimes s;
    SequencerRun run;
    s.tSeparationEnable = 0.0;
    for (int ms = 1; ms <= 640; ++ms) updateSeparation(ms * 0.001, 100.0, s, run);
    EXPECT_EQ(run.separationCounterS, 0.0f);
}

TEST(Sequencer, AreaAndCdOfEachPhase) {
    // Defaults: 0.755 m^2 at Cd 1.05; a 0.702 m drogue at Cd 1.23 makes
    // 0.755 / (1.05 / 1.23) + pi * 0.351^2 = 1.27148 m^2.
    SimParams params;
    SimConstants constants;
    FighterAttitude attitude;
    FighterPosition position;
    setDefaultParams(params, constants, attitude, position);
    const PackageDragFigures fromDefaults = packageDragFigures(params, constants);
    EXPECT_NEAR(fromDefaults.drogueSetAreaM2, 1.27148, 1e-5);
    EXPECT_NEAR(fromDefaults.seatManCd, 1.05, 1e-6);
    const PackageDragFigures k{0.755, 1.05, 1.23, 1.27148};
    auto expect = [](PhaseDrag d, double area, double cd) {
        EXPECT_DOUBLE_EQ(d.areaM2, area);
        EXPECT_DOUBLE_EQ(d.cd, cd);
    };
    expect(phaseDrag(kPhaseRails, k, 9.0, 9.0, true), 0.0, 0.0);
    for (DragPhase seatMan : {kPhaseSeatMan, kPhaseAfterDrogue, kPhaseUnsensed})
        expect(phaseDrag(seatMan, k, 9.0, 9.0, false), 0.755, 1.05);
    expect(phaseDrag(kPhaseDrogue, k, 9.0, 9.0, true), 1.27148, 1.23);
    // An opening main canopy whose Cd is still below the seat/man's drags
    // with the seat/man's; a fully open one with its own.
    expect(phaseDrag(kPhaseMainChute, k, 2.0, 0.3, false), 2.0, 1.05);
    expect(phaseDrag(kPhaseMainChute, k, 26.42, 1.56, false), 26.42, 1.56);
    // While the drogue still acts, its area adds to the main canopy's.
    expect(phaseDrag(kPhaseMainChute, k, 2.0, 0.3, true), 3.27148, 1.23);
}

// The sensed speed goes from m/s to knots (1 kt = 1852 m per hour) and then
// to KEAS at the sensed altitude; a speed a tenth of a knot either side of a
// mode boundary must land on its own side at any altitude of modes 1 to 3, and
// so must one 0.005 kt away, which the overlay's rounder 1.944 kt per m/s
// would push across.
TEST(Sequencer, SensedSpeedNearTheModeBoundaries) {
    struct Case { double keas; int32_t mode; };
    const Case cases[] = {{349.9, 1}, {350.1, 2}, {499.9, 2}, {500.1, 3},
                          {349.995, 1}, {350.005, 2}, {499.995, 2}, {500.005, 3}};
    for (double altitudeFt : {0.0, 6000.0}) {
        const double densityRatio = airDensity((float)(altitudeFt * 0.3048)) / airDensity(0.0f);
        for (const Case& c : cases) {
            const double speedMs = c.keas / std::sqrt(densityRatio) * 1852.0 / 3600.0;
            SequencerTimes times;
            SequencerRun run;
            senseMode(speedMs, altitudeFt, 0.18f, 0.25f, times, run);
            EXPECT_EQ(times.seqMode, c.mode) << c.keas << " KEAS at " << altitudeFt << " ft";
            EXPECT_TRUE(run.modeSensed);
        }
    }
}
