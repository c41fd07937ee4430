// Runs the vorix-sim binary when it has been built beside the tests.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kTool = std::string(VORIX_BUILD_DIR) + "/vorix-sim";

bool toolBuilt() { return std::ifstream(kTool).good(); }

int run(const std::string& args, std::string& out) {
    std::string cmd = kTool + " " + args + " 2>/dev/null";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return -1;
    char buf[4096];
    size_t n;
    out.clear();
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(VorixSimTool, ReportsTheRunAsJson) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string out;
    ASSERT_EQ(run("--home --set initialTasKt=400", out), 0);
    for (const char* key : {"\"catapultPhaseTimeS\":", "\"seqMode\":2", "\"tMainFire\":", "\"tLineStretch\":",
                            "\"landing\":", "\"apexHeightM\":", "\"maxDragTimeS\":", "\"tSeatManSeparation\":"})
        EXPECT_NE(out.find(key), std::string::npos) << key << " in " << out;
}

TEST(VorixSimTool, EventsThatDidNotHappenAreNull) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string out;
    ASSERT_EQ(run("--set fighterAltitudeM=2000000", out), 0);
    EXPECT_NE(out.find("\"tMainFire\":null"), std::string::npos) << out;
    EXPECT_NE(out.find("\"tSeatManSeparation\":null"), std::string::npos) << out;
    EXPECT_NE(out.find("\"landing\":null"), std::string::npos) << out;
}

TEST(VorixSimTool, RejectsUnknownNamesAndBadValues) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string out;
    EXPECT_EQ(run("--set noSuchField=1", out), 2);
    EXPECT_EQ(run("--set initialTasKt=fast", out), 2);
    EXPECT_EQ(run("--set initialTasKt=12x", out), 2);
    EXPECT_EQ(run("--set initialTasKt=", out), 2);
    EXPECT_EQ(run("--set applyGOnFighter=maybe", out), 2);
    EXPECT_EQ(run("--bogus", out), 2);
    EXPECT_TRUE(out.empty());
}

TEST(VorixSimTool, WritesTheCsvThroughATemporaryFile) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string path = std::string(VORIX_BUILD_DIR) + "/test_sim_trajectory.csv";
    std::remove(path.c_str());
    std::string out;
    ASSERT_EQ(run("--csv " + path, out), 0);
    std::ifstream csv(path);
    ASSERT_TRUE(csv.good());
    std::string header, first;
    std::getline(csv, header);
    std::getline(csv, first);
    EXPECT_EQ(header, "t,px,py,pz,vx,vy,vz,ax,ay,az,phase");
    EXPECT_EQ(first.rfind("0.001,", 0), 0u);
    EXPECT_FALSE(std::ifstream(path + ".tmp").good());
    std::remove(path.c_str());
    EXPECT_NE(run("--csv /nonexistent-dir/x.csv", out), 0);
}
