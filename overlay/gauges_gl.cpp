// The instruments' faces and needles, drawn as dials.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "menu/dial_draw.h"
#include "menu/font_text.h"
#include "overlay/gauge_geometry.h"
#include "overlay/gauges.h"
#include "render/body_state.h"
#include "sim/simulation.h"
#include "sim/units.h"

void drawGMeter(float loadG, float maxLoadG, int x, int y) {
    constexpr int side = 110;
    beginDial();
    drawDialFace(kGMeterFace, x, y, side);
    drawDialNeedle(kNeedle, needleQuad(x, y, side, gMeterAngleDeg(loadG)));
    drawDialNeedle(kNeedleMaxG, needleQuad(x, y, side, gMeterAngleDeg(maxLoadG)));
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
    beginDial();
    drawDialFace(kSpeedFace, x, y, side);
    drawDialNeedle(kNeedle, needleQuad(x, y, side, speedGaugeAngleDeg(speedKt)));

    char text[64];
    std::snprintf(text, sizeof text, "%4.0f Km/h", speedKt * kKmhPerKt);
    glColor3f(1, 1, 1);
    printText(725, 478, text, 0, 0.5f, 0.5f);
}

void drawAltimeter(float heightFt) {
    constexpr int x = 676, y = 325, side = 120;
    const AltimeterAngles a = altimeterAngles(truncToInt(heightFt));
    beginDial();
    drawDialFace(kAltimeterFace, x, y, side);
    // Shortest first, so the long thousands needle lies on top.
    drawDialNeedle(kNeedle, needleQuad(x, y, side, a.hundredThousandsDeg, 1.1, 1.0 / 1.8));
    drawDialNeedle(kNeedleBig, needleQuad(x, y, side, a.tenThousandsDeg, 2.12, 1.0 / 1.4));
    drawDialNeedle(kNeedle, needleQuad(x, y, side, a.thousandsDeg, 1.2, 1.2));
}
