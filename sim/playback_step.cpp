#include "sim/playback_step.h"

#include <cmath>

#include "sim/simulation.h"

namespace {

// The whole millisecond the paused clocks show (they truncate the frozen value).
int64_t shownMs(const PlaybackClocks& c) {
    const double p = c.pausedElapsedMs;
    if (!(p > 0.0)) return 0;
    if (p >= 2147483647.0) return 2147483647;
    return (int64_t)p;
}

int64_t clampMs(int64_t ms, int32_t endMs) {
    const int64_t end = endMs > 0 ? endMs : 0;
    return ms < 0 ? 0 : ms > end ? end : ms;
}

// Stored as a whole number, so the shown value moves by exactly the step and
// resuming continues from it without a rounding millisecond.
bool moveTo(PlaybackClocks& c, int64_t ms) {
    const bool moved = ms != shownMs(c);
    c.pausedElapsedMs = (double)ms;
    return moved;
}

}  // namespace

int32_t storedRunEndMs(const Simulation& sim) {
    const double leadMs = ((double)sim.params.countdownS + sim.params.canopyDelayS) * 1000.0;
    const int32_t last = sim.trajectory ? sim.trajectory->lastIndex : 0;
    // Some readers look one sample ahead of the seat index: the index stops
    // one short of the last sample (rounding the lead up keeps it there).
    const double end = std::ceil(leadMs) + (last > 1 ? last - 1 : 0);
    if (!(end > 0.0)) return 0;
    if (end >= 2147483647.0) return 2147483647;
    return (int32_t)end;
}

bool pausedRunClock(const PlaybackClocks& c) { return c.playing != 0 && c.paused != 0; }

bool stepPausedClock(PlaybackClocks& c, int32_t deltaMs, int32_t endMs) {
    if (!pausedRunClock(c) || deltaMs == 0) return false;
    const int64_t now = shownMs(c);
    if (deltaMs > 0 && now >= endMs) return false;
    return moveTo(c, clampMs(now + deltaMs, endMs));
}

bool setPausedClock(PlaybackClocks& c, int32_t ms, int32_t endMs) {
    if (!pausedRunClock(c)) return false;
    return moveTo(c, clampMs(ms, endMs));
}
