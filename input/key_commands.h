// The keyboard commands on the records: every key of the key map, its step
// sizes and side effects, and what every key does afterwards. GL-free; the
// window procedure carries out the effects these ask for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

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

// The name of a preset made with Ctrl+1: month-day-year and the time.
void presetNameFor(const std::tm& when, char* out, size_t size);

// The zero-zero reset of the Home key and the inverted low pass of key 0.
KeyResult zeroZeroReset(InputRecords& r, uint32_t nowMs);
KeyResult invertedLowPass(InputRecords& r, uint32_t nowMs);

// Both orbit cameras from the mouse device and the scene as it stands.
void refreshOrbitCameras(InputRecords& r);
