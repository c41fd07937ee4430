#include "app/window_proc.h"

#include "app/app_state.h"
#include "app/input_effects.h"
#include "app/window.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/key_commands.h"
#include "input/mouse_commands.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "platform/keycodes.h"
#include "platform/platform.h"

namespace {

// A mouse message's position on the virtual screen: the virtual pointer's as
// it is; window pixels of a full-screen window through the picture's place in
// it; a window's own pixels scaled from its client area.
void messagePosition(const WindowMessage& msg, int* x, int* y) {
    *x = lParamLow(msg.lParam);
    *y = lParamHigh(msg.lParam);
    if (!app.fullScreen) scaleToVirtualScreen(*x, *y, app.clientWidth, app.clientHeight, x, y);
    else if (!app.virtualPointer) windowToVirtual(currentPictureArea(), app.clientHeight, *x, *y, x, y);
}

// Button messages carry the cursor; take it without starting any drag.
void takeCursor(const WindowMessage& msg) {
    int x, y;
    messagePosition(msg, &x, &y);
    setCursor(input, x, y);
}

// A key for the keyboard commands: the command, the effects it asks for, then
// what follows every key.
void keyDown(int virtualKey) {
    InputRecords r = processInputRecords();
    KeyModifiers mods;
    mods.shift = platKeyHeld(VK_SHIFT);
    mods.ctrl = platKeyHeld(VK_CONTROL);
    const KeyResult result = applyKey(virtualKey, mods, r, platTimeMs());
    carryOutInputEffects(result.effects);
    finishKey(result, r);
    // The attitude moved the sun's light relative to the fighter.
    if (result.attitudeChanged) carryOutInputEffects(kEffectLights);
}

}  // namespace

int windowProc(const WindowMessage& msg) {
    InputRecords r = processInputRecords();
    switch (msg.message) {
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
            else keyDown((int)msg.wParam);
            return 0;
        case WM_MOUSEMOVE: {
            int x, y;
            messagePosition(msg, &x, &y);
            carryOutInputEffects(handleMouseMove(x, y, r));
            if (menu.menuOpen) menuMouseMoveAt(input.cursorX, input.cursorY);
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
