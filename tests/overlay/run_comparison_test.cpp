// The HUD line comparing a run with the kept ghost, for two runs flown here.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "overlay/hud_text.h"
#include "overlay/run_comparison.h"
#include "sim/playback.h"
#include "sim/run_track.h"
#include "sim/simulation.h"

namespace {

std::unique_ptr<RunTracks> tracks = std::make_unique<RunTracks>();

// The zero-zero set-up (HOME) at an airspeed, flown and recorded.
void flyAndRecord(Simulation& sim, float airspeedKt) {
    setDefaults(sim);
    resetToZeroZero(sim, 0);
    sim.params.initialTasKt = airspeedKt;
    startEjection(sim, false, 0, 25);
    recordRunTrack(sim, *tracks);
}

}  // namespace

// The zero-zero run kept as the ghost, then the same seat at 200 kt: both in
// mode 1; at 200 kt the seat climbs half as high, the canopy is open 2.3 s
// sooner, and both come down at the round canopy's 6.6 m/s (vorix-sim
// --home, and with --set initialTasKt=200, gives the same figures).
TEST(RunComparison, ZeroZeroGhostBesideA200KnotRun) {
    auto sim = std::make_unique<Simulation>();
    flyAndRecord(*sim, 0.0f);
    ASSERT_TRUE(keepGhost(*tracks));
    flyAndRecord(*sim, 200.0f);
    char line[256];
    formatRunComparison(tracks->current.summary, tracks->ghost.summary, line, sizeof line);
    EXPECT_STREQ(line,
                 "RUN 200 kt | GHOST 0 kt   MODE 1 | 1   APEX 25.7 | 47.3 m   FULL OPEN 2.76 | 5.06 s   "
                 "TOUCHDOWN 6.6 | 6.6 m/s");
}

TEST(RunComparison, FiguresARunDoesNotHaveAndNarrowBuffers) {
    RunSummary run, ghost;
    run.mode = 5;
    run.airspeedKt = 450.0f;
    run.apexM = 1e30f;            // beyond what a line can show
    ghost.mode = 2;
    ghost.fullyOpen = true;
    ghost.fullyOpenS = 1.5f;
    ghost.touchedDown = true;
    ghost.touchdownSpeedMs = 7.04f;
    char line[256];
    formatRunComparison(run, ghost, line, sizeof line);
    EXPECT_STREQ(line,
                 "RUN 450 kt | GHOST 0 kt   MODE 5 | 2   APEX -- | 0.0 m   FULL OPEN -- | 1.50 s   "
                 "TOUCHDOWN -- | 7.0 m/s");
    char narrow[12];
    formatRunComparison(run, ghost, narrow, sizeof narrow);
    EXPECT_STREQ(narrow, "RUN 450 kt ");
    formatRunComparison(run, ghost, nullptr, 10);  // nothing to write to
}

TEST(RunComparison, TheHudShowsTheLineOnlyDuringARunBesideAGhost) {
    auto sim = std::make_unique<Simulation>();
    setDefaults(*sim);
    RunSummary run, ghost;
    run.airspeedKt = 200.0f;
    HudInputs in;
    in.sim = sim.get();
    in.runSummary = &run;
    in.ghostSummary = &ghost;
    auto frame = std::make_unique<HudFrame>();
    AtmosphereReadout readout;
    auto lineShown = [&]() {
        buildHudFrame(in, readout, *frame);
        for (int i = 0; i < frame->count; ++i)
            if (std::strncmp(frame->items[i].text, "RUN 200 kt | GHOST", 18) == 0) return true;
        return false;
    };
    EXPECT_FALSE(lineShown());  // no run plays
    sim->clocks.playing = 1;
    EXPECT_TRUE(lineShown());
    in.ghostSummary = nullptr;
    EXPECT_FALSE(lineShown());
}
