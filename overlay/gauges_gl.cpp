// Gauge faces and needles: textured quads over the picture, needles turned
// about the face's hub.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "assets/textures.h"
#include "menu/font_text.h"
#include "overlay/gauge_geometry.h"
#include "overlay/gauges.h"
#include "overlay/overlay_state.h"
#include "render/body_state.h"
#include "sim/simulation.h"
#include "sim/units.h"

namespace {

// TGA load order of the gauge pictures.
enum GaugeImage {
    kGMeterFace = 6,
    kNeedle = 7,
    kNeedleBig = 8,
    kNeedleMaxG = 9,
    kClockFace = 10,
    kAltimeterFace = 11,
    kSpeedFace = 12,
};

void beginGauge() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

// The face with the picture's top edge at the top of the screen.
void drawFace(int image, int x, int y, int side) {
    glBindTexture(GL_TEXTURE_2D, tgaImages[image].texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2i(x, y);
    glTexCoord2f(1, 1);
    glVertex2i(x + side, y);
    glTexCoord2f(1, 0);
    glVertex2i(x + side, y + side);
    glTexCoord2f(0, 0);
    glVertex2i(x, y + side);
    glEnd();
}

// The needle picture's top is its head.
void drawNeedle(int image, const NeedleQuad& q) {
    static const float tex[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    glBindTexture(GL_TEXTURE_2D, tgaImages[image].texture);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2fv(tex[k]);
        glVertex2i(q.corner[k].x, q.corner[k].y);
    }
    glEnd();
}

}  // namespace

void drawGMeter(float loadG, int x, int y) {
    constexpr int side = 110;
    if (bodyState.landed) loadG = 0.0f;
    overlay.maxLoadG = updateMaxLoad(overlay.maxLoadG, loadG, simulation.clocks.seatTime,
                                     simulation.derived.maxDragTimeS, simulation.derived.maxDragG);
    beginGauge();
    drawFace(kGMeterFace, x, y, side);
    drawNeedle(kNeedle, needleQuad(x, y, side, gMeterAngleDeg(loadG)));
    drawNeedle(kNeedleMaxG, needleQuad(x, y, side, gMeterAngleDeg(overlay.maxLoadG)));
}

void drawSpeedGauge(float speedKt) {
    constexpr int x = 685, y = 42, side = 120;
    if (bodyState.landed) {
        const Trajectory& tr = *simulation.trajectory;
        const TrajectorySample s =
            trajectorySample(tr, (long)truncToInt(bodyState.landedSeatTimeS * 1000.0) + 1);
        const double speed = std::sqrt(s.v[0] * s.v[0] + s.v[1] * s.v[1] + s.v[2] * s.v[2]);
        speedKt = (float)truncToInt(speed * kKtPerMs);
    }
    beginGauge();
    drawFace(kSpeedFace, x, y, side);
    drawNeedle(kNeedle, needleQuad(x, y, side, speedGaugeAngleDeg(speedKt)));

    char text[64];
    std::snprintf(text, sizeof text, "%4.0f Km/h", speedKt * kKmhPerKt);
    glColor3f(1, 1, 1);
    printText(725, 478, text, 0, 0.5f, 0.5f);
}

void drawAltimeter(float heightFt) {
    constexpr int x = 676, y = 325, side = 120;
    const AltimeterAngles a = altimeterAngles(truncToInt(heightFt));
    beginGauge();
    drawFace(kAltimeterFace, x, y, side);
    // Shortest first, so the long thousands needle lies on top.
    drawNeedle(kNeedle, needleQuad(x, y, side, a.hundredThousandsDeg, 1.1, 1.0 / 1.8));
    drawNeedle(kNeedleBig, needleQuad(x, y, side, a.tenThousandsDeg, 2.12, 1.0 / 1.4));
    drawNeedle(kNeedle, needleQuad(x, y, side, a.thousandsDeg, 1.2, 1.2));
}

void drawPanelClock(int hour, int minute, int /*second*/, int x, int y) {
    constexpr int side = 80;
    const ClockAngles a = panelClockAngles(hour, minute);
    beginGauge();
    drawFace(kClockFace, x, y, side);
    drawNeedle(kNeedleBig, needleQuad(x, y, side, a.hourDeg));
    drawNeedle(kNeedle, needleQuad(x, y, side, a.minuteDeg));
}
