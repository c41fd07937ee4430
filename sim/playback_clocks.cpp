#include "sim/playback_clocks.h"

#include <cmath>

#include "sim/sim_records.h"

namespace {

// Hostile values (a huge divisor, a clock that ran for weeks) never turn into
// an out-of-range integer conversion.
int32_t toInt32(double v) {
    if (!(v > -2147483648.0)) return v != v ? 0 : INT32_MIN;
    if (v >= 2147483647.0) return INT32_MAX;
    return (int32_t)v;
}

double notBelowZero(double v) { return v > 0.0 ? v : 0.0; }

double wallElapsedOverDivisor(const PlaybackClocks& c, uint32_t nowMs, float divisor) {
    uint32_t wall = nowMs - c.startTimeMs;  // wraps like the millisecond timer does
    return (double)wall / effectiveDivisor(divisor);
}

}  // namespace

double effectiveDivisor(float d) { return (d >= 1.0f && std::isfinite(d)) ? (double)d : 1.0; }

void updatePlaybackClocks(PlaybackClocks& c, uint32_t nowMs, const SimParams& params, const SequencerTimes& s) {
    int32_t elapsed = toInt32(wallElapsedOverDivisor(c, nowMs, params.playSpeedDivisor));
    if (c.paused) elapsed = toInt32(c.pausedElapsedMs);
    else elapsed = toInt32((double)elapsed - c.pausedTotalMs);
    setPlaybackClocksTo(c, elapsed, params, s);
}

void setPlaybackClocksTo(PlaybackClocks& c, int32_t elapsed, const SimParams& params, const SequencerTimes& s) {
    c.elapsedMs = elapsed;
    const double dt = 0.001;
    c.flightTime = notBelowZero(elapsed * dt);
    c.canopyTime = notBelowZero(c.flightTime - params.countdownS);
    c.seatTime = notBelowZero(c.flightTime - (params.countdownS + params.canopyDelayS));
    c.sinceRocketFire = notBelowZero(c.seatTime - s.tRocketFire);
    c.sinceDrogueFire = notBelowZero(c.seatTime - s.tDrogueFire);
    c.sinceMainFire = notBelowZero(c.seatTime - s.tMainFire);
    c.sinceSeparation = notBelowZero(c.seatTime - s.tSeatManSeparation);
    c.seatIndex = toInt32(c.seatTime * 1000.0);
    c.mainIndex = toInt32(c.sinceMainFire * 1000.0);
    c.separationIndex = toInt32(c.sinceSeparation * 1000.0);
}

void togglePause(PlaybackClocks& c, uint32_t nowMs, float divisor) {
    double scaled = wallElapsedOverDivisor(c, nowMs, divisor);
    if (!c.paused) {
        c.pausedElapsedMs = scaled - c.pausedTotalMs;
        c.paused = 1;
    } else {
        // Rounded down: a clock stepped ahead of the wall clock leaves a
        // negative total, and truncating that toward zero would take the
        // resumed clock a millisecond back.
        c.pausedTotalMs = toInt32(std::floor(scaled - c.pausedElapsedMs));
        c.paused = 0;
    }
}
