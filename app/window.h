// Window, display mode, GL context and projection of the main window.
#pragma once

// Creates the main window (full screen unless app.fullScreen is off) and runs
// its creation message. False when the window could not be made.
bool createMainWindow(const char* title, int width, int height, bool fullScreen);
// Switches the display to 800 by 600; reports a refusal in an "Error" box.
void setDisplayMode();
// Creates the double-buffered RGBA context with a 16-bit depth buffer and the
// initial viewport. False (after the "Error" box and a quit message) on failure.
bool createGlContext(int width, int height);
void resizeViewport(int width, int height);
// Re-applies the projection with the current field of view and aspect ratio.
void applyProjection();
// Releases the context, the display mode and the window; posts a quit message.
void destroyMainWindow();
