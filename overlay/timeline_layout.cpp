#include "overlay/timeline_layout.h"

#include <cmath>
#include <cstdio>

#include "menu/graph_plots.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"

TimelineFrame timelineFrame;

namespace {

constexpr int kWidth = kTimelineRight - kTimelineLeft;

// Seat time of each GRAPH event in this run, or a negative value for one
// that did not happen.
void eventSeatTimes(const Simulation& sim, double out[kGraphEventCount]) {
    const SequencerTimes& s = sim.times;
    const bool left = sim.catapult.strokeResult > 0, sensed = sim.sequencerRun.modeSensed;
    const double fullyOpen = sim.mainChute.fullyOpen ? s.tMainFire + sim.mainChute.fullyOpenTime : -1.0;
    const double t[kGraphEventCount] = {sim.derived.catapultPhaseTimeS, s.tRocketFire, s.tDrogueFire, s.tMainFire,
                                        s.tSeatManSeparation, fullyOpen};
    const bool set[kGraphEventCount] = {left, left, sensed, sensed, sim.sequencerRun.seatSeparated,
                                        sim.mainChute.fullyOpen};
    for (int k = 0; k < kGraphEventCount; ++k) out[k] = set[k] && std::isfinite(t[k]) ? t[k] : -1.0;
}

}  // namespace

int timelineX(int64_t ms, int32_t endMs) {
    if (endMs <= 0 || ms <= 0) return kTimelineLeft;
    if (ms >= endMs) return kTimelineRight;
    return kTimelineLeft + (int)std::lround((double)ms * kWidth / endMs);
}

int32_t timelineMsAt(int x, int32_t endMs) {
    if (endMs <= 0 || x <= kTimelineLeft) return 0;
    if (x >= kTimelineRight) return endMs;
    return (int32_t)std::lround((double)(x - kTimelineLeft) * endMs / kWidth);
}

bool onTimeline(int x, int y) {
    return x >= kTimelineLeft - kTimelineReachX && x <= kTimelineRight + kTimelineReachX && y >= kTimelineHitTop &&
           y <= kTimelineHitBottom;
}

void layoutTimeline(const Simulation& sim, bool bandShown, TimelineFrame& f) {
    f.shown = bandShown && pausedRunClock(sim.clocks);
    f.tickCount = 0;
    if (!f.shown) return;
    const int32_t end = storedRunEndMs(sim);
    const double leadMs = ((double)sim.params.countdownS + sim.params.canopyDelayS) * 1000.0;
    f.countdownRight = timelineX((int64_t)std::lround(leadMs), end);
    f.markerX = timelineX(sim.clocks.elapsedMs, end);

    double seat[kGraphEventCount];
    eventSeatTimes(sim, seat);
    for (int k = 0; k < kGraphEventCount && f.tickCount < kTimelineTickCapacity; ++k) {
        if (seat[k] < 0.0) continue;
        const double ms = leadMs + seat[k] * 1000.0;
        if (ms > end) continue;  // after the stored run
        TimelineTick& t = f.ticks[f.tickCount++];
        t.x = timelineX((int64_t)std::lround(ms), end);
        for (int c = 0; c < 3; ++c) t.colour[c] = kGraphEventColours[k][c];
    }

    // The length as the big clock reads at the run's end.
    const double endSeatS = (end - leadMs) * 0.001;
    std::snprintf(f.lengthText, sizeof f.lengthText, "%.2f s", endSeatS);
    f.lengthX = kTimelineRight + 10;
    f.lengthY = 600 - kTimelineBottom - 4;
}
