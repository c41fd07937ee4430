// The round instruments, drawn in screen-space mode (origin top-left): the
// G-meter with its maximum pointer, the airspeed dial with its km/h read-out
// and the three-needle altimeter at the right edge. They draw what the
// overlay's update step left in its record.
#pragma once

// Load needle and maximum pointer on the face at (x, y).
void drawGMeter(float loadG, float maxLoadG, int x, int y);
// Airspeed in knots; after landing the dial stays on the landing speed.
void drawSpeedGauge(float speedKt);
// Height in feet.
void drawAltimeter(float heightFt);
