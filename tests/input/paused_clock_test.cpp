// Moving a paused run's clock by hand: the step keys and the timeline, which
// takes its presses and drags away from the camera and the double click.
#include "input_fixture.h"
#include "overlay/overlay_state.h"
#include "overlay/timeline_layout.h"
#include "sim/playback_clocks.h"
#include "sim/playback_step.h"

namespace {

// A run paused 3 s after its trigger whose stored run ends at 5.6 s, with the
// HUD's top band on the screen.
class PausedClock : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        simulation.trajectory->lastIndex = 5001;
        startPlaying(1000);
        togglePause(simulation.clocks, 4000, 1.0f);
        overlay.choice = OverlayChoice{true, false, true, false};
        end = storedRunEndMs(simulation);
    }
    void TearDown() override {
        overlay.choice = OverlayChoice{};
        simulation.trajectory->lastIndex = 0;
    }
    int32_t shown() {
        updatePlaybackClocks(simulation.clocks, 90000, P, simulation.times);
        return simulation.clocks.elapsedMs;
    }
    void pointAt(int32_t ms) {
        input.cursorX = timelineX(ms, end);
        input.cursorY = (kTimelineTop + kTimelineBottom) / 2;
    }
    int32_t end = 0;
};

}  // namespace

TEST_F(PausedClock, QAndWStepBackAndAheadByTheModifiersSizes) {
    ASSERT_EQ(shown(), 3000);
    key('W');
    EXPECT_EQ(shown(), 3010);
    key('W', true);
    EXPECT_EQ(shown(), 3110);
    key('W', false, true);
    EXPECT_EQ(shown(), 3111);
    key('W', true, true);  // Ctrl wins over Shift
    EXPECT_EQ(shown(), 3112);
    key('Q', true);
    key('Q');
    key('Q', false, true);
    EXPECT_EQ(shown(), 3001);
    for (int i = 0; i < 40; ++i) key('Q', true);
    EXPECT_EQ(shown(), 0);
    for (int i = 0; i < 80; ++i) key('W', true);
    EXPECT_EQ(shown(), end);

    // Playing, the keys leave the clock alone.
    togglePause(simulation.clocks, 5000, 1.0f);
    const PlaybackClocks before = simulation.clocks;
    key('Q', true);
    key('W');
    EXPECT_EQ(simulation.clocks.pausedElapsedMs, before.pausedElapsedMs);
    EXPECT_EQ(simulation.clocks.pausedTotalMs, before.pausedTotalMs);
}

TEST_F(PausedClock, ADragOnTheTimelineMovesTheClockAndNotTheCamera) {
    const float yaw = camera.cameraYaw, pitch = camera.cameraPitch;
    pointAt(1000);
    EXPECT_EQ(leftPressed(2000, r), 0u);
    EXPECT_TRUE(input.timelineDragging);
    EXPECT_FALSE(input.leftDragging);
    EXPECT_EQ(shown(), timelineMsAt(input.cursorX, end));
    handleMouseMove(timelineX(4000, end) - 30, input.cursorY - 8, r);
    handleMouseMove(timelineX(4000, end), input.cursorY, r);
    EXPECT_EQ(shown(), timelineMsAt(timelineX(4000, end), end));
    // Dragged past either end (and off the bar), the clock stops there.
    handleMouseMove(799, 300, r);
    EXPECT_EQ(shown(), end);
    handleMouseMove(0, 20, r);
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(leftReleased(2300, r), 0u);
    EXPECT_FALSE(input.timelineDragging);
    EXPECT_FLOAT_EQ(camera.cameraYaw, yaw);
    EXPECT_FLOAT_EQ(camera.cameraPitch, pitch);
    // Moves after the release are the pointer's alone.
    handleMouseMove(400, 33, r);
    EXPECT_EQ(shown(), 0);
}

TEST_F(PausedClock, QuickClicksOnTheTimelineDoNotEject) {
    pointAt(2000);
    unsigned fx = leftPressed(1000, r) | leftReleased(1040, r);
    fx |= leftPressed(1100, r) | leftReleased(1140, r);
    EXPECT_EQ(fx & kEffectStartRun, 0u);
    EXPECT_EQ(input.leftClickCount, 0);
}

TEST_F(PausedClock, WithoutTheTimelineOnTheScreenAPressThereIsACameraDrag) {
    pointAt(2000);
    overlay.choice.hudText = false;  // the text hidden with Tab
    leftPressed(1000, r);
    EXPECT_TRUE(input.leftDragging);
    EXPECT_FALSE(input.timelineDragging);
    leftReleased(1300, r);
    overlay.choice.hudText = true;
    togglePause(simulation.clocks, 6000, 1.0f);  // playing: no timeline either
    leftPressed(1400, r);
    EXPECT_TRUE(input.leftDragging);
    EXPECT_FALSE(input.timelineDragging);
}

TEST_F(PausedClock, TheOrbitCameraStandsStillWhileTheTimelineIsDragged) {
    camera.cameraMode = kCameraOrbitPilot;
    pointAt(2000);
    leftPressed(1000, r);
    mouseDevice.deviceReady = true;
    mouseDevice.moved = true;
    mouseDevice.relX = 10;
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.pilotOrbit.azimuth, 270.0f);
    leftReleased(1300, r);
    driftCameraWithMouse(r);
    EXPECT_FLOAT_EQ(camera.pilotOrbit.azimuth, 280.0f);
}
