// vorix-sim's injury options: a measured trace judged by the run's own
// model, and the charts of a sweep.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kTool = std::string(VORIX_BUILD_DIR) + "/vorix-sim";

bool toolBuilt() { return std::ifstream(kTool).good(); }

// Exit status, standard output in out, standard error in err.
int run(const std::string& args, std::string& out, std::string* err = nullptr) {
    const std::string errPath = std::string(VORIX_BUILD_DIR) + "/test_sim_injury.err";
    std::string cmd = kTool + " " + args + " 2>" + errPath;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return -1;
    char buf[4096];
    size_t n;
    out.clear();
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    int status = pclose(pipe);
    if (err) {
        std::ifstream e(errPath);
        std::stringstream s;
        s << e.rdbuf();
        *err = s.str();
    }
    std::remove(errPath.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double jsonNumberOf(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return NAN;
    return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream s(line + ",");
    for (std::string c; std::getline(s, c, ',');) cells.push_back(c);
    return cells;
}

}  // namespace

// The run's own seat-pan input, written by --csv and read back as a
// measured trace, gives the run's figures: one model for both.
TEST(VorixSimInjury, ARunsTraceJudgedAsAMeasuredOneGivesItsFigures) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    const std::string csvPath = std::string(VORIX_BUILD_DIR) + "/test_sim_injury_run.csv";
    const std::string tracePath = std::string(VORIX_BUILD_DIR) + "/test_sim_injury_trace.csv";
    std::string json;
    ASSERT_EQ(run("--set initialTasKt=450 --set fighterAltitudeM=100 --csv " + csvPath, json), 0);
    std::ifstream csv(csvPath);
    std::string line;
    std::getline(csv, line);
    const std::vector<std::string> names = cellsOf(line);
    auto column = [&](const std::string& name) {
        for (size_t k = 0; k < names.size(); ++k)
            if (names[k] == name) return k;
        return names.size();
    };
    const size_t t = column("t"), x = column("inputXG"), y = column("inputYG"), z = column("spinalInputG");
    ASSERT_LT(x, names.size());
    std::ofstream trace(tracePath);
    trace << "t,ax,ay,az\n";
    int rows = 0;
    while (std::getline(csv, line)) {
        const std::vector<std::string> c = cellsOf(line);
        if (c[x].empty()) break;  // past the seat/man phase
        trace << c[t] << "," << c[x] << "," << c[y] << "," << c[z] << "\n";
        ++rows;
    }
    trace.close();
    ASSERT_GT(rows, 1000);
    std::string judged;
    ASSERT_EQ(run("--dr-input " + tracePath, judged), 0);
    for (const char* key : {"drxMin", "drzMax", "drzMin", "betaLow", "betaModerate", "betaHigh"}) {
        const double want = jsonNumberOf(json, key), got = jsonNumberOf(judged, key);
        EXPECT_NEAR(got, want, std::fabs(want) * 0.002) << key;
        EXPECT_NEAR(jsonNumberOf(judged, std::string(key) + "TimeS"), jsonNumberOf(json, std::string(key) + "TimeS"),
                    0.0011)
            << key;
    }
    EXPECT_EQ(jsonNumberOf(judged, "rows"), rows);
    std::remove(csvPath.c_str());
    std::remove(tracePath.c_str());
}

TEST(VorixSimInjury, ABadTraceIsOneLineAndExitOne) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    const std::string path = std::string(VORIX_BUILD_DIR) + "/test_sim_injury_bad.csv";
    std::ofstream(path) << "t,ax,ay,az\n0,0,0,1\n0.001,0,zero,1\n";
    std::string out, err;
    EXPECT_EQ(run("--dr-input " + path, out, &err), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(err, "vorix-sim: " + path + " line 3: ay 'zero' is not a finite number\n");
    std::remove(path.c_str());
    // A trace is judged on its own.
    EXPECT_EQ(run("--dr-input " + path + " --set initialTasKt=100", out), 2);
    EXPECT_EQ(run("--dr-input " + path + " --sweep initialTasKt=0:10:10", out), 2);
}

// The figures of a sweep drawn against its parameter, one curve a value of
// the second sweep, the limits dashed; what a chart cannot draw is refused
// before anything runs.
TEST(VorixSimInjury, ASweepsFiguresAreDrawn) {
    if (!toolBuilt()) GTEST_SKIP() << "vorix-sim not built";
    const std::string svgPath = std::string(VORIX_BUILD_DIR) + "/test_sim_injury.svg";
    std::string out;
    ASSERT_EQ(run("--sweep pilotMassKg=50:110:30 --sweep initialTasKt=0:450:450 --svg " + svgPath +
                      " --plot dri,windblast.exposureKeas",
                  out),
              0);
    EXPECT_EQ(out.rfind("pilotMassKg,initialTasKt,", 0), 0u);
    std::ifstream svg(svgPath);
    std::stringstream s;
    s << svg.rdbuf();
    const std::string chart = s.str();
    for (const char* part : {">DRI, spine<", ">Windblast leaving the cockpit (KEAS)<", ">limit 18<", ">450: flail risk<",
                             ">Occupant mass (kg)<", ">True airspeed (kt)<", "stroke-dasharray=\"6 4\""})
        EXPECT_NE(chart.find(part), std::string::npos) << part;
    // Two panels of two curves.
    size_t lines = 0;
    for (size_t at = chart.find("<polyline"); at != std::string::npos; at = chart.find("<polyline", at + 1)) ++lines;
    EXPECT_EQ(lines, 4u);
    std::remove(svgPath.c_str());

    EXPECT_EQ(run("--sweep pilotMassKg=50:110:30 --svg " + svgPath + " --plot betaLowPhase", out), 2);
    EXPECT_EQ(run("--sweep pilotMassKg=50:110:30 --svg " + svgPath + " --plot noSuchFigure", out), 2);
    EXPECT_EQ(run("--sweep pilotMassKg=50:110:30 --plot dri", out), 2);
    EXPECT_EQ(run("--sweep pilotMassKg=50:110:30 --sweep initialTasKt=0:900:100 --svg " + svgPath, out), 2);
    EXPECT_EQ(run("--min-safe-altitude sinkRateFtS=0:10:10 --sweep sinkRateFtS=0:10:10", out), 2);
    EXPECT_EQ(run("--min-safe-altitude sinkRateFtS=0:10:10 --sweep pilotMassKg=50:60:10 --sweep seatMassKg=1:2:1",
                  out),
              2);
    EXPECT_FALSE(std::ifstream(svgPath).good());
}
