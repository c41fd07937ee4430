// Output of vorix-sim: the JSON summary of a computed run and the optional
// per-millisecond CSV.
#pragma once

#include <cstdio>
#include <string>

struct Simulation;
struct GeometryUsed;

struct RunReport {
    std::string json;    // one line, ending in a newline
    std::string error;   // empty for a run that ejected and stayed finite
};

// The summary of a computed run. A run in which the seat never leaves the
// fighter, whose state stopped being finite, or which has a figure that is not
// finite is reported as an object with an "error" field (and "divergedAtS" for
// a diverged run) instead of its figures; error then says the same.
RunReport buildRunReport(const Simulation& sim, const GeometryUsed& geometry);

// Writes the trajectory to path through path.tmp and a rename; false with a
// message in error on any failure (the target is then untouched).
bool writeTrajectoryCsv(const Simulation& sim, const std::string& path, std::string& error);

// Number formatted at full precision, or null when not finite.
std::string jsonNumber(double v);
