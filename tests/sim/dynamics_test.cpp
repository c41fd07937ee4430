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
}

TEST(SeatDynamics, IntegrationStep) {
    double v = 10.0, p = 1.0;
    integrateAxis(5.0, 2.0, 0.001, kGravityStepV(0.001), kGravityStepP(0.001), v, p);
    EXPECT_DOUBLE_EQ(v, 5.0 * 0.001 + (2.0 * 0.001 * -1.0 + 10.0) + -9.8 * 0.001);
    EXPECT_DOUBLE_EQ(p, 5.0 * 0.001 * 0.001 / 2.0 + (2.0 * 0.001 * 0.001 / 2.0 * -1.0 + (10.0 * 0.001 + 1.0)) +
                            -9.8 * 0.001 * 0.001 * 0.5);
    // Drag opposes a negative velocity too.
    v = -10.0;
    p = 0.0;
    integrateAxis(0.0, 2.0, 0.001, 0.0, 0.0, v, p);
    EXPECT_DOUBLE_EQ(v, -10.0 + 0.002);
}

TEST(SeatDynamics, DragAccelerationFormula) {
    EXPECT_DOUBLE_EQ(dragAcceleration(1.05, 100.0, 211.42, 0.755, 0.0),
                     1.05 * airDensity(0.0f) * 0.755 * 100.0 * 100.0 * 0.5 / 211.42);
    EXPECT_EQ(dragAcceleration(1.05, 100.0, 0.0, 0.755, 0.0), 0.0);  // massless: no drag, not infinity
}

TEST(SeatDynamics, DefaultCatapultFigures) {
    auto sim = makeDefaultSim();
    ASSERT_TRUE(deriveCatapult(*sim));
    const double M = 211.42f;
    const double W = M / 0.4536 * 4.448;
    EXPECT_NEAR(sim->derived.gravityG, -std::cos(18.0 * kRadPerDeg) * W / M / 9.8, 1e-5);
    double B = (7900.0 - std::cos(18.0 * kRadPerDeg) * W * 0.2248) / 0.2248 / M;
    EXPECT_NEAR(sim->catapult.netAccel, B, 1e-3);
    EXPECT_NEAR(sim->derived.catapultG, 7900.0 / 0.2248 / M / 9.8, 1e-4);
    EXPECT_NEAR(sim->derived.rocketG, 4500.0 / 0.2248 / M / 9.8, 1e-4);
    // The 0.99 m stroke ends after roughly 0.18 s.
    EXPECT_NEAR(sim->derived.catapultPhaseTimeS, 0.18, 0.005);
    EXPECT_GT(sim->derived.catapultEndSpeedFtS, 40.0f);
    EXPECT_LT(sim->derived.catapultEndSpeedFtS, 70.0f);
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
    // Onset-limited early, thrust-limited later; thrust line 4 degrees fore of vertical.
    Vec3 early = rocketAcceleration(0.001, p, c, level);
    EXPECT_NEAR(early.length(), 150.0 * 9.8 * 0.001, 1e-4);
    Vec3 full = rocketAcceleration(0.2, p, c, level);
    double fullMag = 4500.0 / 0.228 / (double)totalMass(p);
    EXPECT_NEAR(full.length(), fullMag, 1e-3);
    EXPECT_NEAR(full.y, std::sin(-4.0 * kRadPerDeg) * fullMag, 1e-3);
    EXPECT_NEAR(full.z, std::cos(-4.0 * kRadPerDeg) * fullMag, 1e-3);
    EXPECT_EQ(rocketAcceleration(-1.0, p, c, level).length(), 0.0f);

    p.cgOffsetZ = 0.5f;
    EXPECT_LT(rocketPitchDeg(0.1, p), 0.0f);
    EXPECT_NEAR(rocketPitchDeg(0.1, p), -(0.5 * 4500.0 / 3.0 / (double)totalMass(p)) * 140.0 * 0.1 / 2.0, 1e-4);
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
