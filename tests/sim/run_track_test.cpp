// The record of a played run the trail and the ghost are drawn from: the
// package's path from the seat's start to the ground, the moments of the
// sequence, and the figures two runs are compared by.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "sim/run_analysis.h"
#include "sim/run_track.h"
#include "tests/sim/sim_fixture.h"

namespace {

std::unique_ptr<RunTracks> tracks = std::make_unique<RunTracks>();

// The zero-zero run (HOME) at an airspeed, recorded as the current run.
std::unique_ptr<Simulation> recordedRun(float airspeedKt) {
    auto sim = makeDefaultSim();
    resetToZeroZero(*sim, 0);
    sim->params.initialTasKt = airspeedKt;
    ejectNow(*sim);
    recordRunTrack(*sim, *tracks);
    return sim;
}

Vec3 sampleAt(const Simulation& sim, long i) {
    const Trajectory& t = *sim.trajectory;
    return Vec3((float)t.px[i], (float)t.py[i], (float)t.pz[i]);
}

}  // namespace

TEST(RunTrack, FollowsTheStoredSamplesThenTheDescentToTheGround) {
    auto sim = recordedRun(0.0f);
    const RunTrack& t = tracks->current;
    ASSERT_GT(t.serial, 0u);
    ASSERT_TRUE(sim->run.windowEnded);
    // Every 10 ms the sample the picture shows at that seat time.
    for (int k = 1; k < t.descentFirst; k += 97) {
        const Vec3 d = t.package[k] - (t.start + sampleAt(*sim, k * 10L));
        EXPECT_LT(d.length(), 1e-4f) << k;
    }
    // The descent takes over where the window ends, without a jump: no step
    // longer than 10 ms at the fastest the package flies then.
    ASSERT_GT(t.packageCount, t.descentFirst + 10);
    for (int k = 1; k < t.packageCount; ++k) ASSERT_LT((t.package[k] - t.package[k - 1]).length(), 0.5f) << k;
    // It ends where the drawn pilot meets the ground, before the physical
    // touchdown vorix-sim reports (10.629 s, 0.4 m lower).
    ASSERT_TRUE(t.landed);
    EXPECT_GT(t.touchdownS, 10.4f);
    EXPECT_LE(t.touchdownS, 10.63f);
    EXPECT_LE(t.package[t.packageCount - 1].z + sim->runMountingHeightM - 0.4, 0.0);
    EXPECT_GT(t.package[t.packageCount - 2].z + sim->runMountingHeightM - 0.4, 0.0);

    // The empty seat from its separation, down to where it lies.
    ASSERT_GT(t.seatCount, 10);
    EXPECT_NEAR(t.seatFromS, sim->times.tSeatManSeparation, 1e-6);
    EXPECT_NEAR((t.seat[t.seatCount - 1] - (t.start + sim->emptySeat.landingPosition)).length(), 0.0f, 1e-3f);
}

TEST(RunTrack, MomentsPhasesAndTheComparedFigures) {
    auto sim = recordedRun(0.0f);
    const RunTrack& t = tracks->current;
    const RunEvents& e = t.events;
    for (int k = 0; k < kRunEventCount; ++k) ASSERT_TRUE(e.happened[k]) << k;
    EXPECT_NEAR(e.timeS[kRunCatapultEnd], 0.178, 1e-6);
    EXPECT_NEAR(e.timeS[kRunMainFire], sim->times.tMainFire, 1e-9);
    for (int k = 1; k < kRunEventCount; ++k) EXPECT_GE(e.timeS[k], e.timeS[k - 1]) << k;
    // Each is marked where the package was drawn then.
    const long main = (long)(e.timeS[kRunMainFire] * 1000.0);
    EXPECT_LT((t.eventAt[kRunMainFire] - (t.start + sampleAt(*sim, main))).length(), 1e-4f);

    // The phases follow the moments.
    EXPECT_EQ(trackPhaseAt(t, 0.0), kTrackRails);
    EXPECT_EQ(trackPhaseAt(t, e.timeS[kRunCatapultEnd]), kTrackRails);
    EXPECT_EQ(trackPhaseAt(t, e.timeS[kRunCatapultEnd] + 0.001), kTrackRocket);
    EXPECT_EQ(trackPhaseAt(t, t.rocketEndS + 0.001), kTrackFreeFlight);
    EXPECT_EQ(trackPhaseAt(t, e.timeS[kRunSeparation] + 0.001), kTrackUnderMain);
    EXPECT_EQ(trackPhaseAt(t, e.timeS[kRunFullOpening] + 0.001), kTrackDescent);

    // The figures the HUD compares, as the run's analysis has them.
    auto a = std::make_unique<RunAnalysis>();
    analyseRun(*sim, *a, nullptr);
    const RunSummary& s = t.summary;
    EXPECT_EQ(s.mode, 1);
    EXPECT_FLOAT_EQ(s.apexM, (float)a->heightGainedM);
    ASSERT_TRUE(s.fullyOpen && a->fullyOpen);
    EXPECT_FLOAT_EQ(s.fullyOpenS, (float)a->fullyOpenTimeS);
    ASSERT_TRUE(s.touchedDown && a->touchdown.reached);
    EXPECT_FLOAT_EQ(s.touchdownSpeedMs,
                    (float)std::hypot(a->touchdown.verticalSpeedMs, a->touchdown.horizontalSpeedMs));
}

TEST(RunTrack, PackageBetweenTheStepsHeldOnTheGroundAndGonePastTheRecord) {
    auto sim = recordedRun(0.0f);
    const RunTrack& t = tracks->current;
    Vec3 at;
    ASSERT_TRUE(trackPackageAt(t, 2.005, at));
    const Vec3 mid = (t.package[200] + t.package[201]) * 0.5f;
    EXPECT_LT((at - mid).length(), 1e-4f);
    ASSERT_TRUE(trackPackageAt(t, -1.0, at));
    EXPECT_LT((at - t.package[0]).length(), 1e-6f);
    // Landed: it stays where it came down.
    ASSERT_TRUE(trackPackageAt(t, 500.0, at));
    EXPECT_LT((at - t.package[t.packageCount - 1]).length(), 1e-6f);

    // A record that ran out in the air shows nothing past its end.
    RunTrack cut = t;
    cut.landed = false;
    cut.packageCount = 300;
    EXPECT_TRUE(trackPackageAt(cut, 2.99, at));
    EXPECT_FALSE(trackPackageAt(cut, 3.5, at));
    RunTrack none;
    EXPECT_FALSE(trackPackageAt(none, 1.0, at));
}

TEST(RunTrack, TheGhostIsACopyKeptUntilLetGoAndShownBesideLaterRuns) {
    auto fresh = std::make_unique<RunTracks>();
    EXPECT_FALSE(keepGhost(*fresh));
    EXPECT_FALSE(ghostBesideCurrent(*fresh));

    auto sim = recordedRun(0.0f);
    EXPECT_TRUE(recordedRunPlays(*tracks, sim->clocks));
    // Playback that starts after the recording takes the record along.
    notePlaybackStart(*tracks, 777);
    EXPECT_FALSE(recordedRunPlays(*tracks, sim->clocks));
    sim->clocks.startTimeMs = 777;
    EXPECT_TRUE(recordedRunPlays(*tracks, sim->clocks));
    ASSERT_TRUE(keepGhost(*tracks));
    EXPECT_FALSE(ghostBesideCurrent(*tracks));
    const uint32_t kept = tracks->ghost.serial;
    const float apex = tracks->ghost.summary.apexM;

    auto faster = recordedRun(200.0f);
    EXPECT_NE(tracks->current.serial, kept);
    EXPECT_TRUE(ghostBesideCurrent(*tracks));
    // The ghost is its own copy: the new run leaves it as it was.
    EXPECT_EQ(tracks->ghost.serial, kept);
    EXPECT_FLOAT_EQ(tracks->ghost.summary.apexM, apex);
    EXPECT_NE(tracks->current.summary.apexM, apex);

    // A run that is not the recorded one (a stopped run, another trigger).
    resetScene(*faster, 5);
    EXPECT_FALSE(recordedRunPlays(*tracks, faster->clocks));

    clearGhost(*tracks);
    EXPECT_FALSE(ghostBesideCurrent(*tracks));
    // It takes no more than a few hundred kilobytes.
    EXPECT_LT(sizeof(RunTrack), 512u * 1024u);
}
