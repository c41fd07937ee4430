// Gauge arithmetic, GL-free: where the needles of the round instruments point
// and the quads that draw them. Screen space is the 800 by 600 virtual screen
// with its origin at the top-left and y downwards.
#pragma once

#include <cstdint>

struct ScreenPoint {
    int x, y;
};

// A needle quad: corners 0 and 1 at the head, 2 and 3 at the tail.
struct NeedleQuad {
    ScreenPoint corner[4];
};

// The needle of a face of side `side` whose top-left corner is (x, y), turned
// clockwise by angleDeg from straight up. widthScale and lengthScale stretch
// the standard needle (length side / 2.3, a third of it behind the hub).
// A non-finite angle draws the needle straight up.
NeedleQuad needleQuad(int x, int y, int side, double angleDeg, double widthScale = 1.0, double lengthScale = 1.0);

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
// Panel clock: hour hand and minute hand (seconds are not shown).
struct ClockAngles {
    double hourDeg, minuteDeg;
};
ClockAngles panelClockAngles(int hour, int minute);

// The maximum-load pointer before it is drawn: follows the load upwards, takes
// the run's largest drag once the run has passed that moment, and stops at 39 g.
float updateMaxLoad(float maxLoadG, float loadG, double seatTimeS, float maxDragTimeS, float maxDragG);
constexpr float kMaxLoadCapG = 39.0f;
constexpr float kMaxLoadIdleG = -1.0f;       // no run
constexpr float kMaxLoadRunStartG = 0.001f;  // a run has just started

// Truncates toward zero into an int; NaN gives 0 and values beyond the int
// range stop at its ends (a plain cast would be undefined there).
int truncToInt(double v);
