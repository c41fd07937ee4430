// Runs the vorix-sim binary built beside the tests.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "render/fighter_pose.h"
#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "sim/run_analysis.h"
#include "tests/sim/sim_fixture.h"
#include "tools/vorix-sim/report.h"
#include "tools/vorix-sim/run_geometry.h"

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
    EXPECT_EQ(header, "t,px,py,pz,vx,vy,vz,ax,ay,az,phase,spinalInputG,spinalResponseG,"
                      "inputXG,inputYG,drxPlus,drxMinus,dryPlus,dryMinus,drzPlus,drzMinus,betaLow");
    EXPECT_EQ(first.rfind("0.001,", 0), 0u);
    EXPECT_FALSE(std::ifstream(path + ".tmp").good());
    std::remove(path.c_str());
    EXPECT_NE(run("--csv /nonexistent-dir/x.csv", out), 0);
}

TEST(VorixSimTool, UsesTheShippedModelUnlessToldOtherwise) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string out;
    ASSERT_EQ(run("", out), 0);
    EXPECT_NE(out.find("\"geometry\":{\"source\":\"" + shippedModelPath() + "\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"mountingHeightM\":2.299999952316284,\"canopyMountPitchDeg\":6.54"), std::string::npos)
        << out;
    ASSERT_EQ(run("--no-model", out), 0);
    EXPECT_NE(out.find("\"geometry\":{\"source\":\"built-in\",\"mountingHeightM\":2.299999952316284,"
                       "\"canopyMountPitchDeg\":0}"),
              std::string::npos)
        << out;
    EXPECT_EQ(run("--model /nonexistent/poly.txt", out), 1);
    EXPECT_TRUE(out.empty());
}

// The program's sequence: the model loaded at the start-up attitude; a
// changed attitude normalised and the model re-posed at it (the program's
// own re-pose); then the trigger. The tool, given the same scene on its command line, reports
// every field the same.
TEST(VorixSimTool, ComputesExactlyAsTheProgram) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    const std::string modelPath = shippedModelPath();
    static PolyModel model;
    struct Scene {
        const char* args;
        std::function<void(Simulation&)> setUp;
        bool attitudeChanged;
    };
    const Scene scenes[] = {
        {"", [](Simulation&) {}, false},
        {"--set initialTasKt=450 --set fighterAltitudeM=100",
         [](Simulation& s) {
             s.params.initialTasKt = 450.0f;
             s.fighterPosition.altitude = 100.0;
         },
         false},
        {"--home --set initialTasKt=400", [](Simulation& s) {
             resetToZeroZero(s, 0);
             s.params.initialTasKt = 400.0f;
         }, true},
        {"--set pitchDeg=30 --set initialTasKt=250 --set fighterAltitudeM=1000", [](Simulation& s) {
             s.attitude.pitchDeg = 30.0f;
             s.params.initialTasKt = 250.0f;
             s.fighterPosition.altitude = 1000.0;
         }, true},
        {"--set headingDeg=-90 --set rollDeg=20 --set initialTasKt=450 --set fighterAltitudeM=100",
         [](Simulation& s) {
             s.attitude.headingDeg = -90.0f;
             s.attitude.rollDeg = 20.0f;
             s.params.initialTasKt = 450.0f;
             s.fighterPosition.altitude = 100.0;
         }, true},
    };
    for (const Scene& scene : scenes) {
        auto sim = makeDefaultSim();
        SeatAxes axes;
        static PartSnapshot snapshot;
        ASSERT_TRUE(loadFighterModel(modelPath.c_str(), model, sim->attitude.pitchDeg, sim->attitude.rollDeg,
                                     sim->attitude.headingDeg, sim->params.seatBackAngleDeg,
                                     (float)sim->constants.rocketCantDeg, axes, snapshot, sim->geometry));
        scene.setUp(*sim);
        if (scene.attitudeChanged) reposeFighter(*sim, model);
        ejectNow(*sim);
        auto analysis = std::make_unique<RunAnalysis>();
        analyseRun(*sim, *analysis, nullptr);
        analyseInjuries(*sim, *analysis, nullptr);
        GeometryUsed used;
        used.fromModel = true;
        used.modelPath = modelPath;
        RunReport program = buildRunReport(*sim, *analysis, used);
        ASSERT_TRUE(program.error.empty()) << program.error;

        std::string tool;
        ASSERT_EQ(run(scene.args, tool), 0) << scene.args;
        EXPECT_EQ(tool, program.json) << scene.args;
    }
}

TEST(VorixSimTool, SaysWhenTheSeatNeverLeavesOrTheRunDiverges) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string out;
    for (const char* hostile : {"--set seatMassKg=1e-30 --set pilotMassKg=1e-30 --set gearMassKg=0"}) {
        ASSERT_EQ(run(hostile, out), 3) << hostile;
        EXPECT_EQ(out.rfind("{\"error\":\"the run diverged", 0), 0u) << out;
        EXPECT_NE(out.find("\"divergedAtS\":"), std::string::npos) << out;
        EXPECT_EQ(out.find("\"landing\""), std::string::npos) << out;
    }
    ASSERT_EQ(run("--set catapultOnsetRate=0", out), 3);
    EXPECT_NE(out.find("\"error\":\"the seat never leaves the fighter"), std::string::npos) << out;
    // A catapult weaker than the package's weight: the figures the pages show
    // then stand beside the error, in the JSON and in a sweep's row.
    ASSERT_EQ(run("--set seatBackAngleDeg=0 --set catapultThrustLb=400", out), 3);
    EXPECT_EQ(out.rfind("{\"error\":\"the seat never leaves the fighter: the catapult cannot overcome", 0), 0u) << out;
    EXPECT_NE(out.find("\",\"catapultPhaseTimeS\":999999,\"catapultEndSpeedFtS\":0,\"catapultG\":0,"
                       "\"gravityG\":-1.0006119,\"rocketG\":0,\"geometry\":{\"source\":"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("\"landing\""), std::string::npos) << out;
    std::string csv;
    ASSERT_EQ(run("--set catapultThrustLb=400 --sweep seatBackAngleDeg=0:0:1", csv), 0);
    // Every other figure of the row is empty.
    const size_t columns = (size_t)std::count(csv.begin(), csv.begin() + (long)csv.find('\n'), ',') + 1;
    EXPECT_NE(csv.find("\n0,,999999,0," + std::string(columns - 5, ',') + "the seat never leaves the fighter"),
              std::string::npos)
        << csv;
}

// One row a grid point, each the single run with the same values.
TEST(VorixSimTool, SweepRowsAreTheSingleRuns) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    std::string csv;
    ASSERT_EQ(run("--set fighterAltitudeM=30 --sweep initialTasKt=0:300:150 --sweep sinkRateFtS=0:40:40 --jobs 2", csv), 0);
    std::istringstream lines(csv);
    std::string header, row;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("initialTasKt,sinkRateFtS,seqMode,", 0), 0u) << header;
    std::vector<std::string> names;
    {
        std::stringstream headerStream(header);
        for (std::string c; std::getline(headerStream, c, ',');) names.push_back(c);
    }
    ASSERT_EQ(names.back(), "error");
    // The JSON value of a field as printed, a string without its quotes:
    // the touchdown's figures sit in its own object, and so do those named
    // OBJECT.FIELD.
    auto jsonValue = [](const std::string& json, std::string name) -> std::string {
        size_t from = 0;
        const std::string touchdown = "touchdown";
        const size_t dot = name.find('.');
        if (dot != std::string::npos) {
            from = json.find("\"" + name.substr(0, dot) + "\":{");
            if (from == std::string::npos) return "<none>";
            name = name.substr(dot + 1);
        } else if (name.rfind(touchdown, 0) == 0) {
            from = json.find("\"touchdown\":{");
            if (from == std::string::npos) return "<none>";
            name = name.substr(touchdown.size());
            name[0] = (char)std::tolower((unsigned char)name[0]);
        }
        const std::string key = "\"" + name + "\":";
        size_t at = json.find(key, from);
        if (at == std::string::npos) return "<none>";
        std::string value = json.substr(at + key.size());
        value = value.substr(0, value.find_first_of(",}"));
        if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
        return value;
    };
    int rows = 0;
    while (std::getline(lines, row)) {
        ++rows;
        std::vector<std::string> cells;
        std::stringstream cellStream(row + ",");
        for (std::string c; std::getline(cellStream, c, ',');) cells.push_back(c);
        ASSERT_EQ(cells.size(), names.size()) << row;
        std::string json;
        ASSERT_EQ(run("--set fighterAltitudeM=30 --set initialTasKt=" + cells[0] + " --set sinkRateFtS=" + cells[1], json), 0);
        // Every figure of the row is the single run's, to the last digit.
        for (size_t i = 2; i + 1 < names.size(); ++i)
            EXPECT_EQ(cells[i], jsonValue(json, names[i])) << names[i] << " in " << row;
        EXPECT_EQ(cells.back(), "");
        EXPECT_EQ(json.find("\"error\""), std::string::npos);
    }
    EXPECT_EQ(rows, 3 * 2);
}
