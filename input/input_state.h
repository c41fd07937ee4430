// Cursor and button state of the keyboard and mouse handling.
#pragma once

struct InputState {
    int cursorX = 0, cursorY = 0;        // on the 800 by 600 virtual screen
    float cursorXf = 0.0f, cursorYf = 0.0f;
    bool leftDragging = false;
    bool rightDragging = false;
    bool textVisible = true;
};

extern InputState input;

// Stores a window position as the cursor; outside full screen the client area
// is scaled to the 800 by 600 virtual screen (truncating toward zero).
void mapCursor(InputState& in, int x, int y, bool fullScreen, int clientWidth, int clientHeight);
