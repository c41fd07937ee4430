// The CONTROL page: one value spinner per simulation parameter at its place,
// the rows of values with their headings, and the DEFAULT values. The rows,
// spinners and DEFAULT values are those of sim/parameter_table.h.
#pragma once

#include "menu/menu_text.h"
#include "sim/parameter_table.h"

struct Simulation;

constexpr int countControlRows(bool (*has)(const SimParameter&)) {
    int n = 0;
    for (const SimParameter& p : kSimParameters) n += has(p) ? 1 : 0;
    return n;
}
constexpr int kControlSpinnerCount = countControlRows(hasSpinner);
constexpr int kControlToggleCount = countControlRows(hasToggle);
constexpr int kControlSpinnerWidth = 24;
constexpr int kControlSpinnerHeight = 18;
constexpr int kControlToggleSize = 30;

// The spinner (counted in table order) of the parameter NAME, or -1.
constexpr int controlSpinnerIndex(const char* name) {
    int n = 0;
    for (const SimParameter& p : kSimParameters) {
        if (!hasSpinner(p)) continue;
        if (param_table_detail::sameName(p.name, name)) return n;
        ++n;
    }
    return -1;
}
constexpr int kCatapultThrustSpinner = controlSpinnerIndex("catapultThrustLb");
constexpr int kSeatBackSpinner = controlSpinnerIndex("seatBackAngleDeg");

// DEFAULT: the seat's reference values. The pilot mass, count-down, airspeed,
// "Apply G on Fighter" and the switches keep theirs.
void applyControlDefaults(Simulation& sim);

// An angle as its spinner edits it (the seat-back angle): one stored above
// 180 degrees (a negative angle after normalising) is the same angle below 0.
float angleForSpinner(float angleDeg);

// The rows and headings of the page for the current values; panelX is the
// left column's x (10 when the panel is open). Returns the number of lines.
constexpr int kControlLineCapacity = 48;
int layoutControlPage(const Simulation& sim, int panelX, MenuText* lines, int capacity);
