// The reader of measured traces (vorix-sim --dr-input) on a file of the
// fuzzer's bytes: every row handed on is finite, within its bounds and
// later than the one before; a refused file says why on one line naming it;
// a trace read whole gives finite figures.
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "sim/dynamic_response.h"
#include "tools/vorix-sim/trace_file.h"
#include "tools/vorix-sim/trace_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzInputFile(data, size);
    long handed = 0, rows = 0;
    double first = 0.0, previous = 0.0;
    auto take = [&](const TraceRow& row) {
        if (!std::isfinite(row.t)) std::abort();
        for (double g : row.g)
            if (!std::isfinite(g) || std::fabs(g) > kTraceMaxG) std::abort();
        if (handed == 0) first = row.t;
        else if (!(row.t > previous)) std::abort();
        if (row.t - first > kTraceMaxSpanS) std::abort();
        previous = row.t;
        ++handed;
    };
    std::string error;
    const bool read = readResponseTrace(path, take, rows, error);
    if (rows != handed) std::abort();
    if (read != error.empty()) std::abort();
    if (!read && (error.rfind(path, 0) != 0 || error.find('\n') != std::string::npos)) std::abort();
    if (read && rows < 2) std::abort();

    ResponsePeaks peaks;
    TraceResponse trace;
    if (respondToTrace(path, peaks, trace, error) != read) std::abort();
    if (!read) return 0;
    if (trace.rows != rows || !(trace.endS > trace.startS)) std::abort();
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        if (!std::isfinite(peaks.plus[axis].value) || peaks.plus[axis].value < 0.0) std::abort();
        if (!std::isfinite(peaks.minus[axis].value) || peaks.minus[axis].value > 0.0) std::abort();
    }
    for (const ResponsePeak& b : peaks.beta)
        if (!std::isfinite(b.value) || b.value < 0.0 || b.timeS < trace.startS || b.timeS > trace.endS + 1e-9)
            std::abort();
    return 0;
}
