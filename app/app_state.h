// The application shell's own record: the window and the projection's shape.
// One process-wide instance, alive for the whole run. (The field of view is
// the camera's, the frame rate the frame clock's.)
#pragma once

#include "input/input_state.h"  // the virtual screen's size

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
};

extern AppState app;

// Aspect ratio of the projection: fixed 4:3 in full screen, the client area's
// otherwise (a zero height is taken as 1).
float aspectRatioFor(const AppState& a);
