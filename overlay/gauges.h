// The round instruments, drawn in screen-space mode (origin top-left): the
// G-meter with its maximum pointer, the airspeed dial with its km/h read-out,
// the three-needle altimeter at the right edge, and the panel clock the menu
// panel carries.
#pragma once

// Load needle and maximum pointer on the face at (x, y).
void drawGMeter(float loadG, int x, int y);
// Airspeed in knots; after landing the dial stays on the landing speed.
void drawSpeedGauge(float speedKt);
// Height in feet.
void drawAltimeter(float heightFt);
// Local time on the 80-unit clock face at (x, y); seconds are not shown.
void drawPanelClock(int hour, int minute, int second, int x, int y);
