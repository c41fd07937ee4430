// vorix-sim reads its model through the program's own loader: a model path
// that is a link to an endless device is refused at once, through the
// tool's own loading code and through the tool itself.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/error_report.h"
#include "tools/vorix-sim/run_geometry.h"

namespace {

const std::string kTool = std::string(VORIX_BUILD_DIR) + "/vorix-sim";

void quiet(const char*, const char*) {}

TEST(VorixSimModelFile, EndlessDeviceIsRefusedAtOnce) {
    setErrorBoxHandler(quiet);
    GeometryChoice choice;
    choice.modelPath = "/dev/zero";
    GeometryUsed used;
    std::string error;
    EXPECT_FALSE(loadRunModel(choice, used, error));
    EXPECT_NE(error.find("/dev/zero"), std::string::npos) << error;
    EXPECT_EQ(used.model, nullptr);
    setErrorBoxHandler(nullptr);

    if (!std::ifstream(kTool).good()) GTEST_SKIP() << "vorix-sim not built";
    // A hang is ended by the time limit, and shows as its exit status (124).
    std::string command = "timeout 60 " + kTool + " --model /dev/zero >/dev/null 2>&1";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
