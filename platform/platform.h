// The platform layer: the only code that talks to the window system, the GL
// context, the clock, the mouse device and the sound device. Everything above
// it sees window messages, virtual-key codes and plain handles.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/messages.h"

// ---- window, display mode, GL context -------------------------------------

enum class DisplayModeResult { Switched, CouldNotEnum, NotCompatible };

// Starts the video subsystem. False (with a reason in platLastError) when no
// display can be reached.
bool platInit();
const char* platLastError();
void platShutdown();

// Switches the display to 800 by 600 for a full-screen window (kept in effect
// while the window is full screen, restored by platRestoreDisplayMode).
DisplayModeResult platSetDisplayMode(int width, int height);
void platRestoreDisplayMode();

// Creates and shows the window with a client area of width by height;
// fullScreen uses a full-screen window in the mode set by platSetDisplayMode,
// otherwise a resizable one. False on failure.
bool platCreateWindow(const char* className, const char* title, int width, int height,
                      bool fullScreen);
void platDestroyWindow();
// Full screen: holds the system pointer and reports it as relative motion,
// so motion keeps coming at the screen's edges. Where the window system tells
// where its pointer is, mouse messages carry that place in window pixels
// (whatever the device: mouse, tablet, touch screen, a virtual machine's or a
// remote desktop's pointer), kept inside the pointer area; the answer is then
// false, as it is when the pointer cannot be held at all. Elsewhere the answer
// is true and mouse messages carry a cursor of the platform's own on a
// virtual screen of the given size (from its top-left corner, one pixel per
// count, clamped to the screen).
bool platUseVirtualPointer(int virtualWidth, int virtualHeight);
// Where a held pointer may go, in window pixels from the top-left: the
// picture, so that it stops at the picture's edges (the whole window until
// set).
void platSetPointerArea(int x, int y, int width, int height);
void platGetClientSize(int* width, int* height);
void platShowCursor(bool show);

// RGBA double-buffered context with a 16-bit depth buffer, made current.
bool platCreateGlContext();
void platDeleteGlContext();
bool platHasGlContext();
void platSwapBuffers();

// ---- messages ---------------------------------------------------------------

// Takes the next waiting message, if any. A posted quit arrives as WM_QUIT with
// the exit code in wParam after all messages queued before it.
bool platPeekMessage(WindowMessage* msg);
void platPostQuitMessage(int exitCode);
bool platKeyHeld(int virtualKey);  // VK_SHIFT or VK_CONTROL, as at the last key message

// ---- time and message boxes ---------------------------------------------------

// Milliseconds since an arbitrary origin (wraps like a 32-bit counter).
uint32_t platTimeMs();
// Modal box with the text and caption; the text also goes to standard error.
// With VORIX_NO_DIALOGS set in the environment only standard error is used.
void platMessageBox(const char* text, const char* caption);

// ---- mouse device -----------------------------------------------------------

// Relative motion and wheel since the previous poll, in the units of the
// standard mouse data format (wheel: 120 per notch).
struct PlatMouseState {
    int relX = 0, relY = 0, wheel = 0;
    bool button0 = false, button1 = false, button2 = false;
};
bool platMouseDeviceOpen();
void platMouseDeviceClose();
bool platPollMouseDevice(PlatMouseState* state);

// ---- sound -------------------------------------------------------------------

using PlatSoundBuffer = int;  // 0 is no buffer

bool platSoundOpen();
void platSoundClose();
// Creates a static buffer holding the whole PCM sample block.
PlatSoundBuffer platSoundCreateBuffer(int channels, int sampleRate, int bitsPerSample,
                                      const void* samples, size_t bytes);
void platSoundReleaseBuffer(PlatSoundBuffer buffer);
// Starts from the current position; a buffer already playing goes on.
void platSoundPlay(PlatSoundBuffer buffer, bool looping);
// Stops and keeps the position (the next play resumes there).
void platSoundStop(PlatSoundBuffer buffer);
// Back to the first sample, playing or not.
void platSoundRewind(PlatSoundBuffer buffer);
bool platSoundIsPlaying(PlatSoundBuffer buffer);
// Attenuation in hundredths of a decibel: 0 is full level, -10000 silence.
bool platSoundSetVolume(PlatSoundBuffer buffer, int hundredthsDb);
