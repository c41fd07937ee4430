// Many runs at once: a grid of one or two swept parameters, and the lowest
// fighter altitude at which the main parachute is fully open before
// touchdown, found for each value of a parameter. The runs are spread over
// worker threads, each with a simulation (and trajectory store) of its own;
// their CSV rows are handed on in grid order as they are done, so a long
// sweep shows its rows as it goes and an interrupted one keeps them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/vorix-sim/run_point.h"

// NAME=FROM:TO:STEP; values FROM + k STEP up to TO, each written with 12
// significant digits and set from that text as --set would.
struct SweepAxis {
    std::string name;
    std::vector<std::string> values;
};

// Points a sweep runs at most: beyond it the rows would be gigabytes and the
// runs days long.
constexpr long kMaxGridPoints = 10000000;

// False with a message for an unknown name, a number that does not parse,
// a step that is not positive, TO below FROM, more than 10000 values or a
// value outside the parameter's range.
bool parseSweepAxis(const std::string& text, SweepAxis& axis, std::string& error);

// False with a message when a name is swept twice or the grid has more than
// kMaxGridPoints points (the message gives the grid's size).
bool checkGrid(const std::vector<SweepAxis>& axes, std::string& error);

// Worker threads for the runs: the machine's cores (at least 1).
int defaultWorkerCount();

// Receives the CSV text in grid order, a batch of whole rows at a time;
// false stops the sweep (the output failed).
using RowEmitter = std::function<bool(const std::string& rows)>;

enum class SweepEnd {
    Done,
    Interrupted,   // a signal asked to stop: the rows of the points done were handed on
    OutputFailed,  // the emitter returned false
    Refused,       // an assignment was refused (error says which)
};

struct SweepCount {
    long total = 0;     // points in the grid
    long emitted = 0;   // rows handed to the emitter, the first points in grid order
};

// Curves a chart draws at most: the values of the axis that makes a family.
constexpr size_t kMaxChartCurves = 8;

// Figures of a sweep kept for its chart: the named figures of each point's
// row (NaN where the row has none), point by point in grid order.
struct SweepFigures {
    std::vector<std::string> names;
    std::vector<double> values;   // points x names
};

// The grid as CSV: a header, then the swept values and the run's figures, one
// row a point (the first axis outer). Progress is drawn when showProgress.
// figures (may be null) receives the figures it names.
SweepEnd sweepCsv(const RunSetup& setup, const std::vector<SweepAxis>& axes, int workers, bool showProgress,
                  const RowEmitter& emit, SweepCount& count, std::string& error, SweepFigures* figures = nullptr);

struct SafeAltitude {
    std::string family;           // of the family's parameter, or empty
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

// The search for every value of the axis, for each value of the family
// (may be null: one curve); its CSV (header and one row a point, the family
// outer) is handed to emit as it goes, and out holds the points found (the
// first count.emitted of them when the sweep did not end Done).
SweepEnd minSafeAltitudes(const RunSetup& setup, const SweepAxis& axis, const SweepAxis* family, int workers,
                          bool showProgress, const RowEmitter& emit, std::vector<SafeAltitude>& out,
                          SweepCount& count, std::string& error);

std::string safeAltitudeCsvHeader(const SweepAxis& axis, const SweepAxis* family = nullptr);
// The family's cell leads the row when the point has a family.
std::string safeAltitudeCsvRow(const SafeAltitude& point);
