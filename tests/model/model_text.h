// Helpers for the model tests: model texts written to temporary files, and
// an error-box recorder.
#pragma once

#include <string>

#include "render/poly_model.h"

// Writes text to a fresh temporary file and returns its path.
std::string writeModelText(const std::string& text);

// Loads text through a temporary file into model.
bool loadModelText(const std::string& text, PolyModel& model);

// Records the last errorBox text while alive; restores stderr reporting after.
struct ErrorBoxRecorder {
    ErrorBoxRecorder();
    ~ErrorBoxRecorder();
    static int count;
    static std::string last;
};

// First and last slot of a part (0, -1 when empty).
struct SlotRange {
    int first = 0, last = -1;
};
SlotRange rangeOf(const PolyModel& model, int part);
