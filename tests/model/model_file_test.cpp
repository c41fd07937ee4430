// The model file must be a regular file: a link to an endless device, a pipe
// without a writer or a folder is refused at once with its path and why,
// instead of holding start-up for good; a read error is not a short model.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "render/poly_model.h"
#include "tests/model/model_text.h"

namespace {

PolyModel model;

TEST(ModelFile, OnlyARegularFileIsRead) {
    char dir[] = "/tmp/vorix_model_file_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string zero = std::string(dir) + "/zero.txt", pipe = std::string(dir) + "/pipe.txt",
                      folder = std::string(dir) + "/folder.txt", failing = std::string(dir) + "/failing.txt";
    ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(symlink("/proc/self/mem", failing.c_str()), 0);
    const std::pair<std::string, const char*> cases[] = {{zero, "not a regular file"},
                                                         {pipe, "not a regular file"},
                                                         {folder, "a folder, not a file"},
                                                         {failing, "Input/output error"}};
    for (const auto& c : cases) {
        LoadErrorRecorder errors;
        EXPECT_FALSE(loadModelFile(c.first, model)) << c.first;
        EXPECT_EQ(LoadErrorRecorder::count, 1);
        EXPECT_EQ(LoadErrorRecorder::last, c.first + "\nThe model file cannot be read: " + c.second + ".");
        EXPECT_EQ(LoadErrorRecorder::boxesShown, 0);
        EXPECT_EQ(model.lastSlot, 0);
    }
    std::string command = std::string("rm -rf '") + dir + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}

}  // namespace
