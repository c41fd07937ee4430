// Window, display mode, GL context and projection of the main window.
#pragma once

#include "app/letterbox.h"

// Creates the main window (full screen unless app.fullScreen is off; with
// app.modeSwitch the display is switched to 800 by 600 first, otherwise the
// window takes the desktop's size); the caller then runs windowCreated.
// False when the window could not be made.
bool createMainWindow(const char* title, int width, int height, bool fullScreen);
// Switches the display to 800 by 600; reports a refusal in an "Error" box.
void setDisplayMode();
// Creates the double-buffered RGBA context with a 16-bit depth buffer and the
// initial viewport. False (after the "Error" box and a quit message) on failure.
bool createGlContext(int width, int height);
// Viewport and projection for a client area of width by height: in full
// screen the 4:3 picture area inside it, otherwise all of it.
void resizeViewport(int width, int height);
// Re-applies the projection with the current field of view and aspect ratio.
void applyProjection();
// Where the picture sits in the window now.
PictureArea currentPictureArea();
// Shows the finished frame: the bars beside the picture black, then the swap.
void presentFrame();
// Releases the context, the display mode and the window; posts a quit message.
void destroyMainWindow();
