// The application shell's own record: the window, the projection and the
// measured frame rate. One process-wide instance, alive for the whole run.
#pragma once

#include <cstdint>

constexpr int kVirtualScreenWidth = 800;
constexpr int kVirtualScreenHeight = 600;
constexpr const char* kWindowClassName = "VORIX_2.0";
constexpr const char* kWindowTitle = "VORIX - Ejection seat simulation version 1.0";

struct AppState {
    bool fullScreen = true;   // full-screen window, hidden cursor, 4:3 picture
    // Full screen by switching the display to 800 by 600, instead of showing
    // the picture letterboxed at the desktop's own resolution.
    bool modeSwitch = false;
    // The window system reports the pointer as relative motion, turned into a
    // cursor on the virtual screen by the platform layer (full screen).
    bool virtualPointer = false;
    int clientWidth = kVirtualScreenWidth;
    int clientHeight = kVirtualScreenHeight;
    float aspectRatio = 4.0f / 3.0f;
    float fieldOfView = 50.0f;    // vertical, degrees; zoom keys change it
    float frameRate = 0.0f;       // frames per second of real time, 0 until measured
    int framePhase = 0;           // 0, 1, 2 for the frame-rate measurement
    float phase0Time = 0.0f;      // playback seconds at phase 0
    float framePairTime = 0.0f;   // playback seconds the last two frames took
};

extern AppState app;

// The frame-rate measurement, taken every third frame from the playback clock
// (elapsedMs) while it runs; while paused the rate reads 25.
void measureFrameRate(AppState& a, int32_t elapsedMs, bool paused, float playSpeedDivisor);

// Aspect ratio of the projection: fixed 4:3 in full screen, the client area's
// otherwise (a zero height is taken as 1).
float aspectRatioFor(const AppState& a);
