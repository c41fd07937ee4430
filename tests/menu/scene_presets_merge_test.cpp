// Writing the scene list when the file may have changed under it: two
// programs in one Data folder keep each other's scenes, a program waiting for
// the folder lock merges what the other wrote meanwhile, a file that exists
// but cannot be read is never written over, and scenes a failed write left in
// the list survive the reload key.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "assets/folder_lock.h"
#include "menu/scene_presets.h"
#include "temp_files.h"

namespace {

ScenePresetTable first, second;  // two programs; 720 kB each, off the stack

std::vector<std::string> names(const ScenePresetTable& t) {
    std::vector<std::string> out;
    for (ScenePreset* p = t.head; p; p = p->next) out.push_back(p->name);
    return out;
}

// The names a preset file holds, in file order.
std::vector<std::string> namesIn(const std::string& path) {
    std::vector<std::string> out;
    std::string text = readText(path);
    for (size_t at = text.find("\n[Name]:"); at != std::string::npos; at = text.find("\n[Name]:", at + 1))
        out.push_back(text.substr(at + 8, text.find('\n', at + 8) - at - 8));
    return out;
}

std::string threePresets() {
    return "\nWARNING: Do Not Edit ! May Cause Crash!\n"
           "\n[Name]:one\n1.000 \n[Name]:three\n3.000 \n[Name]:two\n2.000 \n[END]\n";
}

void add(ScenePresetTable& t, const char* name, float value) {
    float v[2] = {value, 0.1234567f};  // the second value shows the file's three decimals
    ASSERT_NE(insertScenePreset(t, name, v, 2), nullptr);
}

ScenePreset* named(ScenePresetTable& t, const char* name) {
    for (ScenePreset* p = t.head; p; p = p->next)
        if (std::strcmp(p->name, name) == 0) return p;
    return nullptr;
}

void reset(ScenePresetTable& t) {
    clearScenePresets(t);
    t.changed = false;
    t.fileProblem[0] = '\0';
    t.fileUnreadable = false;
}

struct Quiet {
    Quiet() { testing::internal::CaptureStderr(); }
    std::string said() { return testing::internal::GetCapturedStderr(); }
};

TEST(ScenePresetMerge, TwoProgramsInOneFolderKeepEachOthersScenes) {
    std::string path = tempPath("shared.ini");
    writeText(path, threePresets());
    reset(first);
    reset(second);
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), first), 1);
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), second), 1);

    add(first, "from first", 10);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
    add(second, "from second", 20);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), second));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"from first", "from second", "one", "three", "two"}));
    EXPECT_EQ(names(second), namesIn(path)) << "the list shows the file after a write";
    EXPECT_FLOAT_EQ(named(second, "from second")->values[1], 0.123f);

    // Deletions: only what this program deleted goes; the other's addition stays.
    deleteScenePreset(first, named(first, "two"));
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"from first", "from second", "one", "three"}));
    deleteScenePreset(second, named(second, "from first"));
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), second));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"from second", "one", "three"}));
    // A preset the other program deleted already is simply gone.
    deleteScenePreset(first, named(first, "from first"));
    add(first, "again", 5);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"again", "from second", "one", "three"}));

    // The same scene saved by both (the same second, the same state): both kept.
    reset(first);
    reset(second);
    loadScenePresetsFrom(path.c_str(), first);
    loadScenePresetsFrom(path.c_str(), second);
    add(first, "1-2-2025 10:00:00", 7);
    add(second, "1-2-2025 10:00:00", 7);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), second));
    EXPECT_EQ(namesIn(path).size(), 6u);
    EXPECT_EQ(usedPresetSlots(second), 6);
}

TEST(ScenePresetMerge, WriterWaitingForTheLockMergesWhatTheOtherWroteMeanwhile) {
    std::string path = tempPath("locked.ini");
    writeText(path, threePresets());
    reset(first);
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), first), 1);
    add(first, "mine", 1);

    // Another program holds the lock from its read to its rename.
    int lock = lockFolderOf(path.c_str());
    ASSERT_GE(lock, 0);
    bool written = false;
    std::thread writer([&] { written = saveScenePresetsTo(path.c_str(), first); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(readText(path), threePresets()) << "written while the lock was held";
    std::string theirs = threePresets();
    theirs.insert(theirs.find("\n[END]"), "\n[Name]:theirs\n9.000 ");
    writeText(path, theirs);
    unlockFolder(lock);
    writer.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"mine", "one", "three", "two", "theirs"}));
}

TEST(ScenePresetMerge, FileThatCannotBeReadIsNeverWrittenOver) {
    // A folder in its place, a read error part-way (this process's memory
    // read from address 0), and an endless device.
    struct Case {
        const char* name;
        const char* linkTo;
    } cases[] = {{"folder.ini", nullptr}, {"failing.ini", "/proc/self/mem"}, {"zero.ini", "/dev/zero"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = tempPath(c.name);
        if (c.linkTo) ASSERT_EQ(symlink(c.linkTo, path.c_str()), 0);
        else ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
        reset(first);
        Quiet quiet;
        EXPECT_EQ(loadScenePresetsFrom(path.c_str(), first), -1);
        EXPECT_TRUE(first.fileUnreadable);
        add(first, "new", 1);
        EXPECT_FALSE(saveScenePresetsTo(path.c_str(), first));
        EXPECT_FALSE(saveScenePresetsTo(path.c_str(), first));
        EXPECT_EQ(reloadScenePresetsFrom(path.c_str(), first), 0);
        std::string said = quiet.said();
        EXPECT_NE(said.find("cannot read " + path), std::string::npos) << said;
        EXPECT_EQ(said.find("cannot read"), said.rfind("cannot read")) << "told once: " << said;
        EXPECT_NE(std::string(first.fileProblem).find("cannot be read"), std::string::npos);
        EXPECT_EQ(names(first), std::vector<std::string>{"new"}) << "the unsaved scene stays in the list";
        struct stat st;
        ASSERT_EQ(lstat(path.c_str(), &st), 0);
        EXPECT_EQ(c.linkTo ? S_ISLNK(st.st_mode) : S_ISDIR(st.st_mode), true) << "replaced";

        // Once it reads again, the scene made meanwhile joins what it holds.
        std::remove(path.c_str());
        rmdir(path.c_str());
        writeText(path, threePresets());
        ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
        EXPECT_EQ(namesIn(path), (std::vector<std::string>{"new", "one", "three", "two"}));
        EXPECT_EQ(first.fileProblem[0], '\0');
        std::remove(path.c_str());
    }
}

TEST(ScenePresetMerge, ScenesAFailedWriteLeftSurviveTheReload) {
    std::string path = tempPath("full.ini");
    writeText(path, threePresets());
    reset(first);
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), first), 1);
    add(first, "unsaved", 4);
    // A full disk: no file may grow past 16 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit was{}, tiny{};
    getrlimit(RLIMIT_FSIZE, &was);
    tiny = was;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    // (Standard error is not captured: the capture is a file too.)
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), first));
    EXPECT_EQ(reloadScenePresetsFrom(path.c_str(), first), 0) << "the reload keeps the list";
    setrlimit(RLIMIT_FSIZE, &was);
    EXPECT_EQ(std::string(first.fileProblem), path + " cannot be written (File too large): scenes not saved");
    EXPECT_EQ(readText(path), threePresets()) << "a failed write left the file changed";
    EXPECT_EQ(names(first), (std::vector<std::string>{"one", "three", "two", "unsaved"}));
    // Room again: the reload writes the scene first and then shows the file.
    EXPECT_EQ(reloadScenePresetsFrom(path.c_str(), first), 1);
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"one", "three", "two", "unsaved"}));
    EXPECT_FALSE(first.changed);
}

TEST(ScenePresetMerge, FileRemovedMeanwhileIsWrittenWithWhatTheListHad) {
    std::string path = tempPath("removed.ini");
    writeText(path, threePresets());
    reset(first);
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), first), 1);
    std::remove(path.c_str());
    add(first, "four", 4);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), first));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"four", "one", "three", "two"}));
}

}  // namespace
