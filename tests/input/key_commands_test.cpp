#include <cmath>
#include <initializer_list>

#include "input/key_actions.h"
#include "input/key_table.h"
#include "input_fixture.h"
#include "sim/playback_clocks.h"

namespace {

using KeySteps = InputTest;

TEST_F(KeySteps, ModifiersChooseTheStepSizes) {
    EXPECT_FLOAT_EQ(stepMultiplier({false, false}), 10.0f);
    EXPECT_FLOAT_EQ(stepMultiplier({false, true}), 10.0f);
    EXPECT_FLOAT_EQ(stepMultiplier({true, false}), 100.0f);
    EXPECT_FLOAT_EQ(stepMultiplier({true, true}), 0.1f);

    const float thrust = P.catapultThrustLb;
    key('A');
    EXPECT_FLOAT_EQ(P.catapultThrustLb, thrust + 100.0f);
    key('A', true);
    EXPECT_FLOAT_EQ(P.catapultThrustLb, thrust + 110.0f);
    key('A', true, true);  // Ctrl wins over Shift for the force step
    EXPECT_FLOAT_EQ(P.catapultThrustLb, thrust + 111.0f);

    const float cg = P.cgOffsetZ;
    key('D');
    key('C', false, true);
    key('D', true);
    EXPECT_NEAR(P.cgOffsetZ, cg + 0.05f - 0.01f + 0.2f, 1e-6f);

    const float tas = P.initialTasKt;
    key(VK_OEM_PERIOD, true);
    key(VK_OEM_COMMA, true, true);
    EXPECT_NEAR(P.initialTasKt, tas + 100.0f - 0.1f, 1e-4f);
    // Speed below zero is accepted as it is.
    for (int i = 0; i < 100; ++i) key(VK_OEM_COMMA, true);
    EXPECT_LT(P.initialTasKt, 0.0f);
}

TEST_F(KeySteps, ThrustAndMassFloors) {
    // Z stops at the package weight in pounds, not below.
    const float weightLb = (float)(totalMass(P) * 2.20462);
    P.catapultThrustLb = weightLb + 30.0f;
    key('Z');
    EXPECT_FLOAT_EQ(P.catapultThrustLb, weightLb);
    key('Z');
    EXPECT_FLOAT_EQ(P.catapultThrustLb, weightLb);

    P.rocketThrustLb = 50.0f;
    key('X');
    EXPECT_FLOAT_EQ(P.rocketThrustLb, 0.0f);

    // A mass at the floor: the derived values see the clamped mass.
    P.pilotMassKg = 3.0f;
    key('B');
    EXPECT_FLOAT_EQ(P.pilotMassKg, 0.0f);
    SimDerived after = simulation.derived;
    deriveCatapult(simulation);
    EXPECT_FLOAT_EQ(after.catapultG, simulation.derived.catapultG);
    P.seatMassKg = 1.0f;
    key('N');
    EXPECT_FLOAT_EQ(P.seatMassKg, 0.0f);
    key('G');
    key('H');
    EXPECT_FLOAT_EQ(P.pilotMassKg, 5.0f);
    EXPECT_FLOAT_EQ(P.seatMassKg, 5.0f);
}

TEST_F(KeySteps, CountdownStopsAtThreeTenthsInSinglePrecision) {
    P.countdownS = 0.35;
    key('V');
    EXPECT_EQ(P.countdownS, 0.30000001192092896);
    key('V');
    EXPECT_EQ(P.countdownS, 0.30000001192092896);
    key('F');
    EXPECT_DOUBLE_EQ(P.countdownS, 0.30000001192092896 + 0.1);

    // During a run neither key changes the count-down, but the floor still holds.
    startPlaying();
    key('F');
    EXPECT_DOUBLE_EQ(P.countdownS, 0.30000001192092896 + 0.1);
    P.countdownS = 0.2;
    key('V');
    EXPECT_EQ(P.countdownS, 0.30000001192092896);
}

TEST_F(KeySteps, ZoomLimits) {
    camera.fieldOfView = 1.0f;
    KeyResult res = key(VK_ADD);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 0.1f);
    EXPECT_TRUE(res.effects & kEffectApplyProjection);
    key(VK_ADD);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 0.1f);
    // Zooming out has no limit.
    for (int i = 0; i < 1000; ++i) key(VK_SUBTRACT);
    EXPECT_NEAR(camera.fieldOfView, 1000.1f, 0.1f);
    EXPECT_TRUE(key(VK_SUBTRACT).effects & kEffectApplyProjection);
}

TEST_F(KeySteps, PlaySpeedDivisor) {
    for (int i = 0; i < 1000; ++i) key(VK_MULTIPLY);
    EXPECT_FLOAT_EQ(P.playSpeedDivisor, 1001.0f);
    for (int i = 0; i < 2000; ++i) key(VK_DIVIDE);
    EXPECT_FLOAT_EQ(P.playSpeedDivisor, 1.0f);
    // During a run it does not change, but is still never below 1.
    P.playSpeedDivisor = 0.5f;
    startPlaying();
    key(VK_MULTIPLY);
    EXPECT_FLOAT_EQ(P.playSpeedDivisor, 0.5f);
    key(VK_DIVIDE);
    EXPECT_FLOAT_EQ(P.playSpeedDivisor, 1.0f);
}

TEST_F(KeySteps, FighterAltitudeKeys) {
    simulation.fighterPosition.altitude = 10.0;
    key(VK_OEM_PLUS);  // 5000 m per second of frames at 25 frames per second
    EXPECT_NEAR(simulation.fighterPosition.altitude, 210.0, 1e-3);
    key(VK_OEM_MINUS);
    key(VK_OEM_MINUS);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 1.0);
    key(VK_NUMPAD3);
    key(VK_NUMPAD3);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 0.0);
    key(VK_NUMPAD9);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 1.0);
    key('U');
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 5600.0);
    startPlaying();
    key(VK_OEM_PLUS);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 5600.0);
}

TEST_F(KeySteps, SunAndCameraAngleKeys) {
    const Vec3 sun = sceneLight.sunPosition;
    key('I', false, true);
    key('I', true);
    key('J', true);
    key('M', true, true);  // Ctrl first: down, not sideways
    EXPECT_FLOAT_EQ(sceneLight.sunPosition.z, sun.z);
    EXPECT_FLOAT_EQ(sceneLight.sunPosition.y, sun.y + 20.0f);
    EXPECT_FLOAT_EQ(sceneLight.sunPosition.x, sun.x + 20.0f);
    key('I');
    key('J', false, true);
    key('K', true, true);  // Shift and Ctrl: sun, Shift wins over the camera
    EXPECT_FLOAT_EQ(camera.cameraPitch, 10.0f);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 280.0f);
    EXPECT_FLOAT_EQ(sceneLight.sunPosition.x, sun.x);
}

using FreeCameraKeys = InputTest;

TEST_F(FreeCameraKeys, ArrowsMoveAlongTheViewAtAFrameRateIndependentPace) {
    // Yaw 270 looks along +x: 10 x 25 / 25 = 10 m per press.
    key(VK_UP);
    EXPECT_NEAR(camera.freeCameraPosition.x, -47.0f, 1e-4f);
    EXPECT_NEAR(camera.freeCameraPosition.y, 0.0f, 1e-4f);
    key(VK_LEFT);  // left of +x is +y
    EXPECT_NEAR(camera.freeCameraPosition.y, 10.0f, 1e-4f);
    key(VK_RIGHT, true);  // 100 x 60 / 25
    EXPECT_NEAR(camera.freeCameraPosition.y, -230.0f, 1e-3f);
    frameClock.frameRate = 50.0f;
    key(VK_DOWN);
    EXPECT_NEAR(camera.freeCameraPosition.x, -52.0f, 1e-4f);

    key(VK_PRIOR);
    EXPECT_NEAR(camera.freeCameraPosition.z, 11.0f, 1e-4f);
    // Page Down divides by the frame rate twice: 5 x 20 / 50 = 2 m.
    key(VK_NEXT);
    EXPECT_NEAR(camera.freeCameraPosition.z, 9.0f, 1e-4f);
    for (int i = 0; i < 1000; ++i) key(VK_NEXT, true);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.z, 1.5f);
}

TEST_F(FreeCameraKeys, NoMeasuredFrameRateMovesNothing) {
    frameClock.frameRate = 0.0f;
    const Vec3 before = camera.freeCameraPosition;
    const double altitude = simulation.fighterPosition.altitude;
    for (int vk : std::initializer_list<int>{VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_PRIOR, VK_NEXT, VK_OEM_PLUS}) key(vk);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.x, before.x);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.y, before.y);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.z, before.z);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, altitude);
    EXPECT_TRUE(std::isfinite(camera.fighterOrbit.eye.x));
    EXPECT_TRUE(std::isfinite(camera.pilotOrbit.eye.z));
}

TEST_F(FreeCameraKeys, AThousandPressesStayFinite) {
    frameClock.frameRate = 2.0f;
    for (int i = 0; i < 1000; ++i) {
        key(VK_UP, true);
        key(VK_PRIOR, true);
        key('J', true, true);
        key(VK_F6);
    }
    EXPECT_TRUE(std::isfinite(camera.freeCameraPosition.x));
    EXPECT_TRUE(std::isfinite(camera.freeCameraPosition.z));
    EXPECT_TRUE(std::isfinite(camera.fighterOrbit.eye.x));
}

using ResetKeys = InputTest;

TEST_F(ResetKeys, HomeGivesTheZeroZeroValues) {
    startPlaying();
    camera.cameraMode = kCameraOrbitPilot;
    camera.watchFollow = true;
    input.textVisible = false;
    sceneSwitches.textured = false;
    camera.fieldOfView = 12.0f;
    simulation.attitude.rollDeg = 90.0f;
    P.catapultThrustLb = 1.0f;
    KeyResult res = key(VK_HOME);
    EXPECT_EQ(simulation.clocks.playing, 0);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, 360.0f);
    EXPECT_FLOAT_EQ(simulation.attitude.pitchDeg, 360.0f);
    EXPECT_FLOAT_EQ(simulation.attitude.rollDeg, 360.0f);
    EXPECT_FLOAT_EQ(P.cgOffsetZ, -0.43f);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.x, -100.0f);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.y, 0.0f);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.z, 1.55f);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 0.0);
    EXPECT_FLOAT_EQ(P.initialTasKt, 0.0f);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 270.0f);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 1.0f);
    EXPECT_FLOAT_EQ(P.catapultThrustLb, 8400.0f);
    EXPECT_FLOAT_EQ(P.rocketThrustLb, 4800.0f);
    EXPECT_FLOAT_EQ(P.seatBackAngleDeg, 18.0f);
    EXPECT_FLOAT_EQ(P.totalMassKg, 73.0f + 103.42f + 35.0f);
    EXPECT_FLOAT_EQ(P.mainChuteDiameterM, 5.8f);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 50.0f);
    EXPECT_TRUE(input.textVisible);
    EXPECT_TRUE(sceneSwitches.textured);
    EXPECT_FALSE(camera.watchFollow);
    EXPECT_EQ(camera.cameraMode, kCameraFree);
    EXPECT_TRUE(res.effects & kEffectApplyProjection);
    EXPECT_TRUE(res.effects & kEffectRebuildBuildings);
}

TEST_F(ResetKeys, ZeroKeyGivesTheInvertedLowPass) {
    startPlaying();
    key('0');
    EXPECT_EQ(simulation.clocks.playing, 0);
    EXPECT_EQ(camera.cameraMode, kCameraWatchFighter);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, 360.0f);
    EXPECT_FLOAT_EQ(simulation.attitude.pitchDeg, 360.0f);
    EXPECT_FLOAT_EQ(simulation.attitude.rollDeg, 180.0f);
    EXPECT_FLOAT_EQ(P.initialTasKt, 150.0f);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.x, 0.0);
    EXPECT_DOUBLE_EQ(simulation.fighterPosition.altitude, 45.0);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.x, -118.0f);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.y, -197.0f);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.z, 1.55f);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 311.0f);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 10.0f);
}

using RunKeys = InputTest;

TEST_F(RunKeys, PauseAndResumeKeepThePlaybackClockContinuous) {
    startPlaying(1000);
    P.playSpeedDivisor = 2.0f;
    updatePlaybackClocks(simulation.clocks, 5000, P, simulation.times);
    EXPECT_EQ(simulation.clocks.elapsedMs, 2000);
    key('P', false, false, 5000);
    EXPECT_TRUE(simulation.clocks.paused);
    updatePlaybackClocks(simulation.clocks, 9000, P, simulation.times);
    EXPECT_EQ(simulation.clocks.elapsedMs, 2000);
    key('P', false, false, 9000);
    EXPECT_FALSE(simulation.clocks.paused);
    updatePlaybackClocks(simulation.clocks, 9000, P, simulation.times);
    EXPECT_EQ(simulation.clocks.elapsedMs, 2000);
    updatePlaybackClocks(simulation.clocks, 9100, P, simulation.times);
    EXPECT_EQ(simulation.clocks.elapsedMs, 2050);
}

TEST_F(RunKeys, KeysThatWaitForTheRunToEnd) {
    startPlaying();
    const FighterAttitude a = simulation.attitude;
    const float seatBack = P.seatBackAngleDeg;
    for (int vk : std::initializer_list<int>{VK_NUMPAD8, VK_NUMPAD2, VK_NUMPAD6, VK_NUMPAD4, VK_DECIMAL, VK_NUMPAD0, VK_OEM_4, VK_OEM_6}) {
        KeyResult res = key(vk);
        EXPECT_FALSE(res.attitudeChanged) << vk;
        EXPECT_EQ(res.effects, 0u) << vk;
    }
    EXPECT_FLOAT_EQ(simulation.attitude.pitchDeg, a.pitchDeg);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, a.headingDeg);
    EXPECT_FLOAT_EQ(simulation.attitude.rollDeg, a.rollDeg);
    EXPECT_FLOAT_EQ(P.seatBackAngleDeg, seatBack);
    EXPECT_EQ(key('R').effects, 0u);

    simulation.clocks.playing = 0;
    EXPECT_TRUE(key('R').effects & kEffectReload);
    KeyResult seat = key(VK_OEM_4);
    EXPECT_TRUE(seat.attitudeChanged);
    EXPECT_TRUE(seat.effects & kEffectSeatBackFrame);
    EXPECT_FLOAT_EQ(P.seatBackAngleDeg, seatBack - 2.0f);
    EXPECT_TRUE(key(VK_NUMPAD6).attitudeChanged);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, 15.0f);  // 360 + 15, normalised
    key(VK_NUMPAD0);
    EXPECT_FLOAT_EQ(simulation.attitude.rollDeg, 355.0f);
}

TEST_F(RunKeys, EjectEscapeAndSpaceWithTheMenuOpenOrClosed) {
    EXPECT_TRUE(key('E').effects & kEffectStartRun);
    EXPECT_TRUE(key(VK_ESCAPE).effects & kEffectQuit);
    menu.menuOpen = true;
    EXPECT_FALSE(key('E').effects & kEffectStartRun);
    // With the menu open, Esc closes it (after saving the presets) instead of quitting.
    EXPECT_FALSE(key(VK_ESCAPE).effects & kEffectQuit);
    EXPECT_FALSE(menu.menuOpen);
    // Closing the menu by key ends a left drag begun on it: the release will
    // not come to the page.
    key(VK_SPACE);
    ASSERT_TRUE(menu.menuOpen);
    input.leftDragging = true;
    key(VK_SPACE);
    EXPECT_FALSE(menu.menuOpen);
    EXPECT_FALSE(input.leftDragging);
}

TEST_F(RunKeys, TogglesAndUnlistedKeys) {
    key(VK_TAB);
    EXPECT_FALSE(input.textVisible);
    key('2');
    EXPECT_TRUE(camera.watchFollow);
    key('2');
    key(VK_TAB);
    EXPECT_FALSE(camera.watchFollow);
    EXPECT_TRUE(input.textVisible);

    const SimParams before = P;
    const Vec3 eye = camera.freeCameraPosition;
    for (int vk : std::initializer_list<int>{'L', 'O', '3', '9', VK_F8, VK_F12,
                   VK_END, VK_DELETE, VK_NUMPAD5, VK_NUMPAD1, VK_NUMPAD7, VK_OEM_2, 0, -1, 99999}) {
        EXPECT_EQ(key(vk).effects, 0u) << vk;
    }
    EXPECT_FLOAT_EQ(before.catapultThrustLb, P.catapultThrustLb);
    EXPECT_FLOAT_EQ(before.rocketThrustLb, P.rocketThrustLb);
    EXPECT_FLOAT_EQ(before.initialTasKt, P.initialTasKt);
    EXPECT_DOUBLE_EQ(before.countdownS, P.countdownS);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.x, eye.x);
}

using CameraKeys = InputTest;

TEST_F(CameraKeys, FunctionKeysSaveAndRestoreTheFreeCameraAngles) {
    camera.cameraYaw = 123.0f;
    camera.cameraPitch = 4.0f;
    key(VK_F6);
    EXPECT_EQ(camera.cameraMode, kCameraOrbitFighter);
    // Other cameras may turn the shared angles; F1 brings back the saved ones.
    camera.cameraYaw = 10.0f;
    camera.cameraPitch = -20.0f;
    key(VK_F1);
    EXPECT_EQ(camera.cameraMode, kCameraFree);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 123.0f);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 4.0f);
    EXPECT_NEAR(camera.lookTarget.z, 1e6f * std::sin(4.0 * 0.017453292), 1.0f);
    // F1 in the free camera keeps the current angles.
    camera.cameraYaw = 200.0f;
    key(VK_F1);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 200.0f);

    const int modes[] = {kCameraFighterFlyby, kCameraPilotFlyby, kCameraWatchFighter, kCameraWatchPilot,
                         kCameraOrbitFighter, kCameraOrbitPilot};
    for (int i = 0; i < 6; ++i) {
        key(VK_F2 + i);
        EXPECT_EQ(camera.cameraMode, modes[i]);
    }
}

TEST_F(CameraKeys, FlybyKeysPlaceTheCameraAroundTheFighterAtOnce) {
    simulation.fighterPosition = FighterPosition{100.0, 200.0, 300.0};
    key(VK_F2, false, false, 7777);
    const FlybyCamera& f = camera.fighterFlyby;
    EXPECT_EQ(f.placementTimeMs, 7777u);
    EXPECT_NEAR((f.placementPoint - Vec3(100, 200, 300)).length(), f.radius, 1e-3f);
    key(VK_F3, false, false, 8888);
    const FlybyCamera& p = camera.pilotFlyby;
    EXPECT_EQ(p.placementTimeMs, 8888u);
    EXPECT_FLOAT_EQ(p.targetVelocity.length(), 0.0f);
    EXPECT_NEAR((p.eye - Vec3(100, 200, 300)).length(), p.radius, 1e-3f);
}

TEST(PresetName, MonthDayYearAndTime) {
    std::tm t{};
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_year = 126;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    char name[64];
    presetNameFor(t, name, sizeof name);
    EXPECT_STREQ(name, "3- 7-2026  9: 5: 3");
    char tiny[4];
    presetNameFor(t, tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "3- ");
}

}  // namespace

namespace {

// The key table: a row hidden behind an earlier row of the same key would
// never run, and each key must reach its own row with the modifier it needs.
TEST(KeyTable, EveryRowIsReachedByItsKeyAndModifier) {
    for (int i = 0; i < kKeyBindingCount; ++i) {
        const KeyBinding& row = kKeyBindings[i];
        ASSERT_NE(row.action, nullptr) << "row " << i;
        for (int j = 0; j < i; ++j) {
            const KeyBinding& earlier = kKeyBindings[j];
            if (earlier.key != row.key) continue;
            EXPECT_FALSE(earlier.needs == kAnyModifiers || earlier.needs == row.needs)
                << "row " << i << " (key " << row.key << ") is hidden by row " << j;
        }
        KeyModifiers mods;
        mods.ctrl = row.needs == kNeedsCtrl;
        mods.shift = row.needs == kNeedsShift;
        EXPECT_EQ(findKeyBinding(row.key, mods), &row) << "row " << i;
    }
    EXPECT_EQ(findKeyBinding('L', KeyModifiers()), nullptr);
    // Ctrl wins over Shift where a key has both.
    EXPECT_EQ(findKeyBinding('I', KeyModifiers{true, true})->needs, kNeedsCtrl);
}

}  // namespace
