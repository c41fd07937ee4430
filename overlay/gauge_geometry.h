// Gauge arithmetic, GL-free: where the needles of the round instruments point.
// The quads that draw them, on the virtual screen with its origin at the
// top-left, are the dials' of menu/dial.h.
#pragma once

#include "menu/dial.h"

// Needle angles in degrees, clockwise from the top of the dial.
// G-meter: 9 degrees a g (40 g is a full turn).
double gMeterAngleDeg(float loadG);
// Airspeed dial: 800 knots a full turn.
double speedGaugeAngleDeg(float speedKt);
// Altimeter: three needles for a height in whole feet, truncated to whole degrees.
struct AltimeterAngles {
    int thousandsDeg;         // long needle: one turn per 1000 ft
    int tenThousandsDeg;      // broad needle: one turn per 10,000 ft
    int hundredThousandsDeg;  // short needle: one turn per 100,000 ft
};
AltimeterAngles altimeterAngles(int heightFt);

// The maximum-load pointer before it is drawn: follows the load upwards, takes
// the run's largest drag once the run has passed that moment, and stops at 39 g.
float updateMaxLoad(float maxLoadG, float loadG, double seatTimeS, float maxDragTimeS, float maxDragG);
constexpr float kMaxLoadCapG = 39.0f;
constexpr float kMaxLoadIdleG = -1.0f;       // no run
constexpr float kMaxLoadRunStartG = 0.001f;  // a run has just started
