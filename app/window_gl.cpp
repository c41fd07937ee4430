#include <GL/gl.h>
#include <GL/glu.h>

#include "app/app_state.h"
#include "app/window.h"
#include "input/window_proc.h"
#include "platform/platform.h"

void setDisplayMode() {
    switch (platSetDisplayMode(kVirtualScreenWidth, kVirtualScreenHeight)) {
        case DisplayModeResult::Switched:
            break;
        case DisplayModeResult::CouldNotEnum:
            platMessageBox("Could Not Enum Display Settings", "Error");
            break;
        case DisplayModeResult::NotCompatible:
            platMessageBox("Display Mode Not Compatible", "Error");
            platPostQuitMessage(0);
            break;
    }
}

bool createMainWindow(const char* title, int width, int height, bool fullScreen) {
    if (fullScreen) {
        setDisplayMode();
        platShowCursor(false);
    }
    if (!platCreateWindow(kWindowClassName, title, width, height, fullScreen)) return false;
    int w = width, h = height;
    platGetClientSize(&w, &h);
    app.clientWidth = w;
    app.clientHeight = h;
    WindowMessage create;
    create.message = WM_CREATE;
    windowProc(create);
    return true;
}

bool createGlContext(int width, int height) {
    if (!platCreateGlContext()) {
        platMessageBox("SetPixelFormat failed", "Error");
        platPostQuitMessage(0);
        return false;
    }
    glEnable(GL_TEXTURE_2D);
    resizeViewport(width, height);
    return true;
}

static void loadPerspective(float aspect) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(app.fieldOfView, aspect, 1.0, 350000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void resizeViewport(int width, int height) {
    if (!platHasGlContext()) return;
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    loadPerspective((float)width / (float)height);
}

void applyProjection() {
    if (!platHasGlContext()) return;
    loadPerspective(app.aspectRatio);
}

void destroyMainWindow() {
    platDeleteGlContext();
    if (app.fullScreen) {
        platRestoreDisplayMode();
        platShowCursor(true);
    }
    platDestroyWindow();
    platPostQuitMessage(0);
}
