#include "overlay/overlay_state.h"

#include <cmath>

#include "overlay/gauge_geometry.h"
#include "overlay/hud_text.h"
#include "sim/playback.h"
#include "sim/simulation.h"
#include "sim/units.h"

OverlayState overlay;

void setOverlayDefaults(OverlayState& o, const Simulation& sim) {
    o = OverlayState();
    o.keyAltitudeM = sim.fighterPosition.altitude;
}

void overlayAfterKey(OverlayState& o, const Simulation& sim) {
    o.shownSpeedKt = sim.params.initialTasKt;
    o.keyAltitudeM = sim.fighterPosition.altitude;
}

void trackRunForMaxLoad(OverlayState& o, bool playing, uint32_t runStartMs) {
    if (!playing) {
        o.maxLoadG = kMaxLoadIdleG;
        o.runSeen = false;
        return;
    }
    if (!o.runSeen || o.runStartMs != runStartMs) {
        o.maxLoadG = kMaxLoadRunStartG;
        o.runSeen = true;
        o.runStartMs = runStartMs;
    }
}

void gaugesForMovedClock(OverlayState& o, const Simulation& sim, bool landed, double landedSeatTimeS) {
    if (!sim.clocks.playing || !sim.trajectory) return;
    const Trajectory& tr = *sim.trajectory;
    const SimParams& P = sim.params;
    // The millisecond index the HUD reads its load at.
    long last = ejectionClock(true, sim.clocks.elapsedMs, P.countdownS, P.canopyDelayS).msIndex;
    if (landed) {
        const double at = landedSeatTimeS * 1000.0;
        if (at < last) last = (long)at;
    }
    if (last > tr.lastIndex) last = tr.lastIndex;
    float largest = kMaxLoadRunStartG;
    for (long i = 1; i <= last; ++i) {
        const float g = hudFloat(std::sqrt(tr.ax[i] * tr.ax[i] + tr.ay[i] * tr.ay[i] + tr.az[i] * tr.az[i]) / kGravity);
        if (g > largest) largest = g;
    }
    o.maxLoadG = largest > kMaxLoadCapG ? kMaxLoadCapG : largest;
    if (last <= 0) o.pilotLoadG = 0.0f;
}

float fighterSpeedKt(const Simulation& sim) {
    Vec3 v;
    if (sim.clocks.playing) {
        v = sim.fighter.velocity;
        if (sim.params.applyGOnFighter) v.z = (float)(v.z - kGravity * sim.clocks.flightTime);
    } else {
        v = launchVelocity(sim.params, sim.attitude);  // as the run will start
    }
    return hudFloat(std::sqrt((double)v.x * v.x + (double)v.y * v.y + (double)v.z * v.z) * kKtPerMs);
}
