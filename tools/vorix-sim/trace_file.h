// A measured acceleration trace for the dynamic response (a sled test, a
// drop test): CSV with the header "t,ax,ay,az", then rows of the time in
// seconds and the specific force in g along the occupant's axes (x forward,
// y to the left, z up the spine), in time order at any sample rate.
#pragma once

#include <functional>
#include <string>

struct TraceRow {
    double t = 0.0;
    double g[3] = {0.0, 0.0, 0.0};
};

// Longest line, largest |g| and longest span a trace may have: a line past
// the first is not a trace, a value past the second is no measurement, and
// the third is the simulator's own longest run (it bounds the stepping).
constexpr int kTraceLineMax = 4096;
constexpr double kTraceMaxG = 1e6;
constexpr double kTraceMaxSpanS = 600.0;

// Reads the trace at path (a regular file of at most 64 MiB), handing each
// row to `take` as it is read. False at the first fault with a one-line
// message that names the file and the line ("trace.csv line 7: ..."): no
// header, a cell that is not a number or not finite, a row without four
// cells, a time not after the one before, a trace longer than 600 s, fewer
// than two rows, a file that cannot be read. Blank lines are skipped.
bool readResponseTrace(const std::string& path, const std::function<void(const TraceRow&)>& take, long& rows,
                       std::string& error);
