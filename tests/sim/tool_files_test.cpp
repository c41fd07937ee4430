// The tool's output files: what is replaced, what is written in place, what
// is refused, and what is never touched.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "tools/vorix-sim/output_file.h"

namespace {

class ToolFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vorix-tool-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string path(const std::string& name) const { return dir + "/" + name; }

    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void put(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

    std::set<std::string> entries() const {
        std::set<std::string> names;
        DIR* d = opendir(dir.c_str());
        while (dirent* e = d ? readdir(d) : nullptr)
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.insert(e->d_name);
        if (d) closedir(d);
        return names;
    }

    // Writes text to p through an OutputFile; the error of open or finish.
    static std::string writeThrough(const std::string& p, const std::string& text) {
        OutputFile out;
        std::string error;
        if (!out.open(p, error)) return error;
        out.write(text);
        if (!out.finish(error)) return error;
        return std::string();
    }

    std::string dir;
};

TEST_F(ToolFiles, ANewFileGetsTheUmaskModeAndNothingIsLeftBeside) {
    const mode_t mask = umask(022);
    EXPECT_EQ(writeThrough(path("run.csv"), "a,b\n1,2\n"), "");
    umask(mask);
    EXPECT_EQ(read(path("run.csv")), "a,b\n1,2\n");
    struct stat st;
    ASSERT_EQ(stat(path("run.csv").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(entries(), std::set<std::string>{"run.csv"});
}

TEST_F(ToolFiles, AnExistingFileIsReplacedWholeAndKeepsItsMode) {
    put(path("run.csv"), "old rows that are longer than the new ones\n");
    chmod(path("run.csv").c_str(), 0640);
    EXPECT_EQ(writeThrough(path("run.csv"), "new\n"), "");
    EXPECT_EQ(read(path("run.csv")), "new\n");
    struct stat st;
    ASSERT_EQ(stat(path("run.csv").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), std::set<std::string>{"run.csv"});
}

// Until finish, the target is what it was; a discarded or failed output
// leaves it so and takes its temporary file away.
TEST_F(ToolFiles, TheTargetChangesOnlyAtTheEnd) {
    put(path("run.csv"), "old\n");
    {
        OutputFile out;
        std::string error;
        ASSERT_TRUE(out.open(path("run.csv"), error)) << error;
        ASSERT_TRUE(out.write("half a row,") && out.flush());
        EXPECT_EQ(read(path("run.csv")), "old\n");
        EXPECT_EQ(read(out.temporaryPath()), "half a row,");
        out.discard();
    }
    EXPECT_EQ(read(path("run.csv")), "old\n");
    EXPECT_EQ(entries(), std::set<std::string>{"run.csv"});
}

TEST_F(ToolFiles, ALinkStaysALinkAndItsTargetGetsTheRows) {
    put(path("target.csv"), "old\n");
    ASSERT_EQ(symlink("target.csv", path("link.csv").c_str()), 0);
    EXPECT_EQ(writeThrough(path("link.csv"), "new\n"), "");
    struct stat st;
    ASSERT_EQ(lstat(path("link.csv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(read(path("target.csv")), "new\n");
    EXPECT_EQ(entries(), (std::set<std::string>{"link.csv", "target.csv"}));

    // A link to a file not there yet makes the file through the link.
    ASSERT_EQ(symlink("later.csv", path("dangling.csv").c_str()), 0);
    EXPECT_EQ(writeThrough(path("dangling.csv"), "made\n"), "");
    ASSERT_EQ(lstat(path("dangling.csv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(read(path("later.csv")), "made\n");
}

// A pipe is written as it is: the reader gets the rows, and the path is
// still a pipe afterwards.
TEST_F(ToolFiles, APipeIsWrittenInPlace) {
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    std::string got;
    std::thread reader([&] { got = read(path("pipe")); });
    EXPECT_EQ(writeThrough(path("pipe"), "through the pipe\n"), "");
    reader.join();
    EXPECT_EQ(got, "through the pipe\n");
    struct stat st;
    ASSERT_EQ(lstat(path("pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(entries(), std::set<std::string>{"pipe"});
}

// Devices made here (as the null and the full device are) rather than the
// machine's own, so that a fault cannot replace /dev/null.
TEST_F(ToolFiles, ADeviceIsWrittenInPlaceAndAFullOneSaysSo) {
    if (mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(path("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "devices cannot be made here";
    EXPECT_EQ(writeThrough(path("null"), "gone\n"), "");
    struct stat st;
    ASSERT_EQ(lstat(path("null").c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(writeThrough(path("full"), "no room\n"), "cannot write " + path("full") + ": No space left on device");
    ASSERT_EQ(lstat(path("full").c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(entries(), (std::set<std::string>{"full", "null"}));
}

// The old fixed name FILE.tmp: a file there is somebody's, a link there
// must not redirect the rows.
TEST_F(ToolFiles, WhatLiesAtTheOldTemporaryNameIsNotTouched) {
    put(path("run.csv.tmp"), "precious\n");
    put(path("victim.txt"), "victim\n");
    ASSERT_EQ(symlink("victim.txt", path("other.csv.tmp").c_str()), 0);
    EXPECT_EQ(writeThrough(path("run.csv"), "rows\n"), "");
    EXPECT_EQ(writeThrough(path("other.csv"), "rows\n"), "");
    EXPECT_EQ(read(path("run.csv.tmp")), "precious\n");
    EXPECT_EQ(read(path("victim.txt")), "victim\n");
    EXPECT_EQ(read(path("other.csv")), "rows\n");
}

// Two outputs to one file at once: each has a temporary file of its own,
// and the file ends as one of them whole.
TEST_F(ToolFiles, TwoOutputsToOneFileEachFinishWhole) {
    OutputFile a, b;
    std::string error;
    ASSERT_TRUE(a.open(path("run.csv"), error)) << error;
    ASSERT_TRUE(b.open(path("run.csv"), error)) << error;
    EXPECT_NE(a.temporaryPath(), b.temporaryPath());
    const std::string rowsA(100000, 'a'), rowsB(1000, 'b');
    a.write(rowsA.substr(0, 50000));
    b.write(rowsB);
    a.write(rowsA.substr(50000));
    ASSERT_TRUE(b.finish(error)) << error;
    ASSERT_TRUE(a.finish(error)) << error;
    EXPECT_EQ(read(path("run.csv")), rowsA);
    EXPECT_EQ(entries(), std::set<std::string>{"run.csv"});
}

TEST_F(ToolFiles, PathsThatCannotBeWrittenAreRefusedWithTheReason) {
    EXPECT_EQ(writeThrough(dir, "x"), "cannot write " + dir + ": Is a directory");
    EXPECT_EQ(writeThrough(path("no/such/folder.csv"), "x"),
              "cannot write " + path("no/such/folder.csv") + ": No such file or directory");
    put(path("file"), "x");
    EXPECT_EQ(writeThrough(path("file/below.csv"), "x"), "cannot write " + path("file/below.csv") + ": Not a directory");
    // As root every file may be written; the refusal of a file the user may
    // not write is tried as another user by the end-to-end check.
    if (geteuid() != 0) {
        put(path("locked.csv"), "kept\n");
        chmod(path("locked.csv").c_str(), 0444);
        EXPECT_EQ(writeThrough(path("locked.csv"), "x"), "cannot write " + path("locked.csv") + ": Permission denied");
        EXPECT_EQ(read(path("locked.csv")), "kept\n");
    }
    EXPECT_EQ(entries(), std::set<std::string>{"file"});
}

// Large writes go straight through; what was written is what arrives.
TEST_F(ToolFiles, LargeAndSmallWritesArriveInOrder) {
    OutputFile out;
    std::string error, expected;
    ASSERT_TRUE(out.open(path("big.csv"), error)) << error;
    for (int i = 0; i < 2000; ++i) {
        const std::string piece = std::string((size_t)(i % 7 == 0 ? 70000 : 13), (char)('a' + i % 26)) + "\n";
        expected += piece;
        ASSERT_TRUE(out.write(piece));
    }
    ASSERT_TRUE(out.finish(error)) << error;
    EXPECT_EQ(read(path("big.csv")), expected);
}

}  // namespace
