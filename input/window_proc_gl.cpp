#include "input/window_proc.h"

#include "app/app_state.h"
#include "app/startup.h"
#include "app/window.h"
#include "input/input_state.h"
#include "input/key_handler.h"
#include "platform/platform.h"

int windowProc(const WindowMessage& msg) {
    switch (msg.message) {
        case WM_CREATE:
            initDefaults();
            app.aspectRatio = aspectRatioFor(app);
            applyProjection();
            return 0;
        case WM_SIZE:
            if (!app.fullScreen) {
                app.clientWidth = lParamLow(msg.lParam);
                app.clientHeight = lParamHigh(msg.lParam);
                resizeViewport(app.clientWidth, app.clientHeight);
                app.aspectRatio = aspectRatioFor(app);
            }
            return 0;
        case WM_PAINT:
            return 0;  // all drawing happens in the frame loop
        case WM_CLOSE:
            platPostQuitMessage(0);
            return 0;
        case WM_KEYDOWN:
            handleKey((int)msg.wParam);
            return 0;
        case WM_MOUSEMOVE:
            mapCursor(input, lParamLow(msg.lParam), lParamHigh(msg.lParam), app.fullScreen,
                      app.clientWidth, app.clientHeight);
            return 0;
        default:
            return 0;
    }
}
