// T, Y and Shift+Y through the key map: the trail's switch and the ghost.
#include "tests/input/input_fixture.h"

#include "render/trail.h"
#include "sim/playback.h"
#include "sim/run_track.h"

using TrailKeys = InputTest;

TEST_F(TrailKeys, TShowsAndHidesTheTrailAlsoDuringARun) {
    trailState.shown = false;
    EXPECT_EQ(key('T').effects, 0u);
    EXPECT_TRUE(trailState.shown);
    startPlaying();
    key('T');
    EXPECT_FALSE(trailState.shown);
    key('T', true);  // Shift changes nothing
    EXPECT_TRUE(trailState.shown);
    trailState.shown = false;
}

TEST_F(TrailKeys, YKeepsTheRecordedRunAsTheGhostAndShiftYLetsItGo) {
    runTracks.ghostKept = false;
    runTracks.current.serial = 0;
    key('Y');
    EXPECT_FALSE(runTracks.ghostKept);  // no run to keep

    startEjection(simulation, false, 1000, 25);
    recordRunTrack(simulation, runTracks);
    key('Y');
    ASSERT_TRUE(runTracks.ghostKept);
    EXPECT_EQ(runTracks.ghost.serial, runTracks.current.serial);
    key('Y', true);
    EXPECT_FALSE(runTracks.ghostKept);
    // Ctrl+Y is Y.
    key('Y', false, true);
    EXPECT_TRUE(runTracks.ghostKept);
    runTracks.ghostKept = false;
    resetScene(simulation, 0);
}
