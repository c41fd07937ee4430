// The paused run's timeline laid out without GL, and the maximum-load pointer
// of a clock moved by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "menu/graph_plots.h"
#include "overlay/gauge_geometry.h"
#include "overlay/hud_text.h"
#include "overlay/overlay_state.h"
#include "overlay/timeline_layout.h"
#include "sim/playback.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"
#include "sim/units.h"

namespace {

// The default zero-zero run, paused 2 s after the trigger.
class Timeline : public ::testing::Test {
protected:
    void SetUp() override {
        setDefaults(simulation);
        resetToZeroZero(simulation, 0);
        startEjection(simulation, false, 0, 25);
        togglePause(simulation.clocks, 2000, 1.0f);
        clocksAt();
        end = storedRunEndMs(simulation);
        leadMs = (simulation.params.countdownS + simulation.params.canopyDelayS) * 1000.0;
    }
    void clocksAt() { updatePlaybackClocks(simulation.clocks, 60000, simulation.params, simulation.times); }
    int32_t end = 0;
    double leadMs = 0.0;
};

}  // namespace

TEST(TimelineGeometry, MomentsAndPositionsMapBothWaysInsideTheBar) {
    const int32_t end = 10000;
    EXPECT_EQ(timelineX(0, end), kTimelineLeft);
    EXPECT_EQ(timelineX(end, end), kTimelineRight);
    EXPECT_EQ(timelineX(end / 2, end), (kTimelineLeft + kTimelineRight) / 2);
    EXPECT_EQ(timelineX(-500, end), kTimelineLeft);
    EXPECT_EQ(timelineX(3 * (int64_t)end, end), kTimelineRight);
    EXPECT_EQ(timelineX(500, 0), kTimelineLeft);  // a run of no length
    // A drag anywhere gives a moment of the run, never before or past it.
    EXPECT_EQ(timelineMsAt(kTimelineLeft - 40, end), 0);
    EXPECT_EQ(timelineMsAt(kTimelineRight + 40, end), end);
    EXPECT_EQ(timelineMsAt((kTimelineLeft + kTimelineRight) / 2, end), end / 2);
    EXPECT_EQ(timelineMsAt(400, 0), 0);
    for (int x = kTimelineLeft; x <= kTimelineRight; x += 37) EXPECT_EQ(timelineX(timelineMsAt(x, end), end), x) << x;
    // The band around the bar takes a press; the text line above does not.
    EXPECT_TRUE(onTimeline(kTimelineLeft, kTimelineTop));
    EXPECT_TRUE(onTimeline(kTimelineRight + kTimelineReachX, kTimelineHitBottom));
    EXPECT_FALSE(onTimeline(kTimelineLeft - kTimelineReachX - 1, kTimelineTop));
    EXPECT_FALSE(onTimeline(400, kTimelineHitTop - 1));
    EXPECT_FALSE(onTimeline(400, kTimelineHitBottom + 1));
}

TEST_F(Timeline, TicksAtTheEventsAndTheMarkerAtTheClock) {
    TimelineFrame f;
    layoutTimeline(simulation, true, f);
    ASSERT_TRUE(f.shown);
    EXPECT_EQ(f.markerX, timelineX(2000, end));
    EXPECT_EQ(f.countdownRight, timelineX(600, end));
    // Catapult end, rocket, drogue and main fire, separation and the full
    // opening all fall inside the zero-zero run, in order and in the GRAPH
    // page's colours.
    ASSERT_EQ(f.tickCount, kGraphEventCount);
    EXPECT_EQ(f.ticks[3].x, timelineX(std::lround(leadMs + simulation.times.tMainFire * 1000.0), end));
    for (int k = 1; k < f.tickCount; ++k) EXPECT_LE(f.ticks[k - 1].x, f.ticks[k].x) << k;
    EXPECT_EQ(f.ticks[5].colour[1], kGraphEventColours[kFullOpening][1]);
    char length[24];
    std::snprintf(length, sizeof length, "%.2f s", (end - leadMs) * 0.001);
    EXPECT_STREQ(f.lengthText, length);

    // The marker follows the clock as it moves.
    setPausedClock(simulation.clocks, end, end);
    clocksAt();
    layoutTimeline(simulation, true, f);
    EXPECT_EQ(f.markerX, kTimelineRight);
}

TEST_F(Timeline, ShownOnlyWhilePausedWithTheBandOnTheScreen) {
    TimelineFrame f;
    layoutTimeline(simulation, false, f);
    EXPECT_FALSE(f.shown);
    togglePause(simulation.clocks, 3000, 1.0f);
    layoutTimeline(simulation, true, f);
    EXPECT_FALSE(f.shown);
    resetScene(simulation, 4000);
    layoutTimeline(simulation, true, f);
    EXPECT_FALSE(f.shown);
}

TEST_F(Timeline, EventsPastTheStoredRunHaveNoTick) {
    // A mode 5 run from high up: the main parachute fires long after 7 s.
    setDefaults(simulation);
    resetToZeroZero(simulation, 0);
    simulation.fighterPosition.altitude = 9000.0;
    startEjection(simulation, true, 0, 25);  // 7 s only
    simulation.clocks.playing = 1;
    togglePause(simulation.clocks, 1000, 1.0f);
    TimelineFrame f;
    layoutTimeline(simulation, true, f);
    ASSERT_EQ(simulation.times.seqMode, 5);
    for (int k = 0; k < f.tickCount; ++k) EXPECT_LE(f.ticks[k].x, kTimelineRight);
    EXPECT_LT(f.tickCount, kGraphEventCount);
}

TEST_F(Timeline, TheMaximumPointerOfAMovedClockIsThatOfPlayingThere) {
    OverlayState o;
    // Played frame by frame to 1.2 s of seat time, the pointer holds the
    // largest load seen; stepped back to 0.1 s it holds that of 0.1 s.
    trackRunForMaxLoad(o, true, simulation.clocks.startTimeMs);
    const Trajectory& tr = *simulation.trajectory;
    auto loadAt = [&](int i) {
        return hudFloat(std::sqrt(tr.ax[i] * tr.ax[i] + tr.ay[i] * tr.ay[i] + tr.az[i] * tr.az[i]) / kGravity);
    };
    float played = o.maxLoadG;
    for (int i = 1; i <= 100; ++i) played = updateMaxLoad(played, loadAt(i), i * 0.001, 1e9f, 0.0f);
    setPausedClock(simulation.clocks, (int32_t)std::ceil(leadMs) + 100, end);
    clocksAt();
    o.maxLoadG = 39.0f;  // as a later moment left it
    gaugesForMovedClock(o, simulation, false, 0.0);
    EXPECT_EQ(o.maxLoadG, played);
    // Before the seat moves the pointer is back at its start and the needle at 0.
    o.pilotLoadG = 12.0f;
    setPausedClock(simulation.clocks, 300, end);
    clocksAt();
    gaugesForMovedClock(o, simulation, false, 0.0);
    EXPECT_EQ(o.maxLoadG, kMaxLoadRunStartG);
    EXPECT_EQ(o.pilotLoadG, 0.0f);
    // Once down, what came after the landing does not count.
    setPausedClock(simulation.clocks, end, end);
    clocksAt();
    gaugesForMovedClock(o, simulation, true, 0.1);
    EXPECT_EQ(o.maxLoadG, played);
}
