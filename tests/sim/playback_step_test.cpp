// Moving the paused clock by hand: the bounds of the stored run, and playing
// on from the moved value.
#include <gtest/gtest.h>

#include "sim/playback_step.h"
#include "tests/sim/sim_fixture.h"

namespace {

// A paused run of the default 0.6 s lead whose seat samples end at index
// 5001: the stored run ends 5.6 s after the trigger.
struct PausedRun {
    std::unique_ptr<Simulation> sim = makeDefaultSim();
    PlaybackClocks& c = sim->clocks;
    int32_t end = 0;

    PausedRun(uint32_t pauseAtMs = 3000, float divisor = 1.0f) {
        sim->params.countdownS = 0.3;
        sim->params.canopyDelayS = 0.3;
        sim->params.playSpeedDivisor = divisor;
        sim->trajectory->lastIndex = 5001;
        c.playing = 1;
        c.startTimeMs = 1000;
        togglePause(c, 1000 + pauseAtMs, divisor);
        end = storedRunEndMs(*sim);
    }
    int32_t shownAt(uint32_t nowMs) {
        updatePlaybackClocks(c, nowMs, sim->params, sim->times);
        return c.elapsedMs;
    }
};

}  // namespace

TEST(PausedSteps, NeverBeforeTheTriggerNorPastTheStoredRun) {
    PausedRun run;
    EXPECT_EQ(run.end, 5600);
    EXPECT_EQ(run.shownAt(9000), 3000);
    EXPECT_TRUE(stepPausedClock(run.c, -100, run.end));
    EXPECT_EQ(run.shownAt(9000), 2900);
    for (int i = 0; i < 40; ++i) stepPausedClock(run.c, -100, run.end);
    EXPECT_EQ(run.shownAt(9000), 0);
    EXPECT_EQ(run.c.flightTime, 0.0);
    EXPECT_FALSE(stepPausedClock(run.c, -1, run.end));
    for (int i = 0; i < 60; ++i) stepPausedClock(run.c, 100, run.end);
    EXPECT_EQ(run.shownAt(9000), 5600);
    EXPECT_FALSE(stepPausedClock(run.c, 10, run.end));
    // The seat's clock stays inside its samples: its index and the one
    // ahead that some readers take.
    EXPECT_LE(run.c.seatIndex + 1, run.sim->trajectory->lastIndex);

    EXPECT_TRUE(setPausedClock(run.c, -50, run.end));
    EXPECT_EQ(run.shownAt(9000), 0);
    EXPECT_TRUE(setPausedClock(run.c, 99999, run.end));
    EXPECT_EQ(run.shownAt(9000), 5600);
    EXPECT_FALSE(setPausedClock(run.c, 5600, run.end));
}

TEST(PausedSteps, AClockPausedPastTheStoredRunOnlyStepsBackIntoIt) {
    PausedRun run(8000);  // the live descent had taken over
    EXPECT_FALSE(stepPausedClock(run.c, 100, run.end));
    EXPECT_EQ(run.shownAt(9500), 8000);
    EXPECT_TRUE(stepPausedClock(run.c, -10, run.end));
    EXPECT_EQ(run.shownAt(9500), 5600);
}

TEST(PausedSteps, OnlyAPausedRunMoves) {
    PausedRun run;
    togglePause(run.c, 5000, 1.0f);  // playing on
    const PlaybackClocks before = run.c;
    EXPECT_FALSE(stepPausedClock(run.c, 100, run.end));
    EXPECT_FALSE(setPausedClock(run.c, 100, run.end));
    EXPECT_EQ(run.c.pausedElapsedMs, before.pausedElapsedMs);
    EXPECT_EQ(run.c.pausedTotalMs, before.pausedTotalMs);

    PausedRun stopped;
    stopped.c.playing = 0;
    EXPECT_FALSE(stepPausedClock(stopped.c, 100, stopped.end));
}

TEST(PausedSteps, PlayingOnContinuesFromTheSteppedTime) {
    // A slowed run paused between two milliseconds: the steps move the shown
    // value by exactly their size, and playing on starts from it, forwards
    // from a time behind the wall clock's and from one ahead of it.
    for (int32_t step : {-700, 2000}) {
        PausedRun run(3001, 3.0f);  // 1000.33 ms of simulation
        EXPECT_EQ(run.shownAt(6000), 1000);
        for (int i = 0; i < 10; ++i) stepPausedClock(run.c, step / 10, run.end);
        const int32_t stepped = 1000 + step;
        EXPECT_EQ(run.shownAt(6000), stepped);
        // Played on a third of a millisecond into the wall clock's step.
        togglePause(run.c, 7001, 3.0f);
        EXPECT_EQ(run.shownAt(7001), stepped) << step;
        EXPECT_EQ(run.shownAt(7002), stepped) << step;
        EXPECT_EQ(run.shownAt(7301), stepped + 100) << step;
        // Pausing again freezes where it stands, and steps go on from there.
        togglePause(run.c, 7301, 3.0f);
        stepPausedClock(run.c, 1, run.end);
        EXPECT_EQ(run.shownAt(9000), stepped + 101) << step;
    }
}

TEST(PausedSteps, TheStoredRunEndsAtItsLastSample) {
    auto sim = makeDefaultSim();
    resetToZeroZero(*sim, 0);
    ejectNow(*sim);
    const int32_t end = storedRunEndMs(*sim);
    PlaybackClocks& c = sim->clocks;
    togglePause(c, 100, 1.0f);
    setPausedClock(c, end, end);
    updatePlaybackClocks(c, 5000, sim->params, sim->times);
    EXPECT_EQ(c.elapsedMs, end);
    EXPECT_EQ(c.seatIndex + 1, sim->trajectory->lastIndex);
    // The descent takes over there, as it does in playing.
    EXPECT_GT(c.seatTime, sim->times.tMainFire + 10.0);
}
