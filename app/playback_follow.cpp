#include "app/playback_follow.h"

#include "overlay/overlay_state.h"
#include "render/body_replay.h"
#include "render/body_state.h"
#include "sim/playback_clocks.h"
#include "sim/simulation.h"

PlaybackWatch playbackWatch;

MovedClock watchPlaybackClock(PlaybackWatch& w, const PlaybackClocks& c) {
    MovedClock m;
    if (!c.playing) {
        w = PlaybackWatch();
        return m;
    }
    if (w.seen && w.runStartMs == c.startTimeMs) {
        m.back = c.elapsedMs < w.lastElapsedMs;
        m.moved = m.back || (c.paused && w.lastPaused && c.elapsedMs != w.lastElapsedMs);
        m.fromMs = w.lastElapsedMs;
        m.toMs = c.elapsedMs;
    }
    w.seen = true;
    w.runStartMs = c.startTimeMs;
    w.lastElapsedMs = c.elapsedMs;
    w.lastPaused = c.paused != 0;
    return m;
}

void followMovedClock(const MovedClock& m) {
    if (!m.moved) return;
    replayBodies(m.fromMs, m.toMs);
    gaugesForMovedClock(overlay, simulation, bodyState.landed, bodyState.landedSeatTimeS);
}
