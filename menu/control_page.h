// The CONTROL page: one value spinner per simulation parameter at its place,
// the rows of values with their headings, and the DEFAULT values.
#pragma once

#include "menu/menu_text.h"

struct SimParams;
struct Simulation;

constexpr int kControlSpinnerCount = 24;
constexpr int kControlSpinnerWidth = 24;
constexpr int kControlSpinnerHeight = 18;

// A spinner of the page: its top-left corner, the parameter (one of the two
// members is set), range and step. The catapult thrust's minimum is the
// package weight in lb when the spinner is built, not minF.
struct ControlSpinnerRow {
    int left, top;
    float SimParams::*floatField;
    double SimParams::*doubleField;
    double min, max;
    float step;
};

extern const ControlSpinnerRow kControlSpinners[kControlSpinnerCount];
constexpr int kCatapultThrustSpinner = 5;
constexpr int kSeatBackSpinner = 1;

// DEFAULT: the seat's reference values. The pilot mass, count-down, airspeed,
// "Apply G on Fighter" and the switches keep theirs.
void applyControlDefaults(SimParams& p);

// The seat-back angle as the spinner edits it: an angle stored above 180
// degrees (a negative angle after normalising) is the same angle below 0.
float seatBackForSpinner(float angleDeg);

// The rows and headings of the page for the current values; panelX is the
// left column's x (10 when the panel is open). Returns the number of lines.
constexpr int kControlLineCapacity = 48;
int layoutControlPage(const Simulation& sim, int panelX, MenuText* lines, int capacity);
