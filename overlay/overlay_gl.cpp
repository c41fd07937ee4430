// The 2D layer over the scene: instruments or menu, pointer, frame rate.
#include <GL/gl.h>

#include <cstdio>

#include "camera/camera_state.h"
#include "menu/font_text.h"
#include "menu/menu.h"
#include "overlay/gauge_geometry.h"
#include "overlay/gauges.h"
#include "overlay/hud_text.h"
#include "overlay/overlay.h"
#include "overlay/overlay_layout.h"
#include "overlay/overlay_state.h"
#include "overlay/overlay_update.h"
#include "overlay/timeline_layout.h"
#include "render/body_state.h"
#include "sim/frame_clock.h"
#include "sim/simulation.h"
#include "sim/units.h"

void enterScreenSpace() {
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 800.0, 600.0, 0.0, -1.0, 1.0);
    // The camera's view is on the model-view matrix; 2D drawing starts afresh.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void leaveScreenSpace() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

void drawPointer(const OverlayInputs& in, float d) {
    const PointerFrame p =
        pointerFrame(in.cursorX, in.cursorY, d, in.leftDragging, in.rightDragging, menu.menuOpen, camera.cameraMode);
    // Opaque, so the black outline shows over any picture.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3fv(p.colour);
    for (const auto& triangle : p.fill) {
        glBegin(GL_TRIANGLE_STRIP);
        for (const auto& v : triangle) glVertex2fv(v);
        glEnd();
    }
    glColor3f(0, 0, 0);
    glLineWidth(3.0f);
    glBegin(GL_LINE_STRIP);
    for (const auto& v : p.outline) glVertex2fv(v);
    glEnd();
    glLineWidth(1.0f);

    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int i = 0; i < p.hintCount; ++i) {
        glColor3fv(p.hints[i].colour);
        printText(p.hints[i].x, p.hints[i].y, p.hints[i].text, 6, 0.88f, 0.9f);
    }
}

void drawOverlay(const OverlayState& o, const OverlayInputs& in, const FrameClock& frame) {
    const MenuPointer pointer{in.cursorX, in.cursorY};
    if (o.choice.instruments) {
        enterScreenSpace();
        if (o.choice.hudText) {
            drawHudText(hudFrame);
            drawTimeline(timelineFrame);
            drawAltimeter(hudFloat(bodyState.pilotHeightM * kFtPerMOverlay));
            drawSpeedGauge((float)truncToInt(o.shownSpeedKt));
            drawGMeter(bodyState.landed ? 0.0f : o.pilotLoadG, o.maxLoadG, 685, 191);
        }
        drawMenuStrip(pointer);
        drawPointer(in, 2.0f);
        leaveScreenSpace();
    } else {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        enterScreenSpace();
        drawMenuPanel(pointer, frame.local);
        drawPointer(in, 2.0f);
        leaveScreenSpace();
        glPopAttrib();
    }

    if (o.choice.frameRate) {
        enterScreenSpace();
        char text[64];
        std::snprintf(text, sizeof text, "%2.0f FPS", frame.frameRate);
        glColor3f(0, 1, 1);
        printText(690, 565, text, 6, 1.0f, 1.0f);
        leaveScreenSpace();
    }
}
