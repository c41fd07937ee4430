// The settings file: the exact text written, the records read back, the scan
// rules of partial lines, and damaged files that must neither crash the reader
// nor be replaced by less than they held.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "assets/settings_file.h"
#include "menu/program_settings.h"
#include "render/scene_switches.h"
#include "temp_files.h"

namespace {

constexpr const char* kDefaultText =
    "\n// sky color\n\nS 0.000 0.000 0.000\nF 0.840 0.810 0.810\nO 1 1 0 1 1\nx\n";

struct Settings : ::testing::Test {
    SceneSwitches switches;
    bool sound = true;
    SettingsFileState state;
    SettingsTargets targets = settingsTargetsFor(switches, sound);

    bool read(const std::string& text, const char* name = "read.ini") {
        std::string path = tempPath(name);
        writeText(path, text);
        return readSettingsFile(path.c_str(), targets, state);
    }
};

TEST_F(Settings, MissingFileIsWrittenFromTheValuesInMemory) {
    std::string path = tempPath("missing.ini");
    EXPECT_FALSE(readSettingsFile(path.c_str(), targets, state));
    EXPECT_EQ(readText(path), kDefaultText);

    sound = false;  // at start-up the sounds are not loaded yet
    std::string second = tempPath("missing2.ini");
    readSettingsFile(second.c_str(), targets, state);
    EXPECT_EQ(readText(second), "\n// sky color\n\nS 0.000 0.000 0.000\nF 0.840 0.810 0.810\nO 0 1 0 1 1\nx\n");
}

TEST_F(Settings, RecordsBetweenCommentsAndBlankLinesUpToTheEndMark) {
    EXPECT_TRUE(read("/ first\n\nF 0.1 0.2 0.3\n// again\n\n\nO 1 0 1 0 0\nx\nF 0.9 0.9 0.9\nO 1 1 1 1 1\n"));
    EXPECT_FLOAT_EQ(switches.fogColor[0], 0.1f);
    EXPECT_FLOAT_EQ(switches.fogColor[2], 0.3f);
    EXPECT_TRUE(sound);
    EXPECT_FALSE(switches.trees);
    EXPECT_TRUE(switches.buildings);
    EXPECT_FALSE(switches.sky);
    EXPECT_FALSE(switches.fighter);
}

TEST_F(Settings, SoundValueCanOnlySwitchSoundOff) {
    read("O 0 1 0 1 1\nx\n");
    EXPECT_FALSE(sound);
    read("O 1 1 0 1 1\nx\n");
    EXPECT_FALSE(sound) << "a file cannot switch sound on";
}

TEST_F(Settings, PartialLinesKeepTheLastValuesOfTheirScanTargets) {
    // A first O line with only some numbers switches the rest off.
    read("O 1 1\nx\n");
    EXPECT_TRUE(sound);
    EXPECT_TRUE(switches.trees);
    EXPECT_FALSE(switches.buildings);
    EXPECT_FALSE(switches.sky);
    EXPECT_FALSE(switches.fighter);

    // S and F share their three scan targets: an F line with one number takes
    // the other two from the S line before it.
    read("S 255 127.5 51\nF 0.5\nx\n");
    EXPECT_FLOAT_EQ(switches.skyColor[0], 1.0f);
    EXPECT_NEAR(switches.skyColor[1], 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(switches.fogColor[0], 0.5f);
    EXPECT_FLOAT_EQ(switches.fogColor[1], 127.5f);
    EXPECT_FLOAT_EQ(switches.fogColor[2], 51.0f);

    // A record letter alone has no fields: its targets keep the scan's zeros.
    read("F\nx\n");
    EXPECT_EQ(switches.fogColor[0], 0.0f);
}

TEST_F(Settings, SkyColourIsDividedBy255BothWays) {
    read("S 255 255 255\nx\n");
    for (float c : switches.skyColor) EXPECT_NEAR(c, 1.0f, 1e-6);
    std::string path = tempPath("sky.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str(), targets, state));
    EXPECT_NE(readText(path).find("\nS 0.004 0.004 0.004\n"), std::string::npos);
}

// Each colour's three components keep their places, on the way out and back.
TEST_F(Settings, ColourComponentsKeepTheirOrder) {
    switches.skyColor[0] = 0.25f;
    switches.skyColor[1] = 0.5f;
    switches.skyColor[2] = 0.75f;
    switches.fogColor[0] = 0.1f;
    switches.fogColor[1] = 0.2f;
    switches.fogColor[2] = 0.3f;
    std::string path = tempPath("order.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str(), targets, state));
    const std::string text = readText(path);
    EXPECT_NE(text.find("\nS 0.001 0.002 0.003\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nF 0.100 0.200 0.300\n"), std::string::npos) << text;

    read("S 51 102 153\nF 0.6 0.7 0.8\nx\n");
    EXPECT_NEAR(switches.skyColor[0], 0.2f, 1e-6);
    EXPECT_NEAR(switches.skyColor[1], 0.4f, 1e-6);
    EXPECT_NEAR(switches.skyColor[2], 0.6f, 1e-6);
    EXPECT_FLOAT_EQ(switches.fogColor[0], 0.6f);
    EXPECT_FLOAT_EQ(switches.fogColor[1], 0.7f);
    EXPECT_FLOAT_EQ(switches.fogColor[2], 0.8f);
}

TEST_F(Settings, FileWithoutEndMarkEndsAtTheEndOfTheFile) {
    EXPECT_TRUE(read("F 0.25 0.5 0.75\nO 1 0 0 0 1"));
    EXPECT_FLOAT_EQ(switches.fogColor[1], 0.5f);
    EXPECT_FALSE(switches.trees);
    EXPECT_TRUE(switches.fighter);
}

TEST_F(Settings, WindowsLineEndsRead) {
    read("\r\n// sky color\r\n\r\nS 0.000 0.000 0.000\r\nF 0.500 0.250 0.125\r\nO 1 0 1 0 1\r\nx\r\n");
    EXPECT_FLOAT_EQ(switches.fogColor[2], 0.125f);
    EXPECT_FALSE(switches.trees);
    EXPECT_TRUE(switches.fighter);
    EXPECT_FALSE(state.heldMore);
}

TEST_F(Settings, WrittenFileReadsBackToTheSameValues) {
    switches.trees = false;
    switches.buildings = true;
    switches.fogColor[0] = 0.125f;
    std::string path = tempPath("round.ini");
    ASSERT_TRUE(writeSettingsFile(path.c_str(), targets, state));
    SceneSwitches back;
    bool backSound = true;
    SettingsFileState backState;
    ASSERT_TRUE(readSettingsFile(path.c_str(), settingsTargetsFor(back, backSound), backState));
    EXPECT_FALSE(back.trees);
    EXPECT_TRUE(back.buildings);
    EXPECT_FLOAT_EQ(back.fogColor[0], 0.125f);
    EXPECT_FALSE(backState.heldMore);

    // The largest colour a file can give is still written in full.
    switches.fogColor[1] = -3.4e38f;
    switches.skyColor[2] = 3.4e38f;
    ASSERT_TRUE(writeSettingsFile(path.c_str(), targets, state));
    ASSERT_TRUE(readSettingsFile(path.c_str(), settingsTargetsFor(back, backSound), backState));
    EXPECT_EQ(back.fogColor[1], -3.4e38f);
    // The sky colour is divided by 255 on the way out and again on the way in.
    EXPECT_FLOAT_EQ(back.skyColor[2], (float)(3.4e38 / 255.0 / 255.0));
}

TEST_F(Settings, DamagedFilesLoadWhatTheyCanAndStayUntilSomethingChanges) {
    std::string junk(10 * 1024 * 1024, 'F');  // a 10 MB line
    std::string text = junk + "\nF nan 1e39 0.5\n\x01\x02\xff binary\nO 1 0 1 1 1\nx\n";
    text.insert(text.size() - 3, std::string("\0\0", 2));
    std::string path = tempPath("hostile.ini");
    writeText(path, text);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(readSettingsFile(path.c_str(), targets, state));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("hostile.ini"), std::string::npos)
        << "a damaged file is named on standard error";
    for (float c : switches.fogColor) EXPECT_TRUE(std::isfinite(c));
    EXPECT_FLOAT_EQ(switches.fogColor[2], 0.5f);
    EXPECT_FALSE(switches.trees);
    EXPECT_TRUE(state.heldMore);

    // Nothing changed: the file keeps what it held.
    EXPECT_FALSE(writeSettingsFile(path.c_str(), targets, state));
    EXPECT_EQ(readText(path).size(), text.size());
    // The user switched the trees on: the new values are written.
    switches.trees = true;
    EXPECT_TRUE(writeSettingsFile(path.c_str(), targets, state));
    EXPECT_NE(readText(path).find("\nO 1 1 1 1 1\n"), std::string::npos);
}

TEST_F(Settings, UnwritableFolderIsReportedOnceAndNothingElseHappens) {
    std::string path = tempPath("no-such-folder/3d_eject.ini");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(readSettingsFile(path.c_str(), targets, state));
    EXPECT_FALSE(writeSettingsFile(path.c_str(), targets, state));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no-such-folder/3d_eject.ini"), std::string::npos);
    EXPECT_EQ(err.find("3d_eject.ini"), err.rfind("3d_eject.ini")) << err;
}

TEST_F(Settings, FileThatCannotBeReadIsToldOnceAndNeverWrittenOver) {
    // A folder in its place, a read error part-way, an endless device.
    std::string folder = tempPath("folder.ini"), failing = tempPath("failing.ini"), zero = tempPath("zero.ini");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(symlink("/proc/self/mem", failing.c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
    for (const std::string& path : {folder, failing, zero}) {
        SCOPED_TRACE(path);
        state = SettingsFileState();
        switches.trees = false;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(readSettingsFile(path.c_str(), targets, state));
        EXPECT_FALSE(readSettingsFile(path.c_str(), targets, state));  // the reload key
        EXPECT_FALSE(writeSettingsFile(path.c_str(), targets, state));  // the end of the program
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("cannot read " + path), std::string::npos) << err;
        EXPECT_EQ(err.find(path), err.rfind(path)) << "told once: " << err;
        EXPECT_TRUE(state.unreadable);
        EXPECT_EQ(std::string(state.problem).find(path + " cannot be read ("), 0u) << state.problem;
        EXPECT_FALSE(switches.trees) << "the values in memory stay";
        struct stat st;
        ASSERT_EQ(lstat(path.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode)) << "replaced by a fresh file";
    }
    // Readable again: read, and written as before.
    rmdir(folder.c_str());
    writeText(folder, kDefaultText);
    EXPECT_TRUE(readSettingsFile(folder.c_str(), targets, state));
    EXPECT_FALSE(state.unreadable);
    EXPECT_EQ(state.problem[0], '\0');
    switches.trees = false;
    EXPECT_TRUE(writeSettingsFile(folder.c_str(), targets, state));
}

}  // namespace
