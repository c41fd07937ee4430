// The overlay's update step of the frame, GL-free: which layer is shown, the
// HUD lines laid out, the values the gauges show, and the menu's ticks that
// run while its page or the camera-mode spinner is on the screen. The
// drawing step then only reads what this leaves.
#pragma once

#include <cstdint>

struct OverlayState;

// What the overlay reads of the input: the pointer and the HUD text switch.
struct OverlayInputs {
    int cursorX = 0, cursorY = 0;  // virtual screen, top-left origin
    bool leftDragging = false;
    bool rightDragging = false;
    bool textVisible = true;
};

// Once a frame, after the bodies were planned, at the frame's clock nowMs:
// the maximum-load pointer's run, the choice of layer, then for the
// instruments the HUD frame (hudFrame), the gauges' load, speed and maximum
// and the camera-mode spinner's tick, or for the menu its slide and, once the
// panel is fully open, the page's tick (an edit refreshes the HUD's copies).
void updateOverlay(OverlayState& o, const OverlayInputs& in, uint32_t nowMs);
