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
