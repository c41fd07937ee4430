#include "app/app_state.h"

AppState app;

void measureFrameRate(AppState& a, int32_t elapsedMs, bool paused, float playSpeedDivisor) {
    if (elapsedMs == 0) return;
    const double dt = 0.001;
    if (a.framePhase == 0) a.phase0Time = (float)(elapsedMs * dt);
    if (a.framePhase == 2) {
        a.framePairTime = (float)(elapsedMs * dt) - a.phase0Time;
        // Two frames of playback time; dividing by the play-speed divisor turns
        // playback seconds into real seconds.
        if (a.framePairTime > 0.0f && playSpeedDivisor > 0.0f) {
            a.frameRate = (1.0f / a.framePairTime) * 2.0f / playSpeedDivisor;
        }
        a.framePhase = -1;
    }
    if (paused) a.frameRate = 25.0f;
    a.framePhase += 1;
}

float aspectRatioFor(const AppState& a) {
    if (a.fullScreen) return 1.3333334f;
    int h = a.clientHeight == 0 ? 1 : a.clientHeight;
    return (float)a.clientWidth / (float)h;
}
