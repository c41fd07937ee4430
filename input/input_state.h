// Cursor, button and click state of the keyboard and mouse handling.
#pragma once

#include <cstdint>

// The 800 by 600 virtual screen the cursor, the widgets and the 2D drawing
// live on, whatever the window's size.
constexpr int kVirtualScreenWidth = 800;
constexpr int kVirtualScreenHeight = 600;

struct InputState {
    int cursorX = 0, cursorY = 0;        // on the 800 by 600 virtual screen
    float cursorXf = 0.0f, cursorYf = 0.0f;
    bool leftDragging = false;           // left button held outside dialogs
    bool rightDragging = false;          // right button held with no run: fighter drag
    bool timelineDragging = false;       // left button held on a paused run's timeline
    int leftPrevX = 0, leftPrevY = 0;    // last left press, then every move while dragging
    int rightPrevX = 0, rightPrevY = 0;  // the same for the right button
    // Cursor at the left press in each orbit mode, for the drag zoom without
    // the mouse device.
    float pilotOrbitOriginX = 0.0f, pilotOrbitOriginY = 0.0f;
    float fighterOrbitOriginX = 0.0f, fighterOrbitOriginY = 0.0f;
    uint32_t lastLeftPressTime = 0;      // ms
    int leftClickCount = 0;              // left presses since the last reset
    bool shiftHeld = false, ctrlHeld = false;  // sampled at every key
    bool textVisible = true;             // HUD text lines shown
    // Free-camera angles saved when F2..F7 leave it; F1 brings them back.
    float savedYaw = 270.0f, savedPitch = 0.0f;
};

extern InputState input;

// Start-up values.
void setInputDefaults(InputState& in);

// Stores a window position as the cursor; outside full screen the client area
// is scaled to the 800 by 600 virtual screen (truncating toward zero).
void mapCursor(InputState& in, int x, int y, bool fullScreen, int clientWidth, int clientHeight);
// A window's client position scaled to the virtual screen, truncating toward
// zero; a zero client size leaves its coordinate alone.
void scaleToVirtualScreen(int x, int y, int clientWidth, int clientHeight, int* vx, int* vy);
// Stores a position already on the virtual screen as the cursor.
void setCursor(InputState& in, int x, int y);
