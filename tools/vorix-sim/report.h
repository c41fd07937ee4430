// Output of vorix-sim: the JSON summary of a computed run and the optional
// per-millisecond CSV.
#pragma once

#include <cstdio>
#include <string>

#include <utility>
#include <vector>

#include "tools/vorix-sim/json_object.h"

class OutputFile;
struct Simulation;
struct GeometryUsed;
struct ResponseSeries;
struct RunAnalysis;
struct SpinalSeries;

struct RunReport {
    std::string json;    // one line, ending in a newline
    std::string error;   // empty for a run that ejected and stayed finite
};

// The summary of a computed run. A run in which the seat never leaves the
// fighter, whose state stopped being finite, or which has a figure that is not
// finite is reported as an object with an "error" field instead of its
// figures; error then says the same. Beside it stand "divergedAtS" for a
// diverged run, and for a seat that never leaves the catapult figures the
// pages show then (phase time 999999, end speed 0, catapult and rocket 0 g,
// the weight along the rails).
RunReport buildRunReport(const Simulation& sim, const RunAnalysis& analysis, const GeometryUsed& geometry);

// Why the run has no figures to report (the seat never left the fighter, the
// run diverged), or empty.
std::string runFailure(const Simulation& sim);

// The run's figures as flat NAME, VALUE pairs in a fixed order, each value
// formatted as in the JSON summary ("" where the JSON has null or no field);
// one row of a sweep. A seat that never leaves keeps its catapult figures.
using FigureRow = std::vector<std::pair<const char*, std::string>>;
void flatRunFigures(const Simulation& sim, const RunAnalysis& analysis, FigureRow& row);

// Writes the trajectory, with the spine's input and response and the three
// axes' inputs and responses (empty after the seat/man phase), to out (opened
// before the run); false with the file's name and the reason on a failure
// (a replaced target is then untouched). A signal (Ctrl-C) stops the writing
// and takes the temporary file away.
bool writeTrajectoryCsv(const Simulation& sim, const SpinalSeries& spine, const ResponseSeries& response,
                        OutputFile& out, std::string& error);

// The CSV's header line, without its newline.
extern const char* const kTrajectoryCsvHeader;
