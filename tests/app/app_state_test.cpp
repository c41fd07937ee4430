#include <gtest/gtest.h>

#include "app/app_state.h"
#include "input/input_state.h"
#include "sim/frame_clock.h"

TEST(FrameRate, MeasuredEveryThirdFrameFromPlaybackTime) {
    FrameClock a;
    measureFrameRate(a, 1000, false, 1.0f);  // phase 0 notes 1.000 s
    measureFrameRate(a, 1020, false, 1.0f);  // phase 1
    EXPECT_EQ(a.frameRate, 0.0f);
    measureFrameRate(a, 1040, false, 1.0f);  // phase 2: two frames took 0.040 s
    EXPECT_NEAR(a.framePairTime, 0.040f, 1e-5);
    EXPECT_NEAR(a.frameRate, 50.0f, 0.01f);
    EXPECT_EQ(a.framePhase, 0);
}

TEST(FrameRate, SlowPlaybackIsConvertedToRealTime) {
    FrameClock a;
    // At 1/4 speed 10 ms of playback is 40 ms of real time for two frames.
    measureFrameRate(a, 500, false, 4.0f);
    measureFrameRate(a, 505, false, 4.0f);
    measureFrameRate(a, 510, false, 4.0f);
    EXPECT_NEAR(a.frameRate, 50.0f, 0.01f);
}

TEST(FrameRate, PausedReadsTwentyFiveAndStoppedClockMeasuresNothing) {
    FrameClock a;
    measureFrameRate(a, 0, false, 1.0f);
    EXPECT_EQ(a.framePhase, 0);  // clock at zero: no measurement, no phase step
    for (int i = 0; i < 3; ++i) measureFrameRate(a, 700, true, 1.0f);
    EXPECT_EQ(a.frameRate, 25.0f);
}

TEST(FrameRate, TwoFramesInTheSameMillisecondKeepTheLastRate) {
    FrameClock a;
    a.frameRate = 60.0f;
    for (int i = 0; i < 3; ++i) measureFrameRate(a, 900, false, 1.0f);
    EXPECT_EQ(a.frameRate, 60.0f);  // never infinite
}

TEST(AspectRatio, FullScreenFixedWindowedFromClientArea) {
    AppState a;
    a.fullScreen = true;
    a.clientWidth = 1280;
    a.clientHeight = 720;
    EXPECT_FLOAT_EQ(aspectRatioFor(a), 1.3333334f);
    a.fullScreen = false;
    EXPECT_FLOAT_EQ(aspectRatioFor(a), 1280.0f / 720.0f);
    a.clientHeight = 0;
    EXPECT_FLOAT_EQ(aspectRatioFor(a), 1280.0f);
}

TEST(CursorMapping, WindowedCoordinatesScaleToTheVirtualScreen) {
    InputState in;
    mapCursor(in, 320, 200, false, 640, 400);
    EXPECT_EQ(in.cursorX, 400);
    EXPECT_EQ(in.cursorY, 300);
    mapCursor(in, 639, 399, false, 640, 400);
    EXPECT_EQ(in.cursorX, 798);  // truncated, not rounded
    EXPECT_EQ(in.cursorY, 598);
    mapCursor(in, 1599, 5, false, 1600, 1200);
    EXPECT_EQ(in.cursorX, 799);
    EXPECT_EQ(in.cursorY, 2);
}

TEST(CursorMapping, FullScreenAndDegenerateClientsPassThrough) {
    InputState in;
    mapCursor(in, 123, 456, true, 1024, 768);
    EXPECT_EQ(in.cursorX, 123);
    EXPECT_EQ(in.cursorY, 456);
    mapCursor(in, 10, 20, false, 0, 0);  // minimised window: no division by zero
    EXPECT_EQ(in.cursorX, 10);
    EXPECT_EQ(in.cursorY, 20);
    EXPECT_FLOAT_EQ(in.cursorXf, 10.0f);
}
