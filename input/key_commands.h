// The keyboard commands on the records: one key through the key table
// (input/key_table.h), and what every key does afterwards. GL-free; the shell
// carries out the effects these ask for.
#pragma once

#include <cstdint>

#include "input/input_records.h"

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
};

struct KeyResult {
    unsigned effects = 0;          // InputEffect bits
    bool attitudeChanged = false;  // fighter attitude or seat-back angle
};

// Step multiplier m of the camera and speed keys: 10, 10 with Ctrl, 100 with
// Shift, 0.1 with both.
float stepMultiplier(KeyModifiers mods);

// One key, by virtual-key code. Keys not in the key map change nothing.
KeyResult applyKey(int virtualKey, KeyModifiers mods, InputRecords& r, uint32_t nowMs);

// What follows every key, after its effects were carried out: an attitude
// change brings the derived values and the model up to date; the menu's
// widgets and both orbit cameras are refreshed.
void finishKey(const KeyResult& result, InputRecords& r);

// Both orbit cameras from the mouse device and the scene as it stands.
void refreshOrbitCameras(InputRecords& r);
