#include "input/input_state.h"

#include <cstdlib>

InputState input;

void setInputDefaults(InputState& in) { in = InputState{}; }

void mapCursor(InputState& in, int x, int y, bool fullScreen, int clientWidth, int clientHeight) {
    if (!fullScreen) scaleToVirtualScreen(x, y, clientWidth, clientHeight, &x, &y);
    setCursor(in, x, y);
}

void scaleToVirtualScreen(int x, int y, int clientWidth, int clientHeight, int* vx, int* vy) {
    int w = std::abs(clientWidth), h = std::abs(clientHeight);
    *vx = w > 0 ? (int)((long long)x * kVirtualScreenWidth / w) : x;
    *vy = h > 0 ? (int)((long long)y * kVirtualScreenHeight / h) : y;
}

void setCursor(InputState& in, int x, int y) {
    in.cursorX = x;
    in.cursorY = y;
    in.cursorXf = (float)x;
    in.cursorYf = (float)y;
}
