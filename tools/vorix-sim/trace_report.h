// vorix-sim --dr-input: the dynamic response of a measured trace, judged by
// the same model and printed with the same keys as a computed run's.
#pragma once

#include <string>

struct ResponsePeaks;

struct TraceResponse {
    long rows = 0;
    double startS = 0.0, endS = 0.0;
};

// Runs the response model over the trace at path: at rest under its first
// row, the input linear between rows, each interval stepped in substeps of
// at most 0.25 ms. False with the reader's one-line message.
bool respondToTrace(const std::string& path, ResponsePeaks& peaks, TraceResponse& trace, std::string& error);

// The JSON line: rows, startS, endS and the DR and beta keys.
std::string traceResponseJson(const ResponsePeaks& peaks, const TraceResponse& trace);
