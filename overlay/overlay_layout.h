// What the overlay draws this frame, decided GL-free: the instruments or the
// menu panel, the frame-rate read-out, and the pointer with its drag hints.
#pragma once

#include <cstdint>

// The menu keeps the screen for a quarter of a second after it closes, so its
// panel can slide out before the instruments come back.
constexpr uint32_t kMenuCloseHoldMs = 250;

struct OverlayChoice {
    bool instruments;   // menu closed and its slide-out over: HUD (if shown), strip, pointer
    bool menuPanel;     // the panel and its page, and the pointer
    bool hudText;       // HUD lines and gauges (inside instruments)
    bool frameRate;     // "%2.0f FPS" while the HUD text is hidden and the menu closed
};
OverlayChoice chooseOverlay(bool menuOpen, uint32_t nowMs, uint32_t menuEventTimeMs, bool textVisible);

struct PointerHint {
    const char* text;
    float colour[3];
    int x, y;   // text position, origin bottom-left
};

// The pointer of size d at the cursor (cx, cy), origin top-left: its colour,
// the two filled triangles (as strips of three points), the outline through
// four points, and up to three hints.
struct PointerFrame {
    float colour[3];
    float fill[2][3][2];
    float outline[4][2];
    PointerHint hints[3];
    int hintCount;
};
PointerFrame pointerFrame(int cx, int cy, float d, bool leftDragging, bool rightDragging, bool menuOpen,
                          int cameraMode);
