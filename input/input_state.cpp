#include "input/input_state.h"

#include <cstdlib>

#include "app/app_state.h"

InputState input;

void setInputDefaults(InputState& in) { in = InputState{}; }

void mapCursor(InputState& in, int x, int y, bool fullScreen, int clientWidth, int clientHeight) {
    if (!fullScreen) {
        int w = std::abs(clientWidth), h = std::abs(clientHeight);
        if (w > 0) x = (int)((long long)x * kVirtualScreenWidth / w);
        if (h > 0) y = (int)((long long)y * kVirtualScreenHeight / h);
    }
    in.cursorX = x;
    in.cursorY = y;
    in.cursorXf = (float)x;
    in.cursorYf = (float)y;
}
