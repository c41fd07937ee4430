// Window, display mode, GL context, message queue, clock, message boxes and the
// polled mouse device, over SDL2 (and Xlib for the place of the pointer).
#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/keycodes.h"
#include "platform/platform.h"
#include "platform/sdl_keys.h"

namespace {

struct SdlWindowState {
    bool videoStarted = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool fullScreen = false;
    bool haveMode = false;
    SDL_DisplayMode mode{};
    bool quitPosted = false;
    int quitCode = 0;
    char lastError[256] = "";
    // Mouse device: motion and wheel gathered from events between polls.
    bool mouseOpen = false;
    int pendingRelX = 0, pendingRelY = 0, pendingWheel = 0;
    // Full screen holds the system pointer in relative mode, so that motion
    // keeps coming at the screen's edges. Where the X server can be asked,
    // the cursor is its pointer, read once a frame and at every button
    // (trackedPointer); elsewhere it is a cursor of our own on the virtual
    // screen, moved by the motion and kept on it (virtualPointer).
    bool virtualPointer = false;
    int virtualWidth = 0, virtualHeight = 0;
    int pointerX = 0, pointerY = 0;
    bool trackedPointer = false;
    bool pointerKnown = false;
    bool pointerReadThisFrame = false;
    int areaX = 0, areaY = 0, areaWidth = 0, areaHeight = 0;  // where the pointer may go
    bool buttonWaiting = false;  // a button message held back behind the move to its place
    WindowMessage waitingButton{};
    // Shift and Ctrl as they stood when the last key message happened: the
    // queue may already hold their release when that message is handled.
    bool keyModKnown = false;
    uint16_t keyMod = 0;
};

SdlWindowState sdl;

int clampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// Motion one count per virtual pixel, as the cursor moves on an 800 by 600
// screen; the edges stop the cursor, never the motion.
void moveVirtualPointer(int dx, int dy) {
    sdl.pointerX = clampInt(sdl.pointerX + dx, 0, sdl.virtualWidth - 1);
    sdl.pointerY = clampInt(sdl.pointerY + dy, 0, sdl.virtualHeight - 1);
}

intptr_t pointerParam(int windowX, int windowY) {
    if (sdl.virtualPointer || sdl.trackedPointer) return makeLParam(sdl.pointerX, sdl.pointerY);
    return makeLParam(windowX, windowY);
}

// ---- the X server's pointer ---------------------------------------------------
// In relative mode SDL reports only motion, and an absolute device (tablet,
// touch screen, a virtual machine's or a remote desktop's pointer, xdotool's
// mousemove) may send none at all, while the X server still moves its
// pointer to where the device points. So the cursor is read from the server:
// it follows every kind of device (a mouse with the desktop's acceleration)
// and stops at the edges of the pointer area, where the relative motion goes
// on turning the free camera. Reading it is one round trip, done once a
// frame and before a button.

#if defined(VORIX_HAVE_X11) && defined(SDL_VIDEO_DRIVER_X11)
struct XPointerSource {
    Display* display = nullptr;
    ::Window window = 0;
} xPointer;

bool openPointerSource() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(sdl.window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    xPointer.display = info.info.x11.display;
    xPointer.window = info.info.x11.window;
    return xPointer.display != nullptr;
}

// The pointer in window pixels; false when it is on another screen.
bool readPointer(int* x, int* y) {
    ::Window root, child;
    int rootX, rootY, winX, winY;
    unsigned int mask;
    if (!XQueryPointer(xPointer.display, xPointer.window, &root, &child, &rootX, &rootY, &winX, &winY, &mask))
        return false;
    *x = winX;
    *y = winY;
    return true;
}

void warpPointer(int x, int y) {
    XWarpPointer(xPointer.display, None, xPointer.window, 0, 0, 0, 0, x, y);
    XFlush(xPointer.display);
}
#else
bool openPointerSource() { return false; }
bool readPointer(int*, int*) { return false; }
void warpPointer(int, int) {}
#endif

// Reads the server's pointer; a pointer past the area is put back on its
// edge (only while the window has the input, not to take it from another
// window). True when the cursor moved.
bool refreshTrackedPointer() {
    int x, y;
    if (!readPointer(&x, &y)) return false;
    if (sdl.areaWidth > 0 && sdl.areaHeight > 0) {
        const int cx = clampInt(x, sdl.areaX, sdl.areaX + sdl.areaWidth - 1);
        const int cy = clampInt(y, sdl.areaY, sdl.areaY + sdl.areaHeight - 1);
        const bool focused = (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_INPUT_FOCUS) != 0;
        if ((cx != x || cy != y) && focused) warpPointer(cx, cy);
        x = cx;
        y = cy;
    }
    if (sdl.pointerKnown && x == sdl.pointerX && y == sdl.pointerY) return false;
    sdl.pointerKnown = true;
    sdl.pointerX = x;
    sdl.pointerY = y;
    return true;
}

void pointerMoveMessage(WindowMessage* msg) {
    *msg = WindowMessage{};
    msg->message = WM_MOUSEMOVE;
    msg->lParam = makeLParam(sdl.pointerX, sdl.pointerY);
}

void setError(const char* what) {
    std::snprintf(sdl.lastError, sizeof sdl.lastError, "%s: %s", what, SDL_GetError());
}

bool translate(const SDL_Event& e, WindowMessage* msg) {
    *msg = WindowMessage{};
    switch (e.type) {
        case SDL_QUIT:
            msg->message = WM_CLOSE;
            return true;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    msg->message = WM_CLOSE;
                    return true;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    msg->message = WM_SIZE;
                    msg->lParam = makeLParam(e.window.data1, e.window.data2);
                    return true;
                case SDL_WINDOWEVENT_EXPOSED:
                    msg->message = WM_PAINT;
                    return true;
                default:
                    return false;
            }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            int vk = virtualKeyFromSdl(e.key.keysym);
            if (vk == 0) return false;
            sdl.keyModKnown = true;
            sdl.keyMod = e.key.keysym.mod;
            msg->message = e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP;
            msg->wParam = (uintptr_t)vk;
            return true;
        }
        case SDL_MOUSEMOTION:
            sdl.pendingRelX += e.motion.xrel;
            sdl.pendingRelY += e.motion.yrel;
            // The server's pointer is read at the end of the queue instead.
            if (sdl.trackedPointer) return false;
            if (sdl.virtualPointer) moveVirtualPointer(e.motion.xrel, e.motion.yrel);
            msg->message = WM_MOUSEMOVE;
            msg->lParam = pointerParam(e.motion.x, e.motion.y);
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (e.button.button == SDL_BUTTON_LEFT) {
                msg->message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                msg->message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
            } else if (e.button.button == SDL_BUTTON_MIDDLE && !down) {
                msg->message = WM_MBUTTONUP;
            } else {
                return false;
            }
            msg->lParam = pointerParam(e.button.x, e.button.y);
            return true;
        }
        case SDL_MOUSEWHEEL:
            // One notch is 120 units, as the standard mouse data format reports it.
            sdl.pendingWheel += e.wheel.y * 120 * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1);
            return false;
        default:
            return false;
    }
}

}  // namespace

bool platInit() {
    if (sdl.videoStarted) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* forced = std::getenv("SDL_VIDEODRIVER");
    if (!(x11 && *x11) && !(wayland && *wayland) && !(forced && *forced)) {
        std::snprintf(sdl.lastError, sizeof sdl.lastError,
                      "DISPLAY is not set: start it under an X server or a Wayland session");
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        setError("cannot open a display");
        return false;
    }
    // The off-screen and dummy drivers stand in when no display is reachable;
    // nobody would see the simulator there, so treat them as no display.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
        std::snprintf(sdl.lastError, sizeof sdl.lastError,
                      "set DISPLAY to an X server or run under a Wayland session");
        SDL_Quit();
        return false;
    }
    sdl.videoStarted = true;
    return true;
}

const char* platLastError() { return sdl.lastError; }

void platShutdown() {
    if (sdl.videoStarted) SDL_Quit();
    sdl.videoStarted = false;
}

DisplayModeResult platSetDisplayMode(int width, int height) {
    SDL_DisplayMode current;
    if (SDL_GetCurrentDisplayMode(0, &current) != 0) return DisplayModeResult::CouldNotEnum;
    SDL_DisplayMode want = current;
    want.w = width;
    want.h = height;
    SDL_DisplayMode closest;
    if (!SDL_GetClosestDisplayMode(0, &want, &closest) || closest.w != width || closest.h != height) {
        return DisplayModeResult::NotCompatible;
    }
    sdl.mode = closest;
    sdl.haveMode = true;
    return DisplayModeResult::Switched;
}

void platRestoreDisplayMode() {
    // The desktop mode comes back when the full-screen window leaves full screen.
    if (sdl.window && sdl.fullScreen) SDL_SetWindowFullscreen(sdl.window, 0);
    sdl.haveMode = false;
}

bool platCreateWindow(const char* className, const char* title, int width, int height,
                      bool fullScreen) {
    (void)className;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (fullScreen) {
        // Without a mode switch the window covers the desktop at its own size.
        flags |= sdl.haveMode ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_FULLSCREEN_DESKTOP;
        x = y = 0;
        // Created at the desktop's size too, so that the window covers the
        // screen even where no window manager acts on the full-screen state.
        SDL_Rect bounds;
        if (!sdl.haveMode && SDL_GetDisplayBounds(0, &bounds) == 0 && bounds.w > 0 && bounds.h > 0) {
            x = bounds.x;
            y = bounds.y;
            width = bounds.w;
            height = bounds.h;
        }
    } else {
        flags |= SDL_WINDOW_RESIZABLE;
    }
    sdl.window = SDL_CreateWindow(title, x, y, width, height, flags);
    if (!sdl.window) {
        setError("cannot create the window");
        return false;
    }
    if (fullScreen && sdl.haveMode) SDL_SetWindowDisplayMode(sdl.window, &sdl.mode);
    sdl.fullScreen = fullScreen;
    SDL_RaiseWindow(sdl.window);
    return true;
}

bool platUseVirtualPointer(int virtualWidth, int virtualHeight) {
    if (!sdl.window || virtualWidth <= 0 || virtualHeight <= 0) return false;
    // Held to the whole window, not its centre (newer SDL's default), so the
    // server's pointer can still go where a device points.
    SDL_SetHint("SDL_MOUSE_RELATIVE_MODE_CENTER", "0");
    if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) return false;
    if (openPointerSource()) {
        // The first read reports where the pointer stands as a move.
        sdl.trackedPointer = true;
        sdl.pointerKnown = false;
        return false;  // messages carry window pixels
    }
    sdl.virtualPointer = true;
    sdl.virtualWidth = virtualWidth;
    sdl.virtualHeight = virtualHeight;
    // The cursor starts where the program's cursor record does, in the corner.
    sdl.pointerX = 0;
    sdl.pointerY = 0;
    return true;
}

void platSetPointerArea(int x, int y, int width, int height) {
    sdl.areaX = x;
    sdl.areaY = y;
    sdl.areaWidth = width > 0 ? width : 0;
    sdl.areaHeight = height > 0 ? height : 0;
}

void platDestroyWindow() {
    if (sdl.virtualPointer || sdl.trackedPointer) SDL_SetRelativeMouseMode(SDL_FALSE);
    sdl.virtualPointer = false;
    sdl.trackedPointer = false;
    if (sdl.window) SDL_DestroyWindow(sdl.window);
    sdl.window = nullptr;
}

void platGetClientSize(int* width, int* height) {
    int w = 0, h = 0;
    if (sdl.window) SDL_GL_GetDrawableSize(sdl.window, &w, &h);
    if (width) *width = w;
    if (height) *height = h;
}

void platShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

bool platCreateGlContext() {
    if (!sdl.window) return false;
    sdl.context = SDL_GL_CreateContext(sdl.window);
    if (!sdl.context) {
        setError("cannot create the OpenGL context");
        return false;
    }
    SDL_GL_MakeCurrent(sdl.window, sdl.context);
    SDL_GL_SetSwapInterval(0);  // the loop renders whenever idle, never waits
    return true;
}

void platDeleteGlContext() {
    if (sdl.context) {
        SDL_GL_MakeCurrent(sdl.window, nullptr);
        SDL_GL_DeleteContext(sdl.context);
    }
    sdl.context = nullptr;
}

bool platHasGlContext() { return sdl.context != nullptr; }

void platSwapBuffers() {
    if (sdl.window && sdl.context) SDL_GL_SwapWindow(sdl.window);
}

bool platPeekMessage(WindowMessage* msg) {
    if (sdl.quitPosted) {
        sdl.quitPosted = false;
        *msg = WindowMessage{};
        msg->message = WM_QUIT;
        msg->wParam = (uintptr_t)sdl.quitCode;
        return true;
    }
    if (!sdl.videoStarted) return false;
    if (sdl.buttonWaiting) {
        sdl.buttonWaiting = false;
        *msg = sdl.waitingButton;
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        const bool button = e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP;
        // A button acts where the pointer is now: a move there comes first.
        if (button && sdl.trackedPointer && refreshTrackedPointer()) {
            sdl.buttonWaiting = translate(e, &sdl.waitingButton);
            pointerMoveMessage(msg);
            return true;
        }
        if (translate(e, msg)) return true;
    }
    // Once a frame, when the queue is empty: where the pointer went.
    if (sdl.trackedPointer && !sdl.pointerReadThisFrame) {
        sdl.pointerReadThisFrame = true;
        if (refreshTrackedPointer()) {
            pointerMoveMessage(msg);
            return true;
        }
    }
    sdl.pointerReadThisFrame = false;
    return false;
}

void platPostQuitMessage(int exitCode) {
    sdl.quitPosted = true;
    sdl.quitCode = exitCode;
}

bool platKeyHeld(int virtualKey) {
    const unsigned mod = sdl.keyModKnown ? sdl.keyMod : (unsigned)SDL_GetModState();
    if (virtualKey == VK_SHIFT) return (mod & KMOD_SHIFT) != 0;
    if (virtualKey == VK_CONTROL) return (mod & KMOD_CTRL) != 0;
    return false;
}

uint32_t platTimeMs() {
    if (!sdl.videoStarted) SDL_InitSubSystem(SDL_INIT_TIMER);
    return SDL_GetTicks();
}

void platMessageBox(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    const char* quiet = std::getenv("VORIX_NO_DIALOGS");
    if (quiet && *quiet) return;
    if (!sdl.videoStarted) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption ? caption : "", text ? text : "",
                             sdl.window);
}

bool platMouseDeviceOpen() {
    sdl.mouseOpen = sdl.videoStarted;
    sdl.pendingRelX = sdl.pendingRelY = sdl.pendingWheel = 0;
    return sdl.mouseOpen;
}

void platMouseDeviceClose() { sdl.mouseOpen = false; }

bool platPollMouseDevice(PlatMouseState* state) {
    if (!sdl.mouseOpen || !state) return false;
    state->relX = sdl.pendingRelX;
    state->relY = sdl.pendingRelY;
    state->wheel = sdl.pendingWheel;
    sdl.pendingRelX = sdl.pendingRelY = sdl.pendingWheel = 0;
    Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    state->button0 = (buttons & SDL_BUTTON_LMASK) != 0;
    state->button1 = (buttons & SDL_BUTTON_RMASK) != 0;
    state->button2 = (buttons & SDL_BUTTON_MMASK) != 0;
    return true;
}
