#include <GL/gl.h>
#include <GL/glu.h>

#include "app/app_state.h"
#include "app/window.h"
#include "camera/camera_state.h"
#include "platform/platform.h"

namespace {
PictureArea picture{0, 0, kVirtualScreenWidth, kVirtualScreenHeight};
}  // namespace

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
        if (app.modeSwitch) setDisplayMode();
        platShowCursor(false);
    }
    if (!platCreateWindow(kWindowClassName, title, width, height, fullScreen)) return false;
    // Full screen: the pointer is held so that motion keeps coming at the
    // screen's edges; messages then carry its place in window pixels, or a
    // cursor of the platform's own on the virtual screen.
    app.virtualPointer = fullScreen && platUseVirtualPointer(kVirtualScreenWidth, kVirtualScreenHeight);
    int w = width, h = height;
    platGetClientSize(&w, &h);
    app.clientWidth = w;
    app.clientHeight = h;
    picture = pictureAreaFor(fullScreen, w, h);
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
    gluPerspective(camera.fieldOfView, aspect, 1.0, 350000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void resizeViewport(int width, int height) {
    if (height == 0) height = 1;
    picture = pictureAreaFor(app.fullScreen, width, height);
    // A held pointer stops at the picture's edges, not in the bars.
    platSetPointerArea(picture.x, height - (picture.y + picture.height), picture.width, picture.height);
    if (!platHasGlContext()) return;
    glViewport(picture.x, picture.y, picture.width, picture.height);
    // The full-screen picture is 4:3 whatever the desktop's shape.
    loadPerspective(app.fullScreen ? aspectRatioFor(app) : (float)width / (float)height);
}

void applyProjection() {
    if (!platHasGlContext()) return;
    loadPerspective(app.aspectRatio);
}

PictureArea currentPictureArea() { return picture; }

void presentFrame() {
    const int w = app.clientWidth, h = app.clientHeight;
    const PictureArea& p = picture;
    if (p.x > 0 || p.y > 0 || p.width < w || p.height < h) {
        glPushAttrib(GL_SCISSOR_BIT | GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT);
        glEnable(GL_SCISSOR_TEST);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        const int bars[4][4] = {
            {0, 0, p.x, h},                                             // left
            {p.x + p.width, 0, w - (p.x + p.width), h},                 // right
            {0, 0, w, p.y},                                             // bottom
            {0, p.y + p.height, w, h - (p.y + p.height)},               // top
        };
        for (const auto& b : bars) {
            if (b[2] <= 0 || b[3] <= 0) continue;
            glScissor(b[0], b[1], b[2], b[3]);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        glPopAttrib();
    }
    platSwapBuffers();
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
