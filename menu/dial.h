// Round dials drawn over the picture, GL-free: the quad of a needle turned
// about its face's hub, and the panel clock's hands. The overlay's gauges and
// the menu panel's clock both use them. Screen space is the 800 by 600
// virtual screen with its origin at the top-left and y downwards.
#pragma once

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

// Panel clock: hour hand and minute hand (seconds are not shown).
struct ClockAngles {
    double hourDeg, minuteDeg;
};
ClockAngles panelClockAngles(int hour, int minute);

// Truncates toward zero into an int; NaN gives 0 and values beyond the int
// range stop at its ends (a plain cast would be undefined there).
int truncToInt(double v);
