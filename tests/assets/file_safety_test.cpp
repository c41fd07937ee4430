// The floor every kept file goes through: text files are read only when they
// are regular and of a sane size (a link to /dev/zero, a pipe, a folder, a
// giant or an unreadable file is refused at once, told apart from a missing
// one); the atomic writer uses a unique temporary file, keeps links and
// permissions and never replaces anything but a regular file; the folder lock
// keeps a second writer out; the Data folder check names where it looked.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "assets/atomic_write.h"
#include "assets/data_folder.h"
#include "assets/folder_lock.h"
#include "assets/text_file.h"

namespace {

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vorix-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::string command = "rm -rf '" + dir + "'";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir.c_str());
    }
    std::string path(const char* name) const { return dir + "/" + name; }
    static void write(const std::string& p, const std::string& text) {
        FILE* f = std::fopen(p.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    static std::string read(const std::string& p) {
        std::string text;
        FILE* f = std::fopen(p.c_str(), "rb");
        if (!f) return "(none)";
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
        return text;
    }
    // Opens and reads all of p through the text-file floor; what it read, or
    // "refused: why" / "missing".
    static std::string readThrough(const std::string& p) {
        TextFileStatus status;
        FILE* f = openTextFile(p.c_str(), status);
        if (!f) return status.missing ? "missing" : std::string("refused: ") + status.why;
        std::string text;
        int c;
        while ((c = std::getc(f)) != EOF) text += (char)c;
        if (!closeTextFile(f, status)) return std::string("refused: ") + status.why;
        return text;
    }
    int filesIn() const {
        std::string command = "ls -A '" + dir + "' | wc -l";
        FILE* p = popen(command.c_str(), "r");
        int n = -1;
        if (p) {
            if (std::fscanf(p, "%d", &n) != 1) n = -1;
            pclose(p);
        }
        return n;
    }
    std::string dir;
};

TEST_F(FileSafety, OnlyRegularFilesOfASaneSizeAreRead) {
    write(path("plain"), "a\nb\n");
    EXPECT_EQ(readThrough(path("plain")), "a\nb\n");
    EXPECT_EQ(readThrough(path("absent")), "missing");
    EXPECT_EQ(readThrough(path("absent/below")), "missing");

    // Endless and blocking sources are refused before a byte is read.
    ASSERT_EQ(symlink("/dev/zero", path("zero").c_str()), 0);
    EXPECT_EQ(readThrough(path("zero")), "refused: not a regular file");
    ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readThrough(path("pipe")), "refused: not a regular file") << "a pipe without a writer must not block";
    ASSERT_EQ(mkdir(path("folder").c_str(), 0755), 0);
    EXPECT_EQ(readThrough(path("folder")), "refused: a folder, not a file");

    // A giant file (sparse: it costs no disk) is refused by its size.
    int fd = open(path("giant").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, kMaxTextFileBytes + 1), 0);
    close(fd);
    EXPECT_EQ(readThrough(path("giant")), "refused: larger than 64 MiB");

    // A read error part-way is not the end of the file: reading this
    // process's memory from address 0 fails with an I/O error.
    ASSERT_EQ(symlink("/proc/self/mem", path("failing").c_str()), 0);
    EXPECT_EQ(readThrough(path("failing")), "refused: Input/output error");

    if (geteuid() != 0) {  // root reads anything
        write(path("private"), "x");
        chmod(path("private").c_str(), 0);
        EXPECT_EQ(readThrough(path("private")), "refused: Permission denied");
    }
}

TEST_F(FileSafety, AtomicWriteUsesAFreshTemporaryFileAndKeepsWhatIsAround) {
    const std::string target = path("scene.ini");
    write(target, "old");
    chmod(target.c_str(), 0640);
    // Files at the names a fixed temporary name would have used are left alone.
    write(target + ".tmp", "someone's file");
    ASSERT_EQ(symlink(path("planted").c_str(), (target + ".tmp" + std::to_string(getpid())).c_str()), 0);
    ASSERT_TRUE(writeFileAtomic(target.c_str(), "new", 3));
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(read(target + ".tmp"), "someone's file");
    EXPECT_EQ(read(path("planted")), "(none)") << "a planted link redirected the write";
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file's permissions stay";
    EXPECT_EQ(filesIn(), 3) << "a temporary file was left behind";

    // A link is followed: its destination is replaced, the link stays.
    write(path("real.ini"), "linked");
    ASSERT_EQ(symlink("real.ini", path("link.ini").c_str()), 0);
    ASSERT_TRUE(writeFileAtomic(path("link.ini").c_str(), "through", 7));
    ASSERT_EQ(lstat(path("link.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(read(path("real.ini")), "through");

    // Nothing but a regular file is replaced: a device, a folder.
    ASSERT_EQ(symlink("/dev/null", path("null.ini").c_str()), 0);
    char why[160] = "";
    EXPECT_FALSE(writeFileAtomic(path("null.ini").c_str(), "x", 1, why, sizeof why));
    EXPECT_STREQ(why, "not a regular file");
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    ASSERT_EQ(mkdir(path("folder.ini").c_str(), 0755), 0);
    EXPECT_FALSE(writeFileAtomic(path("folder.ini").c_str(), "x", 1, why, sizeof why));
    EXPECT_STREQ(why, "a folder is in the way");

    // A folder that is not there: the reason comes back.
    EXPECT_FALSE(writeFileAtomic(path("absent/file").c_str(), "x", 1, why, sizeof why));
    EXPECT_STREQ(why, "No such file or directory");
}

TEST_F(FileSafety, StreamedWriteThatFailsLeavesTheTargetAsItWas) {
    const std::string target = path("file");
    write(target, "kept");
    AtomicFile a;
    ASSERT_TRUE(beginAtomicFile(a, target.c_str()));
    writeAtomicFile(a, "half", 4);
    abandonAtomicFile(a);
    EXPECT_EQ(read(target), "kept");
    EXPECT_EQ(filesIn(), 1);

    // Two writers at once each get their own temporary file.
    AtomicFile first, second;
    ASSERT_TRUE(beginAtomicFile(first, target.c_str()));
    ASSERT_TRUE(beginAtomicFile(second, target.c_str()));
    EXPECT_STRNE(first.temp, second.temp);
    writeAtomicFile(first, "first", 5);
    writeAtomicFile(second, "second", 6);
    ASSERT_TRUE(commitAtomicFile(second));
    ASSERT_TRUE(commitAtomicFile(first));
    EXPECT_EQ(read(target), "first");
    EXPECT_EQ(filesIn(), 1);
}

TEST_F(FileSafety, FolderLockKeepsASecondWriterOut) {
    const std::string target = path("scene.ini");
    int held = lockFolderOf(target.c_str());
    ASSERT_GE(held, 0);
    int other = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(other, 0);
    EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(errno, EWOULDBLOCK);
    unlockFolder(held);
    EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    close(other);
    EXPECT_EQ(lockFolderOf(path("absent/scene.ini").c_str()), -1) << "no folder: the caller goes on unlocked";
}

TEST_F(FileSafety, DataFolderCheckSaysWhereItLooked) {
    char message[4200] = "";
    EXPECT_FALSE(dataFolderPresent(dir.c_str(), message, sizeof message));
    EXPECT_EQ(std::string(message),
              "no Data folder in " + dir + ": start it from the build folder, or with scripts/run.sh");
    write(path("Data"), "not a folder");
    EXPECT_FALSE(dataFolderPresent(dir.c_str(), message, sizeof message));
    EXPECT_NE(std::string(message).find(dir + "/Data is not a folder"), std::string::npos) << message;
    std::remove(path("Data").c_str());
    ASSERT_EQ(mkdir(path("Data").c_str(), 0755), 0);
    EXPECT_TRUE(dataFolderPresent(dir.c_str(), message, sizeof message));
}

}  // namespace
