// Where each simulation value sits in a scene preset's line: files written
// by earlier versions load only while every parameter keeps its number.
#include <gtest/gtest.h>

#include <string>

#include "camera/camera_state.h"
#include "menu/scene_snapshot.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"

namespace {

// Value numbers (from 1) of the SimParams fields, in the order of the file.
float SimParams::*const kFloatNumber[] = {
    &SimParams::cgOffsetZ,          &SimParams::seatBackAngleDeg,      &SimParams::catapultOnsetRate,
    &SimParams::rocketOnsetRate,    &SimParams::sinkRateFtS,           &SimParams::catapultThrustLb,
    &SimParams::rocketThrustLb,     &SimParams::canopyRocketThrustLb,  &SimParams::seatMassKg,
    &SimParams::pilotMassKg,        &SimParams::gearMassKg,            &SimParams::canopyMassKg,
    &SimParams::mainChuteCd,        &SimParams::drogueCd,              &SimParams::seatManCd,
    &SimParams::mainChuteDiameterM, &SimParams::drogueDiameterM,       &SimParams::rocketBurnTimeS,
    &SimParams::canopyRocketBurnTimeS, nullptr /* 20: countdownS */,  &SimParams::playSpeedDivisor,
    &SimParams::initialTasKt,       &SimParams::canopyMaxPitchDeg,     nullptr /* 24: canopyDelayS */,
};
constexpr int kCountdownNumber = 20, kCanopyDelayNumber = 24, kApplyGNumber = 62;
constexpr int kAttitudeNumbers[2] = {25, 49};  // heading, pitch, roll from here
constexpr int kGroundNumbers[2] = {28, 54};    // x, y from here
constexpr int kAltitudeNumber = 56;

struct SceneValues : ::testing::Test {
    void SetUp() override {
        setDefaults(simulation);
        setCameraDefaults(camera);
        setSceneSwitchDefaults(sceneSwitches);
        camera.fieldOfView = 50.0f;
    }
    float at(const float* values, int number) const { return values[number - 1]; }
};

TEST_F(SceneValues, EachParameterIsWrittenAtItsNumber) {
    SimParams& p = simulation.params;
    for (int n = 1; n <= 24; ++n)
        if (kFloatNumber[n - 1]) p.*kFloatNumber[n - 1] = 100.0f + (float)n;
    p.countdownS = 2.25;
    p.canopyDelayS = (double)0.3f;
    p.applyGOnFighter = true;
    simulation.attitude = {91.0f, 12.0f, 181.0f};
    simulation.fighterPosition = {-1200.5, 3400.25, 4000.0};

    float v[SceneValue::count];
    captureSceneValues(programSceneRecords(), v);
    for (int n = 1; n <= 24; ++n) {
        if (!kFloatNumber[n - 1]) continue;
        EXPECT_EQ(at(v, n), 100.0f + (float)n) << "value " << n;
    }
    EXPECT_EQ(at(v, kCountdownNumber), 2.25f);
    EXPECT_EQ(at(v, kCanopyDelayNumber), 0.3f);
    EXPECT_EQ(at(v, kApplyGNumber), 1.0f);
    for (int first : kAttitudeNumbers) {
        EXPECT_EQ(at(v, first), 91.0f) << first;
        EXPECT_EQ(at(v, first + 1), 12.0f) << first;
        EXPECT_EQ(at(v, first + 2), 181.0f) << first;
    }
    for (int first : kGroundNumbers) {
        EXPECT_EQ(at(v, first), -1200.5f) << first;
        EXPECT_EQ(at(v, first + 1), 3400.25f) << first;
    }
    EXPECT_EQ(at(v, kAltitudeNumber), 4000.0f);
}

TEST_F(SceneValues, EachNumberGoesBackToItsParameterTheLaterCopyStanding) {
    float v[SceneValue::count];
    for (int k = 0; k < SceneValue::count; ++k) v[k] = 0.0f;
    for (int n = 1; n <= 24; ++n) v[n - 1] = 200.0f + (float)n;
    v[kApplyGNumber - 1] = 1.0f;
    v[kAttitudeNumbers[0] - 1] = 10.0f;  // the first copies give way to the second
    v[kAttitudeNumbers[0]] = 20.0f;
    v[kAttitudeNumbers[0] + 1] = 30.0f;
    v[kAttitudeNumbers[1] - 1] = 11.0f;
    v[kAttitudeNumbers[1]] = 21.0f;
    v[kAttitudeNumbers[1] + 1] = 31.0f;
    v[kGroundNumbers[0] - 1] = 5.0f;
    v[kGroundNumbers[0]] = 6.0f;
    v[kGroundNumbers[1] - 1] = 7.0f;
    v[kGroundNumbers[1]] = 8.0f;
    v[kAltitudeNumber - 1] = 900.0f;
    applySceneValues(programSceneRecords(), v, SceneValue::count);

    const SimParams& p = simulation.params;
    for (int n = 1; n <= 24; ++n) {
        if (!kFloatNumber[n - 1]) continue;
        EXPECT_EQ(p.*kFloatNumber[n - 1], 200.0f + (float)n) << "value " << n;
    }
    EXPECT_EQ(p.countdownS, (double)(200.0f + kCountdownNumber));
    EXPECT_EQ(p.canopyDelayS, (double)(200.0f + kCanopyDelayNumber));
    EXPECT_TRUE(p.applyGOnFighter);
    EXPECT_EQ(simulation.attitude.headingDeg, 11.0f);
    EXPECT_EQ(simulation.attitude.pitchDeg, 21.0f);
    EXPECT_EQ(simulation.attitude.rollDeg, 31.0f);
    EXPECT_EQ(simulation.fighterPosition.x, 7.0);
    EXPECT_EQ(simulation.fighterPosition.y, 8.0);
    EXPECT_EQ(simulation.fighterPosition.altitude, 900.0);

    // A preset that ends before the second copies leaves the first standing.
    applySceneValues(programSceneRecords(), v, 48);
    EXPECT_EQ(simulation.attitude.headingDeg, 10.0f);
    EXPECT_EQ(simulation.fighterPosition.y, 6.0);
    EXPECT_EQ(simulation.fighterPosition.altitude, 900.0);
}

}  // namespace
