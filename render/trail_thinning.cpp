#include "render/trail_thinning.h"

#include <algorithm>
#include <cmath>

namespace {

// Distance of p from the segment a..b, in double precision: the path's
// coordinates may be far from the origin while its detail is centimetres.
double distanceFromSegment(const Vec3& p, const Vec3& a, const Vec3& b) {
    const double ab[3] = {(double)b.x - a.x, (double)b.y - a.y, (double)b.z - a.z};
    const double ap[3] = {(double)p.x - a.x, (double)p.y - a.y, (double)p.z - a.z};
    const double len2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    double f = len2 > 0.0 ? (ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / len2 : 0.0;
    f = f < 0.0 ? 0.0 : f > 1.0 ? 1.0 : f;
    const double d[3] = {ap[0] - f * ab[0], ap[1] - f * ab[1], ap[2] - f * ab[2]};
    return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

// The forced samples, sorted and without repeats; never more than the budget
// (the first and the last stay).
int forcedSamples(const PathSamples& in, const double* keepTimes, int keepCount, int budget, TrailThinning& s) {
    int n = 0;
    s.forced[n++] = 0;
    if (keepCount > kTrailKeepCapacity) keepCount = kTrailKeepCapacity;
    for (int k = 0; k < keepCount; ++k) {
        const long i = sampleShownAt(in, keepTimes[k]);
        if (i > 0 && i < in.count) s.forced[n++] = i;
    }
    s.forced[n++] = in.count - 1;
    std::sort(s.forced, s.forced + n);
    n = (int)(std::unique(s.forced, s.forced + n) - s.forced);
    if (n > budget) {
        s.forced[budget - 1] = s.forced[n - 1];
        n = budget;
    }
    return n;
}

// One pass at a tolerance: splits every span between forced samples at its
// farthest sample while that lies beyond the tolerance. False as soon as
// the vertices would exceed the budget.
bool thinPass(const PathSamples& in, int forcedCount, int budget, double tolerance, TrailThinning& s, int& keptCount) {
    keptCount = 0;
    for (int k = 0; k < forcedCount; ++k) s.kept[keptCount++] = s.forced[k];
    int top = 0;
    for (int k = 0; k + 1 < forcedCount; ++k) {
        s.stack[top][0] = s.forced[k];
        s.stack[top][1] = s.forced[k + 1];
        ++top;
    }
    while (top > 0) {
        --top;
        const long a = s.stack[top][0], b = s.stack[top][1];
        if (b - a < 2) continue;
        const Vec3 pa = in.positionOf(in.source, a), pb = in.positionOf(in.source, b);
        double farthest = -1.0;
        long at = a;
        for (long i = a + 1; i < b; ++i) {
            const double d = distanceFromSegment(in.positionOf(in.source, i), pa, pb);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (!(farthest > tolerance)) continue;
        if (keptCount >= budget) return false;
        s.kept[keptCount++] = at;
        // Each split takes one span off and puts two on: the stack holds at
        // most one span per vertex.
        s.stack[top][0] = a;
        s.stack[top][1] = at;
        s.stack[top + 1][0] = at;
        s.stack[top + 1][1] = b;
        top += 2;
    }
    return true;
}

}  // namespace

long sampleShownAt(const PathSamples& in, double t) {
    long lo = 0, hi = in.count;
    while (lo < hi) {
        const long mid = lo + (hi - lo) / 2;
        if (in.timeOf(in.source, mid) <= t) lo = mid + 1;
        else hi = mid;
    }
    return lo > 0 ? lo - 1 : 0;
}

void thinPath(const PathSamples& in, const double* keepTimes, int keepCount, int budget, float toleranceM,
              TrailThinning& s, TrailPath& out) {
    out.count = 0;
    out.toleranceM = toleranceM;
    if (in.count <= 0 || !in.timeOf || !in.positionOf) return;
    if (budget > kTrailPathCapacity) budget = kTrailPathCapacity;
    if (budget < 2) budget = 2;
    if (in.count == 1) {
        out.at[0] = in.positionOf(in.source, 0);
        out.timeS[0] = (float)in.timeOf(in.source, 0);
        out.count = 1;
        return;
    }
    const int forcedCount = forcedSamples(in, keepTimes, keepCount, budget, s);
    double tolerance = toleranceM > 0.0f ? toleranceM : kTrailToleranceM;
    int keptCount = 0;
    // Doubling the tolerance ends: past the path's own size only the forced
    // samples are left, and they fit.
    while (!thinPass(in, forcedCount, budget, tolerance, s, keptCount)) tolerance *= 2.0;
    std::sort(s.kept, s.kept + keptCount);
    for (int k = 0; k < keptCount; ++k) {
        out.at[k] = in.positionOf(in.source, s.kept[k]);
        out.timeS[k] = (float)in.timeOf(in.source, s.kept[k]);
    }
    out.count = keptCount;
    out.toleranceM = (float)tolerance;
}

int verticesUpTo(const TrailPath& path, double t) {
    int lo = 0, hi = path.count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (path.timeS[mid] <= t) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}
