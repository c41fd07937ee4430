#include "sim/frame_clock.h"

#include "sim/playback.h"
#include "sim/playback_clocks.h"
#include "sim/simulation.h"

FrameClock frameClock;

void startFrameClock(FrameClock& f, uint32_t nowMs, const std::tm& local) {
    f.nowMs = nowMs;
    f.local = local;
}

void measureFrameRate(FrameClock& f, int32_t elapsedMs, bool paused, float playSpeedDivisor) {
    if (elapsedMs == 0) return;
    const double dt = 0.001;
    if (f.framePhase == 0) f.phase0Time = (float)(elapsedMs * dt);
    if (f.framePhase == 2) {
        f.framePairTime = (float)(elapsedMs * dt) - f.phase0Time;
        // Two frames of playback time; dividing by the play-speed divisor turns
        // playback seconds into real seconds.
        if (f.framePairTime > 0.0f && playSpeedDivisor > 0.0f) {
            f.frameRate = (1.0f / f.framePairTime) * 2.0f / playSpeedDivisor;
        }
        f.framePhase = -1;
    }
    if (paused) f.frameRate = 25.0f;
    f.framePhase += 1;
}

void advancePlayback(FrameClock& f, Simulation& sim) {
    PlaybackClocks& clocks = sim.clocks;
    updatePlaybackClocks(clocks, f.nowMs, sim.params, sim.times);
    measureFrameRate(f, clocks.elapsedMs, clocks.paused != 0, sim.params.playSpeedDivisor);
    if (clocks.elapsedMs != 0 && clocks.playing) advanceDescentForFrame(sim);
}
