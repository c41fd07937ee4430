// Which frames see a clock moved by hand: a paused clock that changed, or one
// that went back; not a run playing on, a new run or no run.
#include <gtest/gtest.h>

#include "app/playback_follow.h"
#include "sim/playback_clocks.h"

namespace {

PlaybackClocks at(int32_t elapsedMs, bool paused, uint32_t startMs = 1000) {
    PlaybackClocks c;
    c.playing = 1;
    c.paused = paused ? 1 : 0;
    c.startTimeMs = startMs;
    c.elapsedMs = elapsedMs;
    return c;
}

}  // namespace

TEST(PlaybackWatch, OnlyAHandMovedClockCounts) {
    PlaybackWatch w;
    EXPECT_FALSE(watchPlaybackClock(w, at(0, false)).moved);
    EXPECT_FALSE(watchPlaybackClock(w, at(40, false)).moved);
    // P: the clock ran on up to the key; that frame plays its moments as
    // any other.
    EXPECT_FALSE(watchPlaybackClock(w, at(45, true)).moved);
    EXPECT_FALSE(watchPlaybackClock(w, at(45, true)).moved);

    MovedClock ahead = watchPlaybackClock(w, at(140, true));
    EXPECT_TRUE(ahead.moved && !ahead.back);
    EXPECT_EQ(ahead.fromMs, 45);
    EXPECT_EQ(ahead.toMs, 140);
    MovedClock back = watchPlaybackClock(w, at(130, true));
    EXPECT_TRUE(back.moved && back.back);
    EXPECT_EQ(back.fromMs, 140);

    // Playing on from there is playing, whatever the first frame's jump.
    EXPECT_FALSE(watchPlaybackClock(w, at(150, false)).moved);
    // A new trigger, or a stopped run, starts the watch afresh.
    EXPECT_FALSE(watchPlaybackClock(w, at(0, false, 9000)).moved);
    PlaybackClocks stopped;
    EXPECT_FALSE(watchPlaybackClock(w, stopped).moved);
    EXPECT_FALSE(watchPlaybackClock(w, at(500, true)).moved);
}
