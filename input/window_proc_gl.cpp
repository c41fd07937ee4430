#include "input/window_proc.h"

#include "app/app_state.h"
#include "app/startup.h"
#include "app/window.h"
#include "input/input_effects.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/key_handler.h"
#include "input/mouse_commands.h"
#include "input/mouse_device.h"
#include "menu/menu.h"
#include "platform/platform.h"

namespace {

// A mouse message's position as the mouse commands take it: the virtual
// pointer's as it is; window pixels of a full-screen window through the
// picture's place in it; a window's own pixels are scaled by mapCursor.
void messagePosition(const WindowMessage& msg, int* x, int* y) {
    *x = lParamLow(msg.lParam);
    *y = lParamHigh(msg.lParam);
    if (app.fullScreen && !app.virtualPointer)
        windowToVirtual(currentPictureArea(), app.clientHeight, *x, *y, x, y);
}

// Button messages carry the cursor; take it without starting any drag.
void takeCursor(const WindowMessage& msg) {
    int x, y;
    messagePosition(msg, &x, &y);
    mapCursor(input, x, y, app.fullScreen, app.clientWidth, app.clientHeight);
}

}  // namespace

int windowProc(const WindowMessage& msg) {
    InputRecords r = processInputRecords();
    switch (msg.message) {
        case WM_CREATE:
            initDefaults();
            // The mouse device belongs with the defaults; it lives on the
            // platform, so it is opened beside them rather than inside.
            createMouseDevice();
            app.aspectRatio = aspectRatioFor(app);
            applyProjection();
            return 0;
        case WM_SIZE:
            app.clientWidth = lParamLow(msg.lParam);
            app.clientHeight = lParamHigh(msg.lParam);
            // Full screen keeps its 4:3 picture; only the bars around it change.
            resizeViewport(app.clientWidth, app.clientHeight);
            app.aspectRatio = aspectRatioFor(app);
            return 0;
        case WM_PAINT:
            return 0;  // all drawing happens in the frame loop
        case WM_CLOSE:
            platPostQuitMessage(0);
            return 0;
        case WM_KEYDOWN:
            if (sceneNameBoxOpen()) sceneNameBoxKey((int)msg.wParam);
            else handleKey((int)msg.wParam);
            return 0;
        case WM_MOUSEMOVE: {
            int x, y;
            messagePosition(msg, &x, &y);
            carryOutInputEffects(handleMouseMove(x, y, r));
            if (menu.menuOpen) menuMouseMove(input.cursorX, input.cursorY);
            return 0;
        }
        case WM_LBUTTONDOWN:
            takeCursor(msg);
            carryOutInputEffects(leftPressed(platTimeMs(), r));
            return 0;
        case WM_LBUTTONUP:
            takeCursor(msg);
            carryOutInputEffects(leftReleased(platTimeMs(), r));
            return 0;
        case WM_RBUTTONDOWN:
            takeCursor(msg);
            carryOutInputEffects(rightPressed(platTimeMs(), r));
            return 0;
        case WM_RBUTTONUP:
            rightReleased(r);
            return 0;
        default:
            return 0;
    }
}
