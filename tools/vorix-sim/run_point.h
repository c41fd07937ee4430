// One run of vorix-sim: the start-up values, the zero-zero reset when asked,
// the NAME=VALUE assignments, the geometry, the run and its analysis. The
// single run and every point of a sweep go through this one path, so a
// sweep's row is the single run with the same assignments.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/vorix-sim/run_geometry.h"

struct RunAnalysis;
struct Simulation;
struct ResponseSeries;
struct SpinalSeries;

using Assignments = std::vector<std::pair<std::string, std::string>>;

struct RunSetup {
    bool home = false;
    Assignments sets;          // applied in order after the reset
    GeometryUsed geometry;
};

// True for the fighter's attitude angles.
bool isAttitudeName(const std::string& name);

// Resets sim to a fresh record (its trajectory store kept), applies the
// setup and then `extra`, computes the run and analyses it, the injury
// figures included. False with a message when an assignment is refused.
// series and responses (may be null) receive the per-millisecond figures.
bool computeRun(Simulation& sim, RunAnalysis& analysis, SpinalSeries* series, const RunSetup& setup,
                const Assignments& extra, std::string& error, ResponseSeries* responses = nullptr);
