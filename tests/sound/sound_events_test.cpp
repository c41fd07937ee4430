// The effect events on the recording device: volumes by distance, the moments
// of the one-shot sounds, the wind by camera mode, and silence with sound off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/sound_events.h"
#include "sound/sound_rules.h"
#include "sound/sound_slots.h"
#include "sound_recorder.h"

using Log = std::vector<std::string>;

TEST(SoundDistance, EachRuleFallsOffWithDistanceAndNeverGoesNegative) {
    // Engine: the fighter's speed in knots, at most 80, less the cube of the
    // distance fraction of 1 km.
    EXPECT_EQ(engineVolumePercent(0.0f, 0.0f), 0);
    EXPECT_EQ(engineVolumePercent(30.0f, 0.0f), 58);     // 58.32 kt
    EXPECT_EQ(engineVolumePercent(200.0f, 0.0f), 80);
    EXPECT_EQ(engineVolumePercent(200.0f, 500.0f), 67);  // 80 - 12.5
    EXPECT_EQ(engineVolumePercent(200.0f, 1000.0f), 0);
    EXPECT_EQ(engineVolumePercent(10.0f, 900.0f), 0);    // 19.44 - 72.9 < 0
    EXPECT_EQ(engineVolumePercent(200.0f, 5000.0f), 0);

    EXPECT_EQ(crashVolumePercent(0.0f), 100);
    EXPECT_EQ(crashVolumePercent(2250.0f), 50);
    EXPECT_EQ(crashVolumePercent(9000.0f), 0);

    // The fire fades over 500 m; its rule would give -800 % at 4500 m.
    EXPECT_EQ(fireVolumePercent(0.0f), 100);
    EXPECT_EQ(fireVolumePercent(250.0f), 50);
    EXPECT_EQ(fireVolumePercent(499.0f), 0);  // 0.2 truncated
    EXPECT_EQ(fireVolumePercent(501.0f), 0);
    EXPECT_EQ(fireVolumePercent(4500.0f), 0);
    EXPECT_EQ(fireVolumePercent(1e9f), 0);

    EXPECT_EQ(catapultVolumePercent(0.0f), 100);
    EXPECT_EQ(catapultVolumePercent(280.0f), 75);
    EXPECT_EQ(catapultVolumePercent(560.0f), 0);
    EXPECT_EQ(catapultVolumePercent(2000.0f), 0);

    EXPECT_EQ(chuteVolumePercent(0.0f), 100);
    EXPECT_EQ(chuteVolumePercent(40.0f), 75);
    EXPECT_EQ(chuteVolumePercent(160.0f), 0);
    EXPECT_EQ(chuteVolumePercent(300.0f), 0);
}

TEST(SoundTiming, EjectionSoundFormDependsOnTheLeadBeforeTheSeatFires) {
    // Default lead of 0.6 s: the short form 0.7 s before the stroke ends.
    EjectionSoundCue shortCue = ejectionSoundCue(0.3, 0.3, 0.18f);
    EXPECT_EQ(shortCue.slot, kSoundEjectShort);
    EXPECT_NEAR(shortCue.startFlightTimeS, 0.6 + 0.18 - 0.7, 1e-6);
    EXPECT_FALSE(shortCue.rewind);
    EXPECT_EQ(ejectionSoundCue(5.0, 0.11, 0.2f).slot, kSoundEjectShort);

    // 5.12 s and more: the long form, rewound, 5.12 s ahead of the seat.
    EjectionSoundCue edge = ejectionSoundCue(4.82, 0.3, 0.2f);
    EXPECT_EQ(edge.slot, kSoundEjectLong);
    EXPECT_NEAR(edge.startFlightTimeS, 0.0, 1e-9);
    EXPECT_TRUE(edge.rewind);
    EjectionSoundCue longCue = ejectionSoundCue(8.0, 0.3, 0.2f);
    EXPECT_EQ(longCue.slot, kSoundEjectLong);
    EXPECT_NEAR(longCue.startFlightTimeS, 3.18, 1e-9);

    EXPECT_NEAR(catapultSoundSeatTime(0.18f), 0.10, 1e-6);
    EXPECT_EQ(catapultSoundSeatTime(0.05f), 0.0);
}

TEST(SoundEvents, WithSoundOffNoBufferIsTouched) {
    loadFakeSounds();
    soundOn = false;
    playClickSound();
    soundRunStarted();
    updateEngineSound(100.0f, 10.0f);
    updateEjectionSound(10.0, 0.3, 0.3, 0.2f);
    updateCatapultSound(10.0, 0.3, 0.3, 0.2f, 10.0f);
    playChuteOpening(10.0f);
    playWindSound(false);
    stopWindSound();
    fighterCrashedSound();
    updateCrashSounds(10.0f);
    playDogBark();
    startClosingTune();
    holdClosingTuneVolume();
    soundRunReset();
    EXPECT_TRUE(recorder.log.empty()) << recorder.log.front();
    releaseSounds();
}

TEST(SoundEvents, EjectionSoundPlaysOncePerRunAtItsMoment) {
    loadFakeSounds();
    // Short form: lead 0.6 s, stroke 0.2 s, so at flight time 0.1 s.
    updateEjectionSound(0.09, 0.3, 0.3, 0.2f);
    EXPECT_TRUE(recorder.log.empty());
    updateEjectionSound(0.11, 0.3, 0.3, 0.2f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundEjectShort, 0), playLine(kSoundEjectShort, false)}));
    recorder.clear();
    updateEjectionSound(0.5, 0.3, 0.3, 0.2f);
    EXPECT_TRUE(recorder.log.empty());

    // After a reset the next run plays it again; with a 6 s count-down the
    // long form starts rewound at flight time 1.18 s.
    soundRunReset();
    recorder.clear();
    updateEjectionSound(1.17, 6.0, 0.3, 0.2f);
    EXPECT_TRUE(recorder.log.empty());
    updateEjectionSound(1.2, 6.0, 0.3, 0.2f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundEjectLong, 0), rewindLine(kSoundEjectLong),
                                 playLine(kSoundEjectLong, false)}));
    releaseSounds();
}

TEST(SoundEvents, CatapultSoundsOnceAtItsDistanceVolumeAndNeverBeforeTheSeatFires) {
    loadFakeSounds();
    updateCatapultSound(0.69, 0.3, 0.3, 0.18f, 280.0f);  // seat time 0.09 s
    EXPECT_TRUE(recorder.log.empty());
    updateCatapultSound(0.71, 0.3, 0.3, 0.18f, 280.0f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundCatapult, 50 * 75 - 5000), playLine(kSoundCatapult, false)}));
    recorder.clear();
    updateCatapultSound(0.9, 0.3, 0.3, 0.18f, 0.0f);
    EXPECT_TRUE(recorder.log.empty());

    // A stroke shorter than 0.08 s: the sound waits for the seat to fire
    // rather than sounding during the count-down.
    soundRunReset();
    recorder.clear();
    updateCatapultSound(0.3, 0.3, 0.3, 0.05f, 0.0f);
    EXPECT_TRUE(recorder.log.empty());
    updateCatapultSound(0.6, 0.3, 0.3, 0.05f, 0.0f);
    EXPECT_EQ(recorder.log.size(), 2u);
    releaseSounds();
}

TEST(SoundEvents, ParachuteOpeningAndDogPlayOnceWhenCalled) {
    loadFakeSounds();
    playChuteOpening(40.0f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundChuteOpen, 50 * 75 - 5000), playLine(kSoundChuteOpen, false)}));
    recorder.clear();
    playChuteOpening(500.0f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundChuteOpen, -5000), playLine(kSoundChuteOpen, false)}));
    recorder.clear();
    playDogBark();
    EXPECT_EQ(recorder.log, Log{playLine(kSoundDog, false)}) << "the dog keeps the buffer's own level";
    releaseSounds();
}

TEST(SoundEvents, WindLoopsAtNinetyPercentUntilLanding) {
    loadFakeSounds();
    playWindSound(false);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundWind, -500), playLine(kSoundWind, true)}));
    recorder.clear();
    stopWindSound();
    EXPECT_EQ(recorder.log, Log{stopLine(kSoundWind)});
    recorder.clear();
    playWindSound(true);
    EXPECT_TRUE(recorder.log.empty()) << "no wind on the ground";
    releaseSounds();
}

TEST(SoundEvents, CrashSilencesTheFighterAndStartsTheFireByDistance) {
    loadFakeSounds();
    updateEngineSound(200.0f, 500.0f);
    EXPECT_EQ(recorder.log, Log{volumeLine(kSoundEngine, 50 * 67 - 5000)});
    recorder.clear();

    fighterCrashedSound();
    EXPECT_EQ(recorder.log, (Log{playLine(kSoundCrash, false), playLine(kSoundFire, true),
                                 stopLine(kSoundEngine), stopLine(kSoundEjectLong)}));
    recorder.clear();
    updateCrashSounds(600.0f);
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundCrash, 50 * 86 - 5000), volumeLine(kSoundFire, -5000)}));
    releaseSounds();
}

TEST(SoundEvents, RunStartResetClickAndClosingTune) {
    loadFakeSounds();
    soundRunStarted();
    EXPECT_EQ(recorder.log, Log{playLine(kSoundEngine, true)});
    recorder.clear();

    soundRun.catapultPlayed = soundRun.ejectionSoundPlayed = true;
    soundRunReset();
    EXPECT_EQ(recorder.log, (Log{stopLine(kSoundEngine), stopLine(kSoundEjectLong), stopLine(kSoundWind),
                                 stopLine(kSoundFire)}));
    EXPECT_FALSE(soundRun.catapultPlayed || soundRun.ejectionSoundPlayed);
    recorder.clear();

    playClickSound();
    EXPECT_EQ(recorder.log, Log{playLine(kSoundClick, false)});
    recorder.clear();

    startClosingTune();
    holdClosingTuneVolume();
    EXPECT_EQ(recorder.log, (Log{volumeLine(kSoundClosingTune, -5000), playLine(kSoundClosingTune, false),
                                 volumeLine(kSoundClosingTune, -1000)}));
    releaseSounds();
}

TEST(SoundEvents, ResetWithSoundOffStillClearsTheOneShotFlags) {
    loadFakeSounds();
    soundRun.catapultPlayed = true;
    soundOn = false;
    soundRunReset();
    EXPECT_FALSE(soundRun.catapultPlayed);
    EXPECT_TRUE(recorder.log.empty());
    releaseSounds();
}
