#include <gtest/gtest.h>

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/seat_dynamics.h"
#include "sim/units.h"
#include "tests/sim/sim_fixture.h"

TEST(SeatDynamics, DragIsTruncatedToWholeMetresPerSecondSquared) {
    EXPECT_EQ(truncatedDrag(0.9, -1.0), 0.0);
    EXPECT_EQ(truncatedDrag(-0.9, 1.0), 0.0);
    EXPECT_EQ(truncatedDrag(2.99, -1.0), -2.0);
    EXPECT_EQ(truncatedDrag(-1.7, 1.0), 1.0);
    EXPECT_EQ(dragSign(0.0), -1.0);
    EXPECT_EQ(dragSign(-3.0), 1.0);
    EXPECT_EQ(dragAcceleration(1.05, 100.0, 0.0, 0.755, 0.0), 0.0);  // massless: no drag, not infinity
}

// Worked out by hand from the parameters: M = 211.42 kg, W = M / 0.4536 *
// 4.448 = 2073.18 N, 1971.71 N of it along rails 18 degrees aft of vertical,
// B = (7900 - 1971.71 * 0.2248) / 0.2248 / M = 156.894 m/s^2, built up at
// 108 g/s; stepped along the rails, the seat passes 0.99 m after 0.178 s at
// 16.2203 m/s.
TEST(SeatDynamics, DefaultCatapultFigures) {
    auto sim = makeDefaultSim();
    ASSERT_TRUE(deriveCatapult(*sim));
    EXPECT_NEAR(sim->catapult.netAccel, 156.8945, 1e-3);
    EXPECT_NEAR(sim->derived.catapultG, 16.96128, 1e-4);
    EXPECT_NEAR(sim->derived.rocketG, 9.66149, 1e-4);
    EXPECT_NEAR(sim->derived.gravityG, -0.951638, 1e-5);
    EXPECT_EQ(sim->derived.catapultPhaseTimeS, 0.178f);
    EXPECT_NEAR(sim->derived.catapultEndSpeedFtS, 53.21735, 5e-5);
    EXPECT_EQ(sim->catapult.strokeResult, 1);
}

TEST(SeatDynamics, CatapultThatCannotMoveThePackage) {
    auto sim = makeDefaultSim();
    sim->params.seatBackAngleDeg = 0.0f;
    sim->params.catapultThrustLb = 460.0f;  // below the package weight
    EXPECT_FALSE(deriveCatapult(*sim));
    EXPECT_EQ(sim->derived.catapultPhaseTimeS, 999999.0f);
    EXPECT_EQ(sim->derived.catapultEndSpeedFtS, 0.0f);
    EXPECT_EQ(sim->derived.catapultG, 0.0f);
    EXPECT_EQ(sim->derived.rocketG, 0.0f);
    // The run that follows keeps the seat in the fighter: no stale catapult push.
    sim->params.playSpeedDivisor = 1.0f;
    startEjection(*sim, true, 0, 0);
    TrajectorySample end = trajectorySample(*sim->trajectory, sim->trajectory->lastIndex);
    EXPECT_NEAR(end.p[2], 0.0, 1e-9);
    EXPECT_EQ(end.v[2], 0.0);
}

TEST(SeatDynamics, InvertedRailsAddTheWeightToTheCatapult) {
    auto sim = makeDefaultSim();
    sim->attitude.rollDeg = 180.0f;
    ASSERT_TRUE(deriveCatapult(*sim));
    EXPECT_GT(sim->derived.gravityG, 0.9f);
    auto level = makeDefaultSim();
    deriveCatapult(*level);
    // About 2 g more along the rails; the stroke ends faster.
    EXPECT_NEAR(sim->catapult.netAccel - level->catapult.netAccel, 2.0 * 0.951 * 9.8, 0.2);
    EXPECT_GT(sim->derived.catapultEndSpeedFtS, level->derived.catapultEndSpeedFtS);
}

TEST(SeatDynamics, RocketAcceleration) {
    SimParams p;
    SimConstants c;
    FighterAttitude a;
    FighterPosition pos;
    setDefaultParams(p, c, a, pos);
    EjectionAttitude level;
    p.cgOffsetZ = 0.0f;
    EXPECT_EQ(rocketPitchDeg(0.2, p), 0.0f);
    // Onset-limited early (150 g/s), thrust-limited later: 4500 lb / 0.228 /
    // 211.42 kg = 93.3537 m/s^2 along a thrust line 4 degrees fore of vertical.
    Vec3 early = rocketAcceleration(0.001, p, c, level);
    EXPECT_NEAR(early.length(), 1.47, 1e-4);
    Vec3 full = rocketAcceleration(0.2, p, c, level);
    EXPECT_NEAR(full.length(), 93.3537, 1e-3);
    EXPECT_NEAR(full.y, -6.5120, 1e-3);
    EXPECT_NEAR(full.z, 93.1263, 1e-3);
    EXPECT_EQ(rocketAcceleration(-1.0, p, c, level).length(), 0.0f);

    // A CG offset of 0.5 pitches the thrust line toward negative angles:
    // (0.5 * 4500 / 3 / 211.42) * 140 * 0.1 / 2 = 24.832 degrees after 0.1 s.
    p.cgOffsetZ = 0.5f;
    EXPECT_NEAR(rocketPitchDeg(0.1, p), -24.832, 1e-3);
}

// Roll, then pitch, then heading: a sideways unit vector rolled a quarter
// turn points up, pitched a quarter turn it points forward (-Y).
TEST(SeatDynamics, TurnsAreRollThenPitchThenHeading) {
    Vec3 v(1.0f, 0.0f, 0.0f);
    rotateRollPitchHeading(v, 90.0f, 90.0f, 0.0f);
    EXPECT_NEAR(v.x, 0.0f, 1e-6);
    EXPECT_NEAR(v.y, -1.0f, 1e-6);
    EXPECT_NEAR(v.z, 0.0f, 1e-6);
    // and a quarter turn of heading then takes it to +X.
    rotateAboutVerticalAxis(v, 90.0f);
    EXPECT_NEAR(v.x, 1.0f, 1e-6);
    EXPECT_NEAR(v.y, 0.0f, 1e-6);
    // The catapult at 90 degrees of roll and 30 of pitch: the rails' 18
    // degree lean turned the same way, B = 156.894 m/s^2.
    auto sim = makeDefaultSim();
    sim->attitude.rollDeg = 90.0f;
    sim->attitude.pitchDeg = 30.0f;
    ASSERT_TRUE(deriveCatapult(*sim));
    const double B = sim->catapult.netAccel;
    EXPECT_NEAR(sim->catapult.accel[0] / B, -0.951057, 1e-5);
    EXPECT_NEAR(sim->catapult.accel[1] / B, 0.267617, 1e-5);
    EXPECT_NEAR(sim->catapult.accel[2] / B, 0.154508, 1e-5);
}

TEST(SeatDynamics, StrokeSearchLeavesAPlayedRunAlone) {
    auto sim = makeDefaultSim();
    startEjection(*sim, true, 0, 0);
    TrajectorySample before = trajectorySample(*sim->trajectory, 100);
    sim->params.catapultThrustLb = 20000.0f;  // a page recomputing its figures
    deriveCatapult(*sim);
    TrajectorySample after = trajectorySample(*sim->trajectory, 100);
    EXPECT_EQ(before.p[2], after.p[2]);
    EXPECT_EQ(before.v[1], after.v[1]);
}

TEST(SeatDynamics, NegativeSeatBackAngleGivesTheSameRunAsItsTurn) {
    auto a = makeDefaultSim();
    a->params.seatBackAngleDeg = -10.0f;
    startEjection(*a, true, 0, 0);
    EXPECT_EQ(a->params.seatBackAngleDeg, 350.0f);
    TrajectorySample sa = trajectorySample(*a->trajectory, 3000);
    double tMainA = a->times.tMainFire;

    auto b = makeDefaultSim();
    b->params.seatBackAngleDeg = 350.0f;
    startEjection(*b, true, 0, 0);
    TrajectorySample sb = trajectorySample(*b->trajectory, 3000);
    EXPECT_EQ(tMainA, b->times.tMainFire);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(sa.p[k], sb.p[k]);
}
