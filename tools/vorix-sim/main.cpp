// vorix-sim: computes ejections exactly as the simulator does: one run as a
// JSON object, a sweep of runs as CSV, or the minimum safe altitude over a
// parameter as CSV and an SVG chart.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sim/dynamic_response.h"
#include "sim/injury_analysis.h"
#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "tools/vorix-sim/interrupt.h"
#include "tools/vorix-sim/output_file.h"
#include "tools/vorix-sim/param_table.h"
#include "tools/vorix-sim/progress.h"
#include "tools/vorix-sim/report.h"
#include "tools/vorix-sim/run_point.h"
#include "tools/vorix-sim/svg_chart.h"
#include "tools/vorix-sim/sweep.h"
#include "tools/vorix-sim/trace_report.h"

namespace {

std::string helpText() {
    std::string text =
        "usage: vorix-sim [--home] [--set NAME=VALUE]... [--model FILE | --no-model]\n"
        "                 [--csv FILE | --sweep NAME=FROM:TO:STEP [--sweep ...] [--svg FILE [--plot LIST]] |\n"
        "                  --min-safe-altitude NAME=FROM:TO:STEP [--sweep ...] [--svg FILE]] [--out FILE] [--jobs N]\n"
        "       vorix-sim --dr-input FILE\n"
        "Computes one ejection run from the start-up parameters and prints its figures as JSON,\n"
        "or a sweep of runs as CSV. Figures are the model's, not a certification. Every number\n"
        "is the shortest text that reads back to the value at its own width (32 or 64 bits).\n"
        "Injury figures: the dynamic response DR on the seat's three axes (x forward, y to the\n"
        "left, z up the spine; drxMax the largest DR+, drxMin the most negative DR-, ...) and\n"
        "beta at low, moderate and high risk, over the seat/man phase (to separation), with the\n"
        "phase that sets each beta; the peak g on the rails and of the rocket's push; the\n"
        "windblast (kPa, KEAS) leaving the cockpit and its largest after; the opening shock in\n"
        "g of the pilot with his gear. They take g = 9.80665 m/s^2.\n"
        "Exit status: 0 done, 1 file error, 2 usage error, 3 the seat never left the fighter\n"
        "or the run diverged (the JSON then holds an \"error\" field; a seat that never left\n"
        "also its catapult figures), 130 (143) a sweep stopped by Ctrl-C (SIGTERM): the rows\n"
        "done so far are written.\n"
        "  --home            apply the zero-zero reset (HOME key) before the --set values\n"
        "  --set NAME=VALUE  set a parameter (repeatable); NAME is one of (with the values\n"
        "                    a seat can have, where they are bounded):\n";
    for (const char* const* n = parameterNames(); *n; ++n) {
        std::string line = std::string("                      ") + *n;
        const std::string range = parameterRangeText(*n);
        if (!range.empty()) line += std::string(line.size() < 44 ? 46 - line.size() : 2, ' ') + range;
        text += line + "\n";
    }
    text +=
        "  --model FILE      take the seat's mounting height and the canopy's hinge geometry\n"
        "                    from this polygon model (default: the shipped Data/poly.txt)\n"
        "  --no-model        use the built-in cockpit placement instead of a model\n"
        "  --csv FILE        write the per-millisecond trajectory (t, position, velocity,\n"
        "                    drag acceleration, phase, spinal input and response in g, the\n"
        "                    x and y inputs in g, DR+ and DR- of each axis and beta at low\n"
        "                    risk, the last ones empty after separation) to FILE\n"
        "  --sweep NAME=FROM:TO:STEP\n"
        "                    run every value of NAME (twice given, with two names: every pair)\n"
        "                    and write one CSV row of figures a run, in grid order as the runs\n"
        "                    are done; at most 10000 values a name and 10000000 points\n"
        "  --min-safe-altitude NAME=FROM:TO:STEP\n"
        "                    for each value of NAME, the lowest fighter altitude (to 0.5 m) at which\n"
        "                    the main parachute is fully open before touchdown, as CSV; with a\n"
        "                    --sweep (at most 8 values), one curve for each of its values\n"
        "  --svg FILE        draw the --min-safe-altitude curves, or the --sweep's figures against\n"
        "                    the first swept parameter (the second's values as curves, at most 8),\n"
        "                    as an SVG chart\n"
        "  --plot LIST       the sweep's figures to draw, comma-separated columns of its CSV\n"
        "                    (default dri,betaLow,openingShock.peakG)\n"
        "  --dr-input FILE   judge a measured trace (CSV: header t,ax,ay,az, then seconds and\n"
        "                    g along the occupant's axes, in time order, at most 600 s) by the\n"
        "                    same response model: prints its DR and beta figures as JSON\n"
        "  --out FILE        write the sweep's CSV to FILE instead of standard output\n"
        "  --jobs N          worker threads for sweeps (default: one per core)\n"
        "  --help            this text\n"
        "A sweep shows its progress on standard error when that is a terminal. Output files\n"
        "are written whole: a regular file (a link's target) through a temporary file beside\n"
        "it that replaces it at the end, a device or a pipe in place.\n";
    return text;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "vorix-sim: %s\n", message.c_str());
    std::fprintf(stderr, "Try 'vorix-sim --help'.\n");
    return 2;
}

int fileError(const std::string& message) {
    std::fprintf(stderr, "vorix-sim: %s\n", message.c_str());
    return 1;
}

bool takeValue(int argc, char** argv, int& i, std::string& value) {
    if (i + 1 >= argc || !*argv[i + 1]) return false;
    value = argv[++i];
    return true;
}

// The rows a sweep hands on go out at once, so they are seen as they come
// and kept when the sweep is stopped.
RowEmitter emitTo(OutputFile& out) {
    return [&out](const std::string& rows) { return out.write(rows) && out.flush(); };
}

// How a sweep's output ends: written whole, cut by a signal (the rows done
// are kept), failed (the target untouched) or refused.
int finishSweep(SweepEnd end, OutputFile& out, const SweepCount& count, std::string error) {
    if (end == SweepEnd::Refused) {
        out.discard();
        return usageError(error);
    }
    if (!out.finish(error)) return fileError(error);
    if (end == SweepEnd::Interrupted) {
        std::fprintf(stderr, "vorix-sim: stopped: %s has the rows of the first %ld of %ld points\n",
                     out.name().c_str(), count.emitted, count.total);
        return 128 + interruptSignal();
    }
    return 0;
}

// The conditions every point of a sweep shares, for the chart.
std::string conditions(const RunSetup& setup) {
    std::string s = setup.home ? "HOME values" : "Start-up values";
    for (const auto& a : setup.sets) s += ", " + a.first + " = " + a.second;
    s += setup.geometry.fromModel ? "; geometry of " + setup.geometry.modelPath : "; built-in geometry";
    return s;
}

RunAnalysis analysis;
SpinalSeries spinalSeries;
ResponseSeries responseSeries;

// The sweep's figures a chart can draw: its numeric columns.
bool plottableFigure(const std::string& name) {
    FigureRow row;
    flatRunFigures(simulation, analysis, row);
    for (const auto& cell : row) {
        if (name != cell.first) continue;
        const bool text = name == "error" || name == "spinalRiskRaised" || name == "chuteOpenBeforeTouchdown" ||
                          name.find("Phase") != std::string::npos;
        return !text;
    }
    return false;
}

bool parsePlotList(const std::string& list, std::vector<std::string>& names, std::string& error) {
    names.clear();
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string name = list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        if (!plottableFigure(name)) {
            error = "--plot: '" + name + "' is not a numeric figure of a sweep's CSV";
            return false;
        }
        names.push_back(name);
        if (names.size() > 8) {
            error = "--plot draws at most 8 figures";
            return false;
        }
        if (comma == std::string::npos) return true;
        from = comma + 1;
    }
}

int judgeTrace(const std::string& path) {
    ResponsePeaks peaks;
    TraceResponse trace;
    std::string error;
    if (!respondToTrace(path, peaks, trace, error)) return fileError(error);
    OutputFile out;
    if (!out.open("", error) || !out.write(traceResponseJson(peaks, trace)) || !out.finish(error))
        return fileError(error);
    return 0;
}

// What the command line asks for.
struct Options {
    RunSetup setup;
    GeometryChoice geometryChoice;
    std::string csvPath, outPath, svgPath, tracePath, plotList;
    std::vector<SweepAxis> sweeps;
    SweepAxis safeAxis;
    bool safeSearch = false, geometryChosen = false;
    int workers = defaultWorkerCount();
};

constexpr int kGoOn = -1;  // parsing found nothing to stop at

int takeSet(int argc, char** argv, int& i, const std::string& arg, RunSetup& setup) {
    std::string assignment, error;
    if (arg == "--set") {
        if (i + 1 >= argc) return usageError("--set needs NAME=VALUE");
        assignment = argv[++i];
    } else {
        assignment = arg.substr(6);
    }
    size_t eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0) return usageError("--set needs NAME=VALUE, got '" + assignment + "'");
    setup.sets.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
    // Refused values are reported before anything runs.
    if (!setParameterByName(simulation, setup.sets.back().first, setup.sets.back().second, error))
        return usageError(error);
    return kGoOn;
}

// The options that take a file name or a list after them.
int takeNamedValue(int argc, char** argv, int& i, const std::string& arg, Options& o) {
    struct Named {
        const char* option;
        std::string Options::*value;
        const char* missing;
    };
    static const Named named[] = {
        {"--csv", &Options::csvPath, "--csv needs a file name"},
        {"--out", &Options::outPath, "--out needs a file name"},
        {"--svg", &Options::svgPath, "--svg needs a file name"},
        {"--plot", &Options::plotList, "--plot needs a list of figures"},
        {"--dr-input", &Options::tracePath, "--dr-input needs a file name"},
    };
    for (const Named& n : named)
        if (arg == n.option) return takeValue(argc, argv, i, o.*n.value) ? kGoOn : usageError(n.missing);
    return usageError("unknown option '" + arg + "'");
}

int takeOption(int argc, char** argv, int& i, Options& o) {
    const std::string arg = argv[i];
    std::string value, error;
    if (arg == "--help" || arg == "-h") {
        OutputFile help;
        if (!help.open("", error) || !help.write(helpText()) || !help.finish(error)) return fileError(error);
        return 0;
    } else if (arg == "--home") {
        o.setup.home = true;
    } else if (arg == "--set" || arg.rfind("--set=", 0) == 0) {
        return takeSet(argc, argv, i, arg, o.setup);
    } else if (arg == "--model") {
        o.geometryChosen = true;
        if (!takeValue(argc, argv, i, o.geometryChoice.modelPath)) return usageError("--model needs a file name");
        o.geometryChoice.useModel = true;
    } else if (arg == "--no-model") {
        o.geometryChosen = true;
        o.geometryChoice.useModel = false;
    } else if (arg == "--sweep") {
        if (!takeValue(argc, argv, i, value)) return usageError("--sweep needs NAME=FROM:TO:STEP");
        SweepAxis axis;
        if (!parseSweepAxis(value, axis, error)) return usageError(error);
        o.sweeps.push_back(axis);
        if (o.sweeps.size() > 2) return usageError("at most two --sweep");
    } else if (arg == "--min-safe-altitude") {
        if (!takeValue(argc, argv, i, value)) return usageError("--min-safe-altitude needs NAME=FROM:TO:STEP");
        if (!parseSweepAxis(value, o.safeAxis, error)) return usageError(error);
        if (o.safeAxis.name == "fighterAltitudeM") return usageError("the altitude is what --min-safe-altitude finds");
        o.safeSearch = true;
    } else if (arg == "--jobs") {
        if (!takeValue(argc, argv, i, value)) return usageError("--jobs needs a number");
        char* end = nullptr;
        long n = std::strtol(value.c_str(), &end, 10);
        if (*end != '\0' || n < 1 || n > 64) return usageError("--jobs needs a number from 1 to 64");
        o.workers = (int)n;
    } else {
        return takeNamedValue(argc, argv, i, arg, o);
    }
    return kGoOn;
}

// Options that do not belong together are refused before anything runs.
// family: the chart's curves, the values of the family's --sweep.
int checkOptions(const Options& o, const SweepAxis*& family, SweepFigures& figures) {
    if (o.safeSearch && o.sweeps.size() > 1) return usageError("--min-safe-altitude takes one --sweep for its curves");
    const bool many = o.safeSearch || !o.sweeps.empty();
    if (many && !o.csvPath.empty()) return usageError("--csv belongs to a single run");
    if (!many && !o.outPath.empty()) return usageError("--out belongs to --sweep and --min-safe-altitude");
    if (!many && !o.svgPath.empty()) return usageError("--svg belongs to --sweep and --min-safe-altitude");
    if (!o.plotList.empty() && (o.safeSearch || o.svgPath.empty()))
        return usageError("--plot belongs to --svg with --sweep");
    family = o.safeSearch ? (o.sweeps.empty() ? nullptr : &o.sweeps[0])
                          : (o.sweeps.size() == 2 && !o.svgPath.empty() ? &o.sweeps[1] : nullptr);
    if (o.safeSearch && family && (family->name == o.safeAxis.name || family->name == "fighterAltitudeM"))
        return usageError("the curves' --sweep " + family->name +
                          " cannot be the searched altitude or the parameter along the curve");
    if (family && family->values.size() > kMaxChartCurves)
        return usageError("the curves' --sweep " + family->name + " has " + std::to_string(family->values.size()) +
                          " values; a chart draws at most 8");
    std::string error;
    if (!o.svgPath.empty() && !o.safeSearch &&
        !parsePlotList(o.plotList.empty() ? "dri,betaLow,openingShock.peakG" : o.plotList, figures.names, error))
        return usageError(error);
    if (!o.sweeps.empty() && !checkGrid(o.sweeps, error)) return usageError(error);
    return kGoOn;
}

// A sweep or a minimum-safe-altitude search: rows as they come, then the
// chart once every point is done. A stopped or failed search draws none.
template <typename Search, typename Chart>
int runMany(const Options& o, OutputFile& out, Search search, Chart chart) {
    std::string error;
    OutputFile svg;
    if (!o.svgPath.empty() && !svg.open(o.svgPath, error)) return fileError(error);
    catchInterrupts();
    SweepCount count;
    SweepEnd end = search(svg.isOpen(), count, error);
    if (end != SweepEnd::Done) {
        svg.discard();
        if (end == SweepEnd::Interrupted && !o.svgPath.empty())
            std::fprintf(stderr, "vorix-sim: the chart %s is not drawn\n", o.svgPath.c_str());
        return finishSweep(end, out, count, error);
    }
    const int status = finishSweep(end, out, count, error);
    if (status != 0) return status;
    if (svg.isOpen() && (!svg.write(chart()) || !svg.finish(error))) return fileError(error);
    return 0;
}

int runSingle(Options& o, OutputFile& out) {
    std::string error;
    OutputFile csv;
    if (!o.csvPath.empty() && !csv.open(o.csvPath, error)) return fileError(error);
    Simulation& sim = simulation;
    // A run stopped by a signal leaves no temporary file of its CSV behind.
    catchInterrupts();
    if (!computeRun(sim, analysis, &spinalSeries, o.setup, Assignments(), error, &responseSeries))
        return usageError(error);
    if (interruptSignal() != 0) return 128 + interruptSignal();
    RunReport report = buildRunReport(sim, analysis, o.setup.geometry);
    out.write(report.json);
    if (csv.isOpen() && !writeTrajectoryCsv(sim, spinalSeries, responseSeries, csv, error)) {
        if (interruptSignal() != 0) return 128 + interruptSignal();
        return fileError(error);
    }
    if (!out.finish(error)) return fileError(error);
    if (!report.error.empty()) {
        std::fprintf(stderr, "vorix-sim: %s\n", report.error.c_str());
        return 3;
    }
    return 0;
}

Options options;
SweepFigures figures;
std::vector<SafeAltitude> safePoints;

}  // namespace

int main(int argc, char** argv) {
    Options& o = options;
    for (int i = 1; i < argc; ++i) {
        const int status = takeOption(argc, argv, i, o);
        if (status != kGoOn) return status;
    }
    if (!o.tracePath.empty()) {
        if (o.setup.home || !o.setup.sets.empty() || o.geometryChosen || !o.csvPath.empty() || !o.outPath.empty() ||
            !o.svgPath.empty() || !o.plotList.empty() || !o.sweeps.empty() || o.safeSearch)
            return usageError("--dr-input judges a measured trace and takes no other option but --jobs");
        return judgeTrace(o.tracePath);
    }
    const SweepAxis* family = nullptr;
    const int refused = checkOptions(o, family, figures);
    if (refused != kGoOn) return refused;
    std::string error;
    if (!loadRunModel(o.geometryChoice, o.setup.geometry, error)) return fileError(error);

    // Every output is opened before anything runs: a path that cannot be
    // written costs no computing.
    OutputFile out;
    if (!out.open(o.outPath, error)) return fileError(error);
    const bool tty = errorStreamIsTerminal();
    if (!o.sweeps.empty() && !o.safeSearch)
        return runMany(
            o, out,
            [&](bool chart, SweepCount& count, std::string& e) {
                return sweepCsv(o.setup, o.sweeps, o.workers, tty, emitTo(out), count, e, chart ? &figures : nullptr);
            },
            [&]() { return sweepFiguresSvg(o.sweeps, figures, conditions(o.setup)); });
    if (o.safeSearch)
        return runMany(
            o, out,
            [&](bool, SweepCount& count, std::string& e) {
                return minSafeAltitudes(o.setup, o.safeAxis, family, o.workers, tty, emitTo(out), safePoints, count,
                                        e);
            },
            [&]() { return safeAltitudeSvg(o.safeAxis, family, safePoints, conditions(o.setup)); });
    return runSingle(o, out);
}
