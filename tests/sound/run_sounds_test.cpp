// The run's sounds driven frame by frame on the recording device: start,
// the one-shot moments in order, the crash, and every way a run ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sound/run_sounds.h"
#include "sound/sound_events.h"
#include "sound/sound_slots.h"
#include "sound_recorder.h"

namespace {

using Log = std::vector<std::string>;

// A run with the default lead of 0.6 s and a 0.18 s stroke, the fighter at
// 100 m/s (80 % of the engine at 20 m).
RunSoundFrame runAt(double flightTimeS, uint32_t startMs = 1000) {
    RunSoundFrame f;
    f.playing = true;
    f.runStartMs = startMs;
    f.flightTimeS = flightTimeS;
    f.countdownS = 0.3;
    f.canopyDelayS = 0.3;
    f.catapultPhaseTimeS = 0.18f;
    f.fighterSpeedMs = 100.0f;
    f.eyeToFighterM = 20.0f;
    f.eyeToSeatM = 20.0f;
    f.eyeToCrashM = 20.0f;
    return f;
}

int count(const std::string& line) { return (int)std::count(recorder.log.begin(), recorder.log.end(), line); }
Log::const_iterator at(const std::string& line) { return std::find(recorder.log.begin(), recorder.log.end(), line); }

// What the end of a run stops (handles are known once the slots are loaded).
Log loopsStop() {
    return {stopLine(kSoundEngine), stopLine(kSoundEjectLong), stopLine(kSoundWind), stopLine(kSoundFire)};
}

class RunSounds : public ::testing::Test {
protected:
    void SetUp() override {
        loadFakeSounds();
        runSoundWatch = RunSoundWatch();
    }
    void TearDown() override { releaseSounds(); }
};

}  // namespace

TEST_F(RunSounds, IdleFramesAreSilent) {
    for (int i = 0; i < 100; ++i) updateRunSounds(RunSoundFrame());
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(RunSounds, OneRunStartsTheEngineThenEachMomentOnceInOrder) {
    for (int ms = 0; ms <= 3000; ms += 10) updateRunSounds(runAt(ms / 1000.0));
    EXPECT_EQ(count(playLine(kSoundEngine, true)), 1);
    EXPECT_EQ(count(playLine(kSoundEjectShort, false)), 1);
    EXPECT_EQ(count(playLine(kSoundCatapult, false)), 1);
    EXPECT_LT(at(playLine(kSoundEngine, true)), at(playLine(kSoundEjectShort, false)));
    EXPECT_LT(at(playLine(kSoundEjectShort, false)), at(playLine(kSoundCatapult, false)));
    // The engine's volume follows every frame: 100 m/s is above 80 kt.
    EXPECT_EQ(count(volumeLine(kSoundEngine, 50 * 79 - 5000)), 301);
}

TEST_F(RunSounds, EndOfRunStopsTheLoopsOnceAndTheNextRunStartsAfresh) {
    for (int ms = 0; ms <= 1000; ms += 10) updateRunSounds(runAt(ms / 1000.0));
    recorder.clear();
    updateRunSounds(RunSoundFrame());  // HOME, the reset keys or the menu stopped it
    EXPECT_EQ(recorder.log, loopsStop());
    recorder.clear();
    updateRunSounds(RunSoundFrame());
    EXPECT_TRUE(recorder.log.empty()) << "stopped once, not every idle frame";

    for (int ms = 0; ms <= 1000; ms += 10) updateRunSounds(runAt(ms / 1000.0, 9000));
    EXPECT_EQ(count(playLine(kSoundEngine, true)), 1);
    EXPECT_EQ(count(playLine(kSoundEjectShort, false)), 1);
    EXPECT_EQ(count(playLine(kSoundCatapult, false)), 1);
}

TEST_F(RunSounds, NewTriggerWithoutAnIdleFrameStillEndsTheOldRun) {
    for (int ms = 0; ms <= 1000; ms += 10) updateRunSounds(runAt(ms / 1000.0, 1000));
    recorder.clear();
    updateRunSounds(runAt(0.0, 5000));
    Log expected = loopsStop();
    expected.push_back(playLine(kSoundEngine, true));
    ASSERT_GE(recorder.log.size(), expected.size());
    EXPECT_EQ(Log(recorder.log.begin(), recorder.log.begin() + (long)expected.size()), expected);
}

TEST_F(RunSounds, AfterTheCrashTheCrashAndFireFollowTheDistanceInsteadOfTheEngine) {
    updateRunSounds(runAt(3.0));
    recorder.clear();
    RunSoundFrame f = runAt(3.01);
    f.crashed = true;
    f.eyeToCrashM = 2250.0f;
    updateRunSounds(f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundCrash, 50 * 50 - 5000), volumeLine(kSoundFire, -5000)}));
}

TEST_F(RunSounds, SoundOffTouchesNothingWhateverHappens) {
    soundOn = false;
    for (int ms = 0; ms <= 6000; ms += 50) {
        RunSoundFrame f = runAt(ms / 1000.0);
        f.crashed = ms > 3000;
        updateRunSounds(f);
    }
    updateRunSounds(RunSoundFrame());
    EXPECT_TRUE(recorder.log.empty());
}
