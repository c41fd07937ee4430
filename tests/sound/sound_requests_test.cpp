// The frame's one sound step: what was asked for since the last frame plays
// in the order it was asked for, before the run's own sounds, and the list
// is empty afterwards; a flood beyond the list's room is dropped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sound/run_sounds.h"
#include "sound/sound_events.h"
#include "sound/sound_requests.h"
#include "sound/sound_slots.h"
#include "sound_recorder.h"

namespace {

using Log = std::vector<std::string>;

class SoundRequestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        loadFakeSounds();
        runSoundWatch = RunSoundWatch();
        soundRequests = SoundRequests();
    }
    void TearDown() override { releaseSounds(); }
};

TEST_F(SoundRequestsTest, NothingPlaysUntilTheSoundStepThenAllInOrder) {
    requestSound(SoundCue::click);
    requestSound(SoundCue::dogBark);
    requestSound(SoundCue::windStop);
    EXPECT_TRUE(recorder.log.empty()) << "asking plays nothing";
    startFrameSounds(soundRequests, RunSoundFrame());
    EXPECT_EQ(recorder.log, (Log{playLine(kSoundClick, false), playLine(kSoundDog, false), stopLine(kSoundWind)}));
    EXPECT_EQ(soundRequests.count, 0);

    recorder.clear();
    startFrameSounds(soundRequests, RunSoundFrame());
    EXPECT_TRUE(recorder.log.empty()) << "each request plays once";
}

TEST_F(SoundRequestsTest, RequestsComeBeforeTheRunsOwnSounds) {
    RunSoundFrame run;
    run.playing = true;
    run.runStartMs = 500;
    requestSound(SoundCue::windPlay, 0.0f, false);
    startFrameSounds(soundRequests, run);
    ASSERT_GE(recorder.log.size(), 2u);
    EXPECT_EQ(recorder.log[0], volumeLine(kSoundWind, volumeHundredthsDb(90)));
    EXPECT_EQ(recorder.log[1], playLine(kSoundWind, true));
    EXPECT_NE(std::find(recorder.log.begin(), recorder.log.end(), playLine(kSoundEngine, true)), recorder.log.end());

    // Once the pilot has landed, the wind the view asks for stays off.
    recorder.clear();
    requestSound(SoundCue::windPlay, 0.0f, true);
    startFrameSounds(soundRequests, run);
    EXPECT_EQ(std::find(recorder.log.begin(), recorder.log.end(), playLine(kSoundWind, true)), recorder.log.end());
}

TEST_F(SoundRequestsTest, AFloodBeyondTheListIsDropped) {
    for (int k = 0; k < 3 * kSoundRequestCapacity; ++k) requestSound(SoundCue::click);
    EXPECT_EQ(soundRequests.count, kSoundRequestCapacity);
    startFrameSounds(soundRequests, RunSoundFrame());
    EXPECT_EQ((int)recorder.log.size(), kSoundRequestCapacity);
    SoundRequests broken;
    broken.count = -5;  // never trusted as an index
    requestSound(broken, SoundCue::click);
    startFrameSounds(broken, RunSoundFrame());
    EXPECT_EQ(broken.count, 0);
}

}  // namespace
