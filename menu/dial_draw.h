// Drawing the round dials (screen-space mode, origin top-left): faces and
// needles are textured quads from the TGA set, needles turned about the
// face's hub.
#pragma once

#include "menu/dial.h"

// TGA load order of the dial pictures.
enum DialImage {
    kGMeterFace = 6,
    kNeedle = 7,
    kNeedleBig = 8,
    kNeedleMaxG = 9,
    kClockFace = 10,
    kAltimeterFace = 11,
    kSpeedFace = 12,
};

// Blended, unlit, texture replacing the colour: the state every dial draws in.
void beginDial();
// The face with the picture's top edge at the top of the screen.
void drawDialFace(int image, int x, int y, int side);
// The needle picture's top is its head.
void drawDialNeedle(int image, const NeedleQuad& q);

// Local time on the 80-unit clock face at (x, y); seconds are not shown.
void drawPanelClock(int hour, int minute, int x, int y);
