// The HUD lines over the 3D picture, laid out GL-free: every line's text,
// colour, place, style and scale, and the shaded bands and boxes behind them,
// in drawing order. The drawing code only walks the list.
#pragma once

#include <cstdint>

#include "sim/atmosphere.h"

struct RunSummary;
struct Simulation;

// Long enough for every line with the largest float in every field (about 47
// characters each) and an int in every integer field.
constexpr int kHudTextChars = 512;
constexpr int kHudItemCount = 24;

struct HudItem {
    enum Kind { Text, Shade, Fill };
    Kind kind = Text;
    float colour[4] = {1, 1, 1, 1};
    // Text: printed at (x, y), origin bottom-left.
    int x = 0, y = 0, style = 0;
    float scaleX = 1, scaleY = 1;
    char text[kHudTextChars] = {};
    // Shade and Fill: the rectangle x0..x1, y0..y1, origin top-left. Shade
    // multiplies the picture by the colour; Fill blends the colour over it.
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct HudFrame {
    HudItem items[kHudItemCount];
    int count = 0;
    int clockItem = -1;  // the big clock's green figure
    // Handed to the gauges while the pilot is in flight during a run.
    bool gaugeValuesSet = false;
    float pilotLoadG = 0.0f;
    float shownSpeedKt = 0.0f;
};

// The frame's HUD lines: laid out by the overlay's update step, drawn by its
// drawing step.
extern HudFrame hudFrame;

// Everything the lines are made from besides the simulation records.
struct HudInputs {
    const Simulation* sim = nullptr;
    float pilotHeightM = 0.0f;      // seat and pilot above the ground (0 once landed)
    bool landed = false;
    double keyAltitudeM = 0.0;      // fighter altitude as the last key left it
    float fieldOfView = 50.0f;
    int cameraMode = 0;
    bool watchFollow = false;
    int cursorX = 0, cursorY = 0;   // top-left origin
    int pausedStyle = 0;            // 0 or 1, drawn at random each frame
    // The playing run's figures and a kept ghost's, compared on a line of
    // their own during the run; null while no ghost is beside the run.
    const RunSummary* runSummary = nullptr;
    const RunSummary* ghostSummary = nullptr;
};

// The ejection clock: minutes and seconds since the seat started to move
// (negative seconds during the count-down, 0 before a run), and the
// millisecond index of the seat samples.
struct EjectionClock {
    double minutes = 0.0, seconds = 0.0;
    int msIndex = 0;
};
EjectionClock ejectionClock(bool playing, int32_t elapsedMs, double countdownS, double canopyDelayS);

// The camera mode's name in the HUD box; "" for a mode without one.
const char* cameraModeName(int cameraMode, bool watchFollow);

// Builds every item in drawing order. The atmosphere at the pilot height is
// evaluated into `readout`.
void buildHudFrame(const HudInputs& in, AtmosphereReadout& readout, HudFrame& out);

// The number a HUD field shows for a value: the value as a float, with
// magnitudes beyond the float range shown as infinities.
float hudFloat(double v);
