#include "overlay/gauge_geometry.h"

double gMeterAngleDeg(float loadG) { return loadG * 9.0; }

double speedGaugeAngleDeg(float speedKt) { return speedKt / 2.22222; }

AltimeterAngles altimeterAngles(int heightFt) {
    AltimeterAngles a;
    a.thousandsDeg = truncToInt((heightFt % 1000) * 0.36);
    a.tenThousandsDeg = truncToInt((heightFt % 10000) * 0.036);
    a.hundredThousandsDeg = truncToInt(heightFt * 0.0036);
    return a;
}

float updateMaxLoad(float maxLoadG, float loadG, double seatTimeS, float maxDragTimeS, float maxDragG) {
    if (loadG > maxLoadG) maxLoadG = loadG;
    if (seatTimeS > maxDragTimeS) maxLoadG = maxDragG;
    if (maxLoadG > kMaxLoadCapG) maxLoadG = kMaxLoadCapG;
    return maxLoadG;
}
