// Many runs at once: a grid of one or two swept parameters, and the lowest
// fighter altitude at which the main parachute is fully open before
// touchdown, found for each value of a parameter. The runs are spread over
// worker threads, each with a simulation (and trajectory store) of its own.
#pragma once

#include <string>
#include <vector>

#include "tools/vorix-sim/run_point.h"

// NAME=FROM:TO:STEP; values FROM + k STEP up to TO, each written with 12
// significant digits and set from that text as --set would.
struct SweepAxis {
    std::string name;
    std::vector<std::string> values;
};

// False with a message for an unknown name, a number that does not parse,
// a step that is not positive, TO below FROM or more than 10000 values.
bool parseSweepAxis(const std::string& text, SweepAxis& axis, std::string& error);

// Worker threads for the runs: the machine's cores (at least 1).
int defaultWorkerCount();

// The grid as CSV: the swept values, then the run's figures, one row a point
// (the first axis outer). Fails only when an assignment is refused.
bool sweepCsv(const RunSetup& setup, const std::vector<SweepAxis>& axes, int workers, std::string& csv,
              std::string& error);

struct SafeAltitude {
    std::string value;            // of the swept parameter
    bool found = false;           // false: not safe up to the search ceiling
    double altitudeM = 0.0;       // lowest safe fighter altitude (0.5 m resolution)
    int mode = 0;                 // operating mode of the run at that altitude
    double dri = 0.0;
    double fullyOpenHeightM = 0.0;
    double touchdownTimeS = 0.0;
    int runs = 0;                 // runs the search took
};

// Highest fighter altitude the search tries.
constexpr double kSafeAltitudeCeilingM = 6400.0;

bool minSafeAltitudes(const RunSetup& setup, const SweepAxis& axis, int workers, std::vector<SafeAltitude>& out,
                      std::string& error);

std::string safeAltitudeCsv(const SweepAxis& axis, const std::vector<SafeAltitude>& points);
