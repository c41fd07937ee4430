#include <cmath>

#include "input_fixture.h"

namespace {

class MouseTest : public InputTest {
protected:
    // Clicks land mid-screen, away from the MENU strip and the camera-mode spinner.
    void SetUp() override {
        InputTest::SetUp();
        input.cursorX = 400;
        input.cursorY = 300;
    }
    unsigned click(uint32_t pressMs, uint32_t releaseMs) {
        unsigned fx = leftPressed(pressMs, r);
        return fx | leftReleased(releaseMs, r);
    }
};

using DoubleClick = MouseTest;

TEST_F(DoubleClick, TwoQuickClicksEjectWithTheMenuClosed) {
    EXPECT_EQ(click(1000, 1050), 0u);
    EXPECT_TRUE(click(1400, 1450) & kEffectStartRun);  // the pause between clicks is not limited
    EXPECT_EQ(input.leftClickCount, 0);
    EXPECT_FALSE(input.leftDragging);
}

TEST_F(DoubleClick, WithTheMenuOpenTheCountIsResetAndNothingElse) {
    menu.menuOpen = true;
    click(1000, 1050);
    EXPECT_EQ(click(1100, 1150) & kEffectStartRun, 0u);
    EXPECT_EQ(input.leftClickCount, 0);
    // The next quick click is a first click again.
    menu.menuOpen = false;
    EXPECT_EQ(click(1200, 1250) & kEffectStartRun, 0u);
}

TEST_F(DoubleClick, ALongPressStartsTheCountAgain) {
    click(1000, 1150);  // held 150 ms
    EXPECT_EQ(input.leftClickCount, 0);
    EXPECT_EQ(click(1300, 1350) & kEffectStartRun, 0u);
    EXPECT_EQ(input.leftClickCount, 1);
    // A second click held 200 ms or more does not eject either, and resets.
    EXPECT_EQ(click(1400, 1600) & kEffectStartRun, 0u);
    EXPECT_EQ(input.leftClickCount, 0);
    // Just under the limits: 149 ms, then 199 ms.
    click(2000, 2149);
    EXPECT_TRUE(click(2200, 2399) & kEffectStartRun);
}

TEST_F(DoubleClick, OnTheMenuStripTheCountIsKeptAndTheMenuOpensWithoutARun) {
    input.cursorX = 10;  // the MENU strip at the top-left edge
    input.cursorY = 50;
    click(1000, 1150);  // a long press there still starts the count again
    EXPECT_EQ(input.leftClickCount, 0);
    menu.menuOpen = false;
    click(2000, 2050);
    menu.menuOpen = false;
    const unsigned fx = click(2100, 2150);
    EXPECT_TRUE(menu.menuOpen);
    EXPECT_EQ(fx & kEffectStartRun, 0u) << "the opening menu resets the scene";
    EXPECT_EQ(input.leftClickCount, 0);
}

using Drags = MouseTest;

TEST_F(Drags, LeftDragTurnsTheCameraAtThreePointSixPixelsPerDegree) {
    handleMouseMove(400, 300, r);
    leftPressed(1000, r);
    handleMouseMove(436, 264, r);  // right and up
    EXPECT_FLOAT_EQ(camera.cameraYaw, 260.0f);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 10.0f);
    // Pitch is clamped, yaw wrapped once before each turn.
    camera.cameraYaw = 361.0f;
    handleMouseMove(436, 0, r);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 83.333336f);
    handleMouseMove(436, -1000, r);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 90.0f);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 1.0f);
    leftReleased(2000, r);
    handleMouseMove(0, 0, r);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 1.0f);
}

TEST_F(Drags, RightDragTurnsTheFighterInWholeDegrees) {
    simulation.attitude.headingDeg = 100.5f;
    simulation.attitude.pitchDeg = 10.0f;
    handleMouseMove(400, 300, r);
    rightPressed(1000, r);
    EXPECT_TRUE(input.rightDragging);
    unsigned fx = handleMouseMove(410, 297, r);
    EXPECT_TRUE(fx & kEffectLights);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, 110.0f);
    EXPECT_FLOAT_EQ(simulation.attitude.pitchDeg, 7.0f);
    rightReleased(r);
    EXPECT_EQ(handleMouseMove(500, 200, r), 0u);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, 110.0f);
}

TEST_F(Drags, RightPressDuringARunStopsItWithoutADrag) {
    startPlaying();
    simulation.clocks.elapsedMs = 5000;
    const float heading = simulation.attitude.headingDeg;
    rightPressed(9000, r);
    EXPECT_EQ(simulation.clocks.playing, 0);
    EXPECT_EQ(simulation.clocks.elapsedMs, 0);
    EXPECT_FALSE(input.rightDragging);
    handleMouseMove(600, 100, r);
    EXPECT_FLOAT_EQ(simulation.attitude.headingDeg, heading);
}

TEST_F(Drags, MovesWithTheMenuOpenOnlyMoveTheCursor) {
    leftPressed(1000, r);
    menu.menuOpen = true;
    handleMouseMove(100, 100, r);
    EXPECT_EQ(input.cursorX, 100);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 270.0f);
}

TEST_F(Drags, OrbitDragZoomsWithItsNearestDistance) {
    camera.cameraMode = kCameraOrbitFighter;
    mouseDevice.deviceReady = true;
    mouseDevice.relY = -30;
    camera.fighterOrbit.distance = 20.0f;
    leftPressed(1000, r);
    handleMouseMove(200, 10, r);
    EXPECT_FLOAT_EQ(camera.fighterOrbit.distance, 6.5f);
    mouseDevice.relY = 4;
    handleMouseMove(200, 14, r);
    EXPECT_FLOAT_EQ(camera.fighterOrbit.distance, 10.5f);
    // The frame's orbit update holds the same limit while the drag goes on.
    mouseDevice.moved = true;
    mouseDevice.relY = -50;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.fighterOrbit.distance, 6.5f);
    leftReleased(5000, r);

    // Without the device the cursor's way from the press point zooms.
    camera.cameraMode = kCameraOrbitPilot;
    mouseDevice.deviceReady = false;
    camera.pilotOrbit.distance = 10.0f;
    handleMouseMove(0, 500, r);
    leftPressed(1000, r);
    handleMouseMove(0, 300, r);
    EXPECT_FLOAT_EQ(camera.pilotOrbit.distance, 12.0f);
    handleMouseMove(0, 2000, r);
    EXPECT_FLOAT_EQ(camera.pilotOrbit.distance, 3.5f);
}

TEST(CursorMapping, WindowPixelsScaleToTheVirtualScreen) {
    InputState in;
    mapCursor(in, 200, 150, false, 400, 300);
    EXPECT_EQ(in.cursorX, 400);
    EXPECT_EQ(in.cursorY, 300);
    mapCursor(in, 999, 749, false, 1000, 750);
    EXPECT_EQ(in.cursorX, 799);
    EXPECT_EQ(in.cursorY, 599);
    mapCursor(in, 5, 5, false, 0, 0);  // a zero client area is left alone
    EXPECT_EQ(in.cursorX, 5);
    mapCursor(in, 640, 480, true, 1920, 1080);  // full screen: already virtual
    EXPECT_EQ(in.cursorX, 640);
    EXPECT_FLOAT_EQ(in.cursorYf, 480.0f);
}

using FrameDrift = MouseTest;

TEST_F(FrameDrift, FreeCameraTurnsOnlyAtTheScreenEdges) {
    mouseDevice.moved = true;
    mouseDevice.relX = 7;
    mouseDevice.relY = -3;
    handleMouseMove(400, 300, r);
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 270.0f);
    handleMouseMove(799, 599, r);
    driftCameraWithMouse(r);
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 256.0f);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 6.0f);  // no clamp here
    handleMouseMove(0, 0, r);
    mouseDevice.relY = -200;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.cameraPitch, 206.0f);
    // Not moved, or the menu open: nothing.
    mouseDevice.moved = false;
    driftCameraWithMouse(r);
    mouseDevice.moved = true;
    menu.menuOpen = true;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 249.0f);
}

TEST_F(FrameDrift, WheelStepsInFifthsTruncatedTowardZero) {
    handleMouseMove(400, 300, r);
    mouseDevice.moved = true;
    mouseDevice.wheel = 4;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.freeCameraPosition.x, -57.0f);
    mouseDevice.wheel = -7;  // one step back (yaw 270 looks along +x)
    driftCameraWithMouse(r);
    EXPECT_NEAR(camera.freeCameraPosition.x, -58.0f, 1e-5f);
    mouseDevice.wheel = 120;  // one notch: 24 m forward
    driftCameraWithMouse(r);
    EXPECT_NEAR(camera.freeCameraPosition.x, -34.0f, 1e-4f);
    // With the right button held the wheel moves sideways.
    input.rightDragging = true;
    mouseDevice.wheel = 10;
    driftCameraWithMouse(r);
    EXPECT_NEAR(camera.freeCameraPosition.y, -2.0f, 1e-4f);
    EXPECT_NEAR(camera.freeCameraPosition.z, 6.0f, 1e-6f);
}

TEST_F(FrameDrift, OrbitModesTurnTheirCamera) {
    camera.cameraMode = kCameraOrbitPilot;
    mouseDevice.deviceReady = true;
    mouseDevice.moved = true;
    mouseDevice.relX = 10;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.pilotOrbit.azimuth, 280.0f);  // 10 x 25 / 25
    EXPECT_FLOAT_EQ(camera.fighterOrbit.azimuth, 270.0f);
    EXPECT_FLOAT_EQ(camera.cameraYaw, 270.0f);
}

}  // namespace
