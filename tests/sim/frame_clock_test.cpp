// The frame's clock and its playback step: one reading of the clock for the
// whole frame, the run's clocks advanced to it before anything is drawn, and
// the frame rate measured from them.
#include <gtest/gtest.h>

#include "sim/frame_clock.h"
#include "sim/playback_clocks.h"
#include "sim_fixture.h"

namespace {

TEST(FrameClockStep, PlaybackClocksReachTheFramesOwnTime) {
    auto sim = makeDefaultSim();
    FrameClock f;
    sim->clocks.startTimeMs = 1000;
    std::tm local{};
    local.tm_hour = 13;
    startFrameClock(f, 1500, local);
    EXPECT_EQ(f.nowMs, 1500u);
    EXPECT_EQ(f.local.tm_hour, 13);
    advancePlayback(f, *sim);
    EXPECT_EQ(sim->clocks.elapsedMs, 500) << "the frame draws the clocks of its own moment";
    EXPECT_DOUBLE_EQ(sim->clocks.flightTime, 0.5);

    // Three frames 20 ms apart: 50 frames a second.
    startFrameClock(f, 1520, local);
    advancePlayback(f, *sim);
    startFrameClock(f, 1540, local);
    advancePlayback(f, *sim);
    EXPECT_NEAR(f.frameRate, 50.0f, 0.01f);
}

TEST(FrameClockStep, PausedPlaybackStandsStillAndReadsTwentyFive) {
    auto sim = makeDefaultSim();
    FrameClock f;
    sim->clocks.playing = 1;
    sim->clocks.startTimeMs = 0;
    togglePause(sim->clocks, 2000, sim->params.playSpeedDivisor);
    for (uint32_t now = 3000; now <= 3100; now += 50) {
        startFrameClock(f, now, std::tm{});
        advancePlayback(f, *sim);
        EXPECT_EQ(sim->clocks.elapsedMs, 2000);
    }
    EXPECT_EQ(f.frameRate, 25.0f);
}

}  // namespace
