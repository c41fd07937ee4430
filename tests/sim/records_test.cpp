#include <gtest/gtest.h>

#include "sim/parameter_table.h"
#include "tests/sim/sim_fixture.h"

TEST(SimRecords, StartUpValues) {
    auto sim = makeDefaultSim();
    const SimParams& p = sim->params;
    EXPECT_FLOAT_EQ(p.cgOffsetZ, -0.33f);
    EXPECT_FLOAT_EQ(p.seatBackAngleDeg, 18.0f);
    EXPECT_FLOAT_EQ(p.rocketOnsetRate, 150.0f);
    EXPECT_FLOAT_EQ(p.catapultThrustLb, 7900.0f);
    EXPECT_FLOAT_EQ(p.rocketThrustLb, 4500.0f);
    EXPECT_FLOAT_EQ(p.mainChuteCd, 1.56f);
    EXPECT_FLOAT_EQ(p.drogueDiameterM, 0.702f);
    EXPECT_EQ(p.countdownS, 0.3);
    EXPECT_EQ(p.canopyDelayS, 0.30000001192092896);
    EXPECT_FALSE(p.applyGOnFighter);
    EXPECT_FLOAT_EQ(p.totalMassKg, 211.42f);
    EXPECT_NEAR(catapultThrustMinLb(p), 211.42 * 2.20462, 1e-3);
    EXPECT_EQ(sim->attitude.headingDeg, 0.0f);
    EXPECT_EQ(sim->fighterPosition.altitude, 5.0);
    EXPECT_EQ(sim->constants.dt, 0.001);
    EXPECT_EQ(sim->constants.catapultStrokeM, 0.99);
    EXPECT_EQ(sim->constants.rocketCantDeg, -22.0);

    EXPECT_FLOAT_EQ(sim->mainChute.reefLength, 14.4f);
    EXPECT_FLOAT_EQ(sim->drogue.reefLength, 1.2f);
    EXPECT_FLOAT_EQ(sim->mainChute.fullLength, 45.0f);
    EXPECT_FLOAT_EQ(sim->drogue.fullLength, 4.0f);
    EXPECT_NEAR(sim->mainChute.areaM2, 26.42, 0.005);  // pi * 2.9^2
}

TEST(SimRecords, ZeroZeroResetSetsTheHomeColumnOnly) {
    auto sim = makeDefaultSim();
    sim->params.canopyMassKg = 123.0f;
    sim->params.sinkRateFtS = 40.0f;
    sim->params.initialTasKt = 300.0f;
    sim->params.mainChuteDiameterM = 7.0f;
    sim->constants.catapultStrokeM = 2.0;
    sim->fighterPosition = {10.0, 20.0, 3000.0};
    resetToZeroZero(*sim, 1000);
    const SimParams& p = sim->params;
    EXPECT_FLOAT_EQ(p.cgOffsetZ, -0.43f);
    EXPECT_FLOAT_EQ(p.rocketOnsetRate, 120.0f);
    EXPECT_FLOAT_EQ(p.catapultThrustLb, 8400.0f);
    EXPECT_FLOAT_EQ(p.rocketThrustLb, 4800.0f);
    EXPECT_FLOAT_EQ(p.mainChuteCd, 1.55f);
    EXPECT_EQ(p.initialTasKt, 0.0f);
    EXPECT_EQ(sim->constants.catapultStrokeM, 0.99);
    EXPECT_FLOAT_EQ(p.mainChuteDiameterM, 5.8f);
    EXPECT_NEAR(sim->mainChute.areaM2, 26.42, 0.005);
    // Unchanged by HOME.
    EXPECT_FLOAT_EQ(p.canopyMassKg, 123.0f);
    EXPECT_FLOAT_EQ(p.sinkRateFtS, 40.0f);
    EXPECT_EQ(sim->attitude.headingDeg, 360.0f);
    EXPECT_EQ(sim->attitude.rollDeg, 360.0f);
    EXPECT_EQ(sim->fighterPosition.x, 0.0);
    EXPECT_EQ(sim->fighterPosition.altitude, 0.0);
    // Derived values are recomputed for the new thrust.
    EXPECT_NEAR(sim->derived.catapultG, 8400.0 / 0.2248 / 211.42 / 9.8, 1e-3);
    EXPECT_EQ(sim->clocks.startTimeMs, 1000u);
}

TEST(SimRecords, AttitudeNormalisation) {
    FighterAttitude a;
    FighterPosition pos;
    SimParams p;
    a = {0.0f, -10.0f, 370.0f};
    pos.altitude = -3.0;
    p.seatBackAngleDeg = 360.0f;
    normalizeAttitude(a, pos, p);
    EXPECT_EQ(a.headingDeg, 360.0f);
    EXPECT_EQ(a.pitchDeg, 350.0f);
    EXPECT_EQ(a.rollDeg, 10.0f);
    EXPECT_EQ(pos.altitude, 0.0);
    EXPECT_EQ(p.seatBackAngleDeg, 0.0f);

    a = {360.0f, 180.0f, 5.0f};
    p.seatBackAngleDeg = -10.0f;
    normalizeAttitude(a, pos, p);
    EXPECT_EQ(a.headingDeg, 360.0f);
    EXPECT_EQ(a.pitchDeg, 180.0f);
    EXPECT_EQ(a.rollDeg, 5.0f);
    EXPECT_EQ(p.seatBackAngleDeg, 350.0f);

    p.seatBackAngleDeg = 365.0f;
    normalizeAttitude(a, pos, p);
    EXPECT_EQ(p.seatBackAngleDeg, 5.0f);
    p.seatBackAngleDeg = 0.0f;  // 0 stays 0 for the seat back
    normalizeAttitude(a, pos, p);
    EXPECT_EQ(p.seatBackAngleDeg, 0.0f);

    // Values from a hand-edited preset still land in range.
    a = {1000.0f, -1000.0f, 720.0f};
    normalizeAttitude(a, pos, p);
    EXPECT_NEAR(a.headingDeg, 280.0f, 1e-3);
    EXPECT_NEAR(a.pitchDeg, 80.0f, 1e-3);
    EXPECT_EQ(a.rollDeg, 360.0f);
}

namespace {

// Every field as the given floats, bit for bit (the doubles as doubles).
void expectParams(const SimParams& p, const float (&f)[22], double countdownS, double canopyDelayS) {
    const float got[22] = {p.cgOffsetZ,          p.seatBackAngleDeg,      p.catapultOnsetRate, p.rocketOnsetRate,
                           p.sinkRateFtS,        p.catapultThrustLb,      p.rocketThrustLb,    p.canopyRocketThrustLb,
                           p.seatMassKg,         p.pilotMassKg,           p.gearMassKg,        p.canopyMassKg,
                           p.mainChuteCd,        p.drogueCd,              p.seatManCd,         p.mainChuteDiameterM,
                           p.drogueDiameterM,    p.rocketBurnTimeS,       p.canopyRocketBurnTimeS,
                           p.playSpeedDivisor,   p.initialTasKt,          p.canopyMaxPitchDeg};
    for (int k = 0; k < 22; ++k) EXPECT_EQ(got[k], f[k]) << "float field " << k;
    EXPECT_EQ(p.countdownS, countdownS);
    EXPECT_EQ(p.canopyDelayS, canopyDelayS);
}

}  // namespace

// The start-up and HOME columns exactly: the golden runs start from these bits.
TEST(SimRecords, StartUpAndHomeValuesBitForBit) {
    auto sim = makeDefaultSim();
    expectParams(sim->params,
                 {-0.33f, 18.0f, 108.0f, 150.0f, 0.0f, 7900.0f, 4500.0f, 1700.0f, 103.42f, 73.0f, 35.0f, 80.0f, 1.56f,
                  1.23f, 1.05f, 5.8f, 0.702f, 0.25f, 0.2f, 1.0f, 0.0f, 85.0f},
                 0.3, (double)0.3f);
    EXPECT_EQ(sim->params.totalMassKg, 103.42f + 73.0f + 35.0f);
    EXPECT_EQ(sim->attitude.pitchDeg, 0.0f);
    EXPECT_EQ(sim->attitude.rollDeg, 0.0f);
    EXPECT_EQ(sim->fighterPosition.x, 0.0);
    EXPECT_EQ(sim->fighterPosition.y, 0.0);

    // HOME over values that differ from both columns everywhere.
    SimParams& p = sim->params;
    for (float* f : {&p.cgOffsetZ, &p.seatBackAngleDeg, &p.catapultOnsetRate, &p.rocketOnsetRate, &p.sinkRateFtS,
                     &p.catapultThrustLb, &p.rocketThrustLb, &p.canopyRocketThrustLb, &p.seatMassKg, &p.pilotMassKg,
                     &p.gearMassKg, &p.canopyMassKg, &p.mainChuteCd, &p.drogueCd, &p.seatManCd,
                     &p.mainChuteDiameterM, &p.drogueDiameterM, &p.rocketBurnTimeS, &p.canopyRocketBurnTimeS,
                     &p.playSpeedDivisor, &p.initialTasKt, &p.canopyMaxPitchDeg})
        *f = 7.0f;
    p.countdownS = p.canopyDelayS = 7.0;
    p.applyGOnFighter = true;
    applyZeroZeroParams(p, sim->constants, sim->attitude, sim->fighterPosition);
    expectParams(p,
                 {-0.43f, 18.0f, 108.0f, 120.0f, 7.0f, 8400.0f, 4800.0f, 7.0f, 103.42f, 73.0f, 35.0f, 7.0f, 1.55f, 7.0f,
                  7.0f, 5.8f, 7.0f, 0.25f, 7.0f, 7.0f, 0.0f, 7.0f},
                 7.0, 7.0);
    EXPECT_TRUE(p.applyGOnFighter);
    EXPECT_EQ(p.totalMassKg, 103.42f + 73.0f + 35.0f);
    EXPECT_EQ(sim->attitude.headingDeg, 360.0f);
    EXPECT_EQ(sim->attitude.pitchDeg, 360.0f);
    EXPECT_EQ(sim->fighterPosition.y, 0.0);
}

// A float field's values are written as floats, so each reset gives the
// field exactly the float the row shows (no second rounding).
TEST(SimRecords, FloatParametersHoldFloatValues) {
    for (const SimParameter& p : kSimParameters) {
        if (p.field.type != ParamType::Float) continue;
        SCOPED_TRACE(p.name);
        EXPECT_EQ((double)(float)p.startUp, p.startUp);
        EXPECT_EQ((double)(float)p.home.value, p.home.value);
        EXPECT_EQ((double)(float)p.controlDefault.value, p.controlDefault.value);
    }
}
