// Thinning a sampled path to the vertices a line needs: a sample is kept only
// where leaving it out would move the line by more than a tolerance, the
// tolerance growing until the vertices fit a budget. Chosen samples are
// always kept (the sequence's moments, where the colour changes), and so are
// the first and the last. GL-free; the scratch is a record of its own, so
// nothing is allocated.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

// A path as the thinning reads it: `count` samples in time order, sample i
// at timeOf(i) and positionOf(i).
struct PathSamples {
    const void* source = nullptr;
    long count = 0;
    double (*timeOf)(const void* source, long i) = nullptr;
    Vec3 (*positionOf)(const void* source, long i) = nullptr;
};

constexpr int kTrailPathCapacity = 2048;
constexpr int kTrailKeepCapacity = 16;

struct TrailPath {
    Vec3 at[kTrailPathCapacity];
    float timeS[kTrailPathCapacity];
    uint8_t phase[kTrailPathCapacity];  // filled by the caller
    int32_t count = 0;
    float toleranceM = 0.0f;            // what the path was thinned to
};

struct TrailThinning {
    long kept[kTrailPathCapacity];
    long stack[kTrailPathCapacity + kTrailKeepCapacity + 2][2];
    long forced[kTrailKeepCapacity + 2];
};

// A line seen from a few metres off shows a deviation of about a centimetre
// as a pixel: finer detail is thinned away.
constexpr float kTrailToleranceM = 0.01f;

// Thins `in` into `out`, at most `budget` vertices (no more than the
// capacity). keepTimes (up to kTrailKeepCapacity) name samples kept whatever
// the tolerance: the one shown at each of those times.
void thinPath(const PathSamples& in, const double* keepTimes, int keepCount, int budget, float toleranceM,
              TrailThinning& scratch, TrailPath& out);

// The sample the picture shows at time t: the last one at or before it (the
// first when t comes before them all).
long sampleShownAt(const PathSamples& in, double t);

// How many of a thinned path's vertices lie at or before time t.
int verticesUpTo(const TrailPath& path, double t);
