// Output of vorix-sim: the JSON summary of a computed run and the optional
// per-millisecond CSV.
#pragma once

#include <cstdio>
#include <string>

#include <utility>
#include <vector>

struct Simulation;
struct GeometryUsed;
struct RunAnalysis;
struct SpinalSeries;

struct RunReport {
    std::string json;    // one line, ending in a newline
    std::string error;   // empty for a run that ejected and stayed finite
};

// The summary of a computed run. A run in which the seat never leaves the
// fighter, whose state stopped being finite, or which has a figure that is not
// finite is reported as an object with an "error" field (and "divergedAtS" for
// a diverged run) instead of its figures; error then says the same.
RunReport buildRunReport(const Simulation& sim, const RunAnalysis& analysis, const GeometryUsed& geometry);

// Why the run has no figures to report (the seat never left the fighter, the
// run diverged), or empty.
std::string runFailure(const Simulation& sim);

// The run's figures as flat NAME, VALUE pairs in a fixed order, each value
// formatted as in the JSON summary ("" where the JSON has null); one row of a
// sweep.
using FigureRow = std::vector<std::pair<const char*, std::string>>;
void flatRunFigures(const Simulation& sim, const RunAnalysis& analysis, FigureRow& row);

// Writes the trajectory, with the spine's input and response, to path
// through path.tmp and a rename; false with a message in error on any
// failure (the target is then untouched).
bool writeTrajectoryCsv(const Simulation& sim, const SpinalSeries& spine, const std::string& path,
                        std::string& error);

// Number formatted at full precision, or null when not finite.
std::string jsonNumber(double v);
