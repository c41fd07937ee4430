// Output of vorix-sim: the JSON summary of a computed run and the optional
// per-millisecond CSV.
#pragma once

#include <cstdio>
#include <string>

struct Simulation;

// Writes the summary object (one line) to out.
void writeJsonReport(const Simulation& sim, std::FILE* out);

// Writes the trajectory to path through path.tmp and a rename; false with a
// message in error on any failure (the target is then untouched).
bool writeTrajectoryCsv(const Simulation& sim, const std::string& path, std::string& error);

// Number formatted at full precision, or null when not finite.
std::string jsonNumber(double v);
