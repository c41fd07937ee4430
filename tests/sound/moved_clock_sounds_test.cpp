// The run's sounds when a paused run's clock is moved by hand: nothing plays
// once, the one-shots count by the new time, and the crash sets the loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sound/run_sounds.h"
#include "sound/sound_events.h"
#include "sound/sound_slots.h"
#include "sound_recorder.h"

namespace {

// The default 0.6 s lead and a 0.18 s stroke: the short ejection sound is
// due at 0.08 s of flight, the catapult at 0.7 s.
RunSoundFrame runAt(double flightTimeS) {
    RunSoundFrame f;
    f.playing = true;
    f.runStartMs = 1000;
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

RunSoundFrame movedTo(double flightTimeS, bool back) {
    RunSoundFrame f = runAt(flightTimeS);
    f.clockMoved = true;
    f.clockMovedBack = back;
    return f;
}

int count(const std::string& line) { return (int)std::count(recorder.log.begin(), recorder.log.end(), line); }
bool logged(const std::string& line) { return count(line) > 0; }
bool anyPlayOnce() {
    for (int slot = 0; slot < kSoundSlotCount; ++slot)
        if (logged(playLine(slot, false))) return true;
    return false;
}

class MovedClock : public ::testing::Test {
protected:
    void SetUp() override {
        loadFakeSounds();
        runSoundWatch = RunSoundWatch();
        updateRunSounds(runAt(0.0));
    }
    void TearDown() override { releaseSounds(); }
};

}  // namespace

TEST_F(MovedClock, SteppedAheadPastTheirMomentsTheOneShotsStaySilent) {
    recorder.clear();
    updateRunSounds(movedTo(2.0, false));
    // Paused frames, then playing on from there.
    for (int ms = 2000; ms <= 2500; ms += 10) updateRunSounds(runAt(ms / 1000.0));
    EXPECT_FALSE(anyPlayOnce());
    EXPECT_TRUE(soundRun.ejectionSoundPlayed && soundRun.catapultPlayed);
}

TEST_F(MovedClock, SteppedBackTheyFallSilentAndPlayAgainWhenPlayingReachesThem) {
    for (int ms = 0; ms <= 2000; ms += 10) updateRunSounds(runAt(ms / 1000.0));
    recorder.clear();
    RunSoundFrame back = movedTo(0.05, true);
    updateRunSounds(back);
    for (int slot : {(int)kSoundEjectShort, (int)kSoundCatapult, (int)kSoundChuteOpen}) {
        EXPECT_TRUE(logged(stopLine(slot))) << slot;
        EXPECT_TRUE(logged(rewindLine(slot))) << slot;
    }
    EXPECT_FALSE(anyPlayOnce()) << "nothing is played going back";
    for (int ms = 50; ms <= 2000; ms += 10) updateRunSounds(runAt(ms / 1000.0));
    EXPECT_EQ(count(playLine(kSoundEjectShort, false)), 1);
    EXPECT_EQ(count(playLine(kSoundCatapult, false)), 1);

    // Back to a moment after the catapult: it stays played and sounding.
    recorder.clear();
    updateRunSounds(movedTo(1.0, true));
    EXPECT_FALSE(logged(stopLine(kSoundCatapult)));
    EXPECT_FALSE(logged(stopLine(kSoundEjectShort)));
    EXPECT_TRUE(soundRun.catapultPlayed);
}

TEST_F(MovedClock, TheCrashDecidesTheLoops) {
    // Stepped ahead past the crash: the fire loops, the engine stops, no crash plays.
    recorder.clear();
    RunSoundFrame down = movedTo(9.0, false);
    down.crashed = true;
    updateRunSounds(down);
    EXPECT_TRUE(logged(playLine(kSoundFire, true)));
    EXPECT_TRUE(logged(stopLine(kSoundEngine)));
    EXPECT_FALSE(anyPlayOnce());
    // Further paused frames and steps while down change no loop.
    recorder.clear();
    down.flightTimeS = 9.5;
    updateRunSounds(down);
    EXPECT_FALSE(logged(playLine(kSoundFire, true)));

    // Back before it: the engine again, the crash and the fire silent.
    recorder.clear();
    updateRunSounds(movedTo(3.0, true));
    EXPECT_TRUE(logged(playLine(kSoundEngine, true)));
    EXPECT_TRUE(logged(stopLine(kSoundFire)));
    EXPECT_TRUE(logged(stopLine(kSoundCrash)) && logged(rewindLine(kSoundCrash)));
}

TEST_F(MovedClock, TheWindStopsWhereThePilotIsDownOrStillOnTheRails) {
    recorder.clear();
    RunSoundFrame landed = movedTo(40.0, false);
    landed.landed = true;
    updateRunSounds(landed);
    EXPECT_TRUE(logged(stopLine(kSoundWind)));
    recorder.clear();
    updateRunSounds(movedTo(0.7, true));  // seat time 0.1 s: the stroke is not over
    EXPECT_TRUE(logged(stopLine(kSoundWind)));
    recorder.clear();
    updateRunSounds(movedTo(2.0, false));  // in the air: the view decides
    EXPECT_FALSE(logged(stopLine(kSoundWind)));
}

TEST_F(MovedClock, SoundOffCountsTheMomentsButTouchesNothing) {
    soundOn = false;
    recorder.clear();
    updateRunSounds(movedTo(2.0, false));
    RunSoundFrame back = movedTo(0.0, true);
    back.crashed = false;
    updateRunSounds(back);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_FALSE(soundRun.ejectionSoundPlayed);
}
