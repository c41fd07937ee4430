// Draws the HUD lines laid out by buildHudFrame, and hands the pilot's load
// and speed on to the gauges.
#include <GL/gl.h>

#include <cstdlib>

#include "camera/camera_state.h"
#include "input/input_state.h"
#include "menu/font_text.h"
#include "menu/widgets_draw.h"
#include "overlay/hud_text.h"
#include "overlay/overlay.h"
#include "overlay/overlay_state.h"
#include "render/body_state.h"
#include "sim/simulation.h"

namespace {

HudFrame hudFrame;

void drawRect(const HudItem& item) {
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    if (item.kind == HudItem::Shade) glBlendFunc(GL_DST_COLOR, GL_ZERO);
    else glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4fv(item.colour);
    fillRect({item.x0, item.y0, item.x1, item.y1});
}

}  // namespace

void drawHudText() {
    HudInputs in;
    in.sim = &simulation;
    in.pilotHeightM = bodyState.pilotHeightM;
    in.landed = bodyState.landed;
    in.keyAltitudeM = overlay.keyAltitudeM;
    in.fieldOfView = camera.fieldOfView;
    in.cameraMode = camera.cameraMode;
    in.watchFollow = camera.watchFollow;
    in.cursorX = input.cursorX;
    in.cursorY = input.cursorY;
    in.pausedStyle = std::rand() % 2;   // the banner flickers between the sheet's halves
    buildHudFrame(in, atmosphereReadout, hudFrame);

    for (int i = 0; i < hudFrame.count; ++i) {
        const HudItem& item = hudFrame.items[i];
        if (item.kind == HudItem::Text) {
            glColor4fv(item.colour);
            printText(item.x, item.y, item.text, item.style, item.scaleX, item.scaleY);
        } else {
            drawRect(item);
        }
    }
    if (hudFrame.gaugeValuesSet) {
        overlay.pilotLoadG = hudFrame.pilotLoadG;
        overlay.shownSpeedKt = hudFrame.shownSpeedKt;
    }
}
