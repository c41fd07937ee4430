// Loading the fifteen slots from a Data folder built here, on the recording
// device: the result codes, what reaches the device, and the volume scale.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "sound/sound_events.h"
#include "sound/sound_slots.h"
#include "sound_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;

void putU32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((uint8_t)(v >> (8 * i)));
}
void putU16(Bytes& b, uint32_t v) {
    b.push_back((uint8_t)v);
    b.push_back((uint8_t)(v >> 8));
}

// A mono 16-bit file of `frames` silent frames at `rate`.
Bytes wavFile(uint32_t rate, uint32_t frames) {
    Bytes b = {'R', 'I', 'F', 'F'};
    putU32(b, 36 + frames * 2);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putU32(b, 16);
    putU16(b, 1);
    putU16(b, 1);
    putU32(b, rate);
    putU32(b, rate * 2);
    putU16(b, 2);
    putU16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    putU32(b, frames * 2);
    b.insert(b.end(), frames * 2, 0);
    return b;
}

void writeFile(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A scratch folder with Data/sound/ holding all fifteen files (slot s has
// 10 + s frames, so the device log tells the files apart); the test runs
// inside it, as the program runs in its build folder.
class SoundFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/vorix-sound-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_TRUE(getcwd(oldCwd, sizeof oldCwd));
        ASSERT_EQ(chdir(dir.c_str()), 0);
        mkdir("Data", 0755);
        mkdir("Data/sound", 0755);
        for (int s = 0; s < kSoundSlotCount; ++s) writeFile(kSoundFiles[s], wavFile(22050, 10 + s));
        useRecorder();
    }
    void TearDown() override {
        releaseSounds();
        if (chdir(oldCwd) != 0) ADD_FAILURE() << "cannot return to " << oldCwd;
        std::string cmd = "rm -rf '" + dir + "'";
        if (std::system(cmd.c_str()) != 0) ADD_FAILURE() << "cannot remove " << dir;
    }
    int created() const {
        return (int)std::count_if(recorder.log.begin(), recorder.log.end(),
                                  [](const std::string& l) { return l.rfind("create", 0) == 0; });
    }
    std::string dir;
    char oldCwd[4096] = {};
};

}  // namespace

TEST_F(SoundFolder, AllFilesLoadOneBufferPerSlotAtHalfVolumeAndSoundComesOn) {
    EXPECT_EQ(loadSounds(), kSoundsLoaded);
    EXPECT_TRUE(soundOn);
    EXPECT_TRUE(soundAvailable);
    EXPECT_EQ(recorder.log.front(), "open");
    EXPECT_EQ(std::count(recorder.log.begin(), recorder.log.end(), std::string("open")), 1)
        << "one device serves every slot";
    ASSERT_EQ(created(), 15);
    // Slot 14 (int.wav) holds 24 frames of 16-bit mono at 22050 Hz.
    EXPECT_EQ(recorder.log.back(), "create 114 1x16@22050 48");
    for (int s = 0; s < kSoundSlotCount; ++s) {
        EXPECT_GT(soundSlots[s].buffer, 0) << s;
        EXPECT_EQ(soundSlots[s].volumePercent, 50) << s;
    }
}

TEST_F(SoundFolder, DeviceThatWillNotOpenLoadsNothing) {
    recorder.deviceOpens = false;
    EXPECT_EQ(loadSounds(), kSoundDeviceFailed);
    EXPECT_FALSE(soundOn);
    EXPECT_FALSE(soundAvailable);
    EXPECT_EQ(created(), 0);
    for (const SoundSlot& s : soundSlots) EXPECT_EQ(s.buffer, 0);
}

TEST_F(SoundFolder, OnlyTheLastFileDecidesTheResult) {
    // A missing middle file is not reported as a failure; its slot stays
    // empty and playing it reaches no device.
    std::remove("Data/sound/zizi.wav");
    EXPECT_EQ(loadSounds(), kSoundsLoaded);
    EXPECT_EQ(created(), 14);
    EXPECT_EQ(soundSlots[kSoundSpare3].buffer, 0);
    recorder.clear();
    playSoundOnce(kSoundSpare3);
    stopSound(kSoundSpare3);
    EXPECT_FALSE(setVolume(kSoundSpare3));
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(SoundFolder, MissingOrDamagedClosingTuneTurnsSoundOff) {
    std::remove("Data/sound/int.wav");
    EXPECT_EQ(loadSounds(), kSoundFileMissing);
    EXPECT_FALSE(soundOn);
    EXPECT_FALSE(soundAvailable);
    EXPECT_EQ(created(), 14);
    releaseSounds();
    useRecorder();

    Bytes notWave = wavFile(22050, 8);
    notWave[8] = 'X';  // "WAVX"
    writeFile("Data/sound/int.wav", notWave);
    EXPECT_EQ(loadSounds(), kSoundFileMissing);
    releaseSounds();
    useRecorder();

    Bytes cut = wavFile(22050, 8);
    cut.resize(30);  // inside the format chunk
    writeFile("Data/sound/int.wav", cut);
    EXPECT_EQ(loadSounds(), kSoundFileMissing);
    releaseSounds();
    useRecorder();

    mkdir("Data/sound/int.wav.d", 0755);
    std::remove("Data/sound/int.wav");
    ASSERT_EQ(rename("Data/sound/int.wav.d", "Data/sound/int.wav"), 0);  // a folder by the name
    EXPECT_EQ(loadSounds(), kSoundFileMissing);
}

TEST_F(SoundFolder, UnplayableSampleFormatIsRefused) {
    Bytes f = wavFile(22050, 8);
    f[20] = 3;  // format tag 3: floating point
    writeFile("Data/sound/int.wav", f);
    EXPECT_EQ(loadSounds(), kSoundFileMissing);
}

TEST_F(SoundFolder, ReloadingASlotReleasesItsOldBufferAndReleaseZeroesEverySlotInOrder) {
    ASSERT_EQ(loadSounds(), kSoundsLoaded);
    int old = soundSlots[kSoundDog].buffer;
    recorder.clear();
    ASSERT_TRUE(loadWav(kSoundDog, kSoundFiles[kSoundDog]));
    ASSERT_EQ(recorder.log.size(), 2u);
    EXPECT_EQ(recorder.log[0], "release " + std::to_string(old));
    EXPECT_NE(soundSlots[kSoundDog].buffer, old);

    recorder.clear();
    std::vector<std::string> expected;
    for (int s = 0; s < kSoundSlotCount; ++s) expected.push_back("release " + std::to_string(soundSlots[s].buffer));
    expected.push_back("close");
    releaseSounds();
    EXPECT_EQ(recorder.log, expected);
    for (const SoundSlot& s : soundSlots) {
        EXPECT_EQ(s.buffer, 0);
        EXPECT_FALSE(s.deviceReady);
        EXPECT_EQ(s.volumePercent, 0);
    }
}

TEST(SoundVolume, PercentBecomesHundredthsOfADecibel) {
    EXPECT_EQ(volumeHundredthsDb(100), 0);
    EXPECT_EQ(volumeHundredthsDb(50), -2500);
    EXPECT_EQ(volumeHundredthsDb(0), -5000);
    EXPECT_EQ(volumeHundredthsDb(80), -1000);
    // Outside the scale: the nearest end, never louder than full or a wild value.
    EXPECT_EQ(volumeHundredthsDb(-60), -5000);
    EXPECT_EQ(volumeHundredthsDb(130), 0);
}

TEST(SoundVolume, SetVolumeAppliesTheSlotPercent) {
    loadFakeSounds();
    soundSlots[kSoundWind].volumePercent = 50;
    EXPECT_TRUE(setVolume(kSoundWind));
    EXPECT_EQ(recorder.log, std::vector<std::string>{volumeLine(kSoundWind, -2500)});
    EXPECT_FALSE(setVolume(-1));
    EXPECT_FALSE(setVolume(kSoundSlotCount));
    releaseSounds();
}
