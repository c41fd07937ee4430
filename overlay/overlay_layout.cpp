#include "overlay/overlay_layout.h"

OverlayChoice chooseOverlay(bool menuOpen, uint32_t nowMs, uint32_t menuEventTimeMs, bool textVisible) {
    OverlayChoice c{};
    // Unsigned difference: a clock that wrapped since the event still counts up.
    const bool settled = (uint32_t)(nowMs - menuEventTimeMs) >= kMenuCloseHoldMs;
    c.instruments = !menuOpen && settled;
    c.menuPanel = !c.instruments;
    c.hudText = c.instruments && textVisible;
    c.frameRate = !menuOpen && !textVisible;
    return c;
}

PointerFrame pointerFrame(int cx, int cy, float d, bool leftDragging, bool rightDragging, bool menuOpen,
                          int cameraMode) {
    PointerFrame p{};
    const float grey[3] = {0.8f, 0.8f, 0.8f}, green[3] = {0, 1, 0}, darkRed[3] = {0.3f, 0, 0};
    const float* colour = leftDragging ? green : rightDragging ? darkRed : grey;
    for (int k = 0; k < 3; ++k) p.colour[k] = colour[k];

    const float x = (float)cx, y = (float)cy;
    const float tip[2] = {x, y}, wing[2] = {x + 10 * d, y + 5.8f * d}, notch[2] = {x + 5 * d, y + 6 * d},
                tail[2] = {x + 4 * d, y + 9 * d};
    const float* fill[2][3] = {{tip, wing, notch}, {tip, notch, tail}};
    for (int t = 0; t < 2; ++t)
        for (int v = 0; v < 3; ++v) {
            p.fill[t][v][0] = fill[t][v][0];
            p.fill[t][v][1] = fill[t][v][1];
        }
    const float* outline[4] = {tip, wing, notch, tail};
    for (int v = 0; v < 4; ++v) {
        p.outline[v][0] = outline[v][0];
        p.outline[v][1] = outline[v][1];
    }

    if (menuOpen) return p;
    if (leftDragging && cameraMode == 0) {
        p.hints[p.hintCount++] = PointerHint{"Drag -> rotate camera", {0, 0.9f, 0}, cx, 600 - cy};
        p.hints[p.hintCount++] = PointerHint{"Double click  ->  Eject", {0, 0.9f, 0}, cx, 620 - cy};
    }
    if (rightDragging) p.hints[p.hintCount++] = PointerHint{"Drag -> rotate fighter", {0.8f, 0, 0}, cx, 600 - cy};
    return p;
}
