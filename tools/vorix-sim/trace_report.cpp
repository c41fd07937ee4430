#include "tools/vorix-sim/trace_report.h"

#include "sim/dynamic_response.h"
#include "tools/vorix-sim/injury_report.h"
#include "tools/vorix-sim/json_object.h"
#include "tools/vorix-sim/trace_file.h"

bool respondToTrace(const std::string& path, ResponsePeaks& peaks, TraceResponse& trace, std::string& error) {
    DynamicResponse response;
    double previous = 0.0;
    trace = TraceResponse();
    auto take = [&](const TraceRow& row) {
        double a[kSeatAxisCount];
        for (int k = 0; k < kSeatAxisCount; ++k) a[k] = row.g[k] * kDriGravity;
        if (trace.rows++ == 0) {
            response.start(a, row.t);
            trace.startS = row.t;
        } else {
            const double interval = row.t - previous;
            response.next(a, previous, interval, responseSubsteps(interval));
        }
        previous = trace.endS = row.t;
    };
    long rows = 0;
    if (!readResponseTrace(path, take, rows, error)) return false;
    peaks = response.peaks();
    return true;
}

std::string traceResponseJson(const ResponsePeaks& peaks, const TraceResponse& trace) {
    JsonObject j;
    j.raw("rows", std::to_string(trace.rows));
    j.number("startS", trace.startS);
    j.number("endS", trace.endS);
    addResponseFields(j, peaks);
    return j.close() + "\n";
}
