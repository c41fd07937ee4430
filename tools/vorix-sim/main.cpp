// vorix-sim: computes one ejection exactly as the simulator does and prints
// its figures as one JSON object.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sim/playback.h"
#include "sim/simulation.h"
#include "tools/vorix-sim/param_table.h"
#include "tools/vorix-sim/report.h"
#include "tools/vorix-sim/run_geometry.h"

namespace {

void printHelp() {
    std::printf(
        "usage: vorix-sim [--home] [--set NAME=VALUE]... [--model FILE | --no-model] [--csv FILE]\n"
        "Computes one ejection run from the start-up parameters and prints its figures as JSON.\n"
        "Exit status: 0 run reported, 1 file error, 2 usage error, 3 the seat never left the\n"
        "fighter or the run diverged (the JSON then holds an \"error\" field).\n"
        "  --home            apply the zero-zero reset (HOME key) before the --set values\n"
        "  --set NAME=VALUE  set a parameter (repeatable); NAME is one of:\n");
    for (const char* const* n = parameterNames(); *n; ++n) std::printf("                      %s\n", *n);
    std::printf(
        "  --model FILE      take the seat's mounting height and the canopy's hinge geometry\n"
        "                    from this polygon model (default: the shipped Data/poly.txt)\n"
        "  --no-model        use the built-in cockpit placement instead of a model\n"
        "  --csv FILE        write the per-millisecond trajectory (t, position, velocity,\n"
        "                    drag acceleration, phase) to FILE\n"
        "  --help            this text\n");
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "vorix-sim: %s\n", message.c_str());
    std::fprintf(stderr, "Try 'vorix-sim --help'.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool home = false;
    std::string csvPath;
    GeometryChoice geometryChoice;
    std::vector<std::pair<std::string, std::string>> sets;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        } else if (arg == "--home") {
            home = true;
            geometryChoice.attitudeChanged = true;
        } else if (arg == "--set" || arg.rfind("--set=", 0) == 0) {
            std::string assignment;
            if (arg == "--set") {
                if (i + 1 >= argc) return usageError("--set needs NAME=VALUE");
                assignment = argv[++i];
            } else {
                assignment = arg.substr(6);
            }
            size_t eq = assignment.find('=');
            if (eq == std::string::npos || eq == 0) return usageError("--set needs NAME=VALUE, got '" + assignment + "'");
            sets.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
            const std::string& name = sets.back().first;
            if (name == "headingDeg" || name == "pitchDeg" || name == "rollDeg") geometryChoice.attitudeChanged = true;
        } else if (arg == "--csv") {
            if (i + 1 >= argc) return usageError("--csv needs a file name");
            csvPath = argv[++i];
            if (csvPath.empty()) return usageError("--csv needs a file name");
        } else if (arg == "--model") {
            if (i + 1 >= argc || !*argv[i + 1]) return usageError("--model needs a file name");
            geometryChoice.modelPath = argv[++i];
            geometryChoice.useModel = true;
        } else if (arg == "--no-model") {
            geometryChoice.useModel = false;
        } else {
            return usageError("unknown option '" + arg + "'");
        }
    }

    Simulation& sim = simulation;
    setDefaults(sim);
    if (home) resetToZeroZero(sim, 0);
    for (const auto& s : sets) {
        std::string error;
        if (!setParameterByName(sim, s.first, s.second, error)) return usageError(error);
    }

    GeometryUsed geometry;
    std::string error;
    if (!prepareRunGeometry(sim, geometryChoice, geometry, error)) {
        std::fprintf(stderr, "vorix-sim: %s\n", error.c_str());
        return 1;
    }

    // The empty seat's turn comes from the random generator in the program;
    // the tool uses the middle of its range so its output is repeatable.
    startEjection(sim, false, 0, 25);
    RunReport report = buildRunReport(sim, geometry);
    std::fputs(report.json.c_str(), stdout);

    if (!csvPath.empty() && !writeTrajectoryCsv(sim, csvPath, error)) {
        std::fprintf(stderr, "vorix-sim: %s\n", error.c_str());
        return 1;
    }
    if (!report.error.empty()) {
        std::fprintf(stderr, "vorix-sim: %s\n", report.error.c_str());
        return 3;
    }
    return 0;
}
