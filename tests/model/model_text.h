// Helpers for the model tests: model texts written to temporary files, and
// a recorder of the errors the loader returns.
#pragma once

#include <string>

#include "render/poly_model.h"

// Writes text to a fresh temporary file and returns its path.
std::string writeModelText(const std::string& text);

// Loads text through a temporary file into model.
bool loadModelText(const std::string& text, PolyModel& model);
// loadPolyModel, with the error it returns kept by a LoadErrorRecorder.
bool loadModelFile(const std::string& path, PolyModel& model);

// While alive: the errors the two loads above returned (their count and the
// last text), and the "Error" boxes shown meanwhile, which a loader never
// shows itself (its caller does). Restores stderr reporting after.
struct LoadErrorRecorder {
    LoadErrorRecorder();
    ~LoadErrorRecorder();
    static int count;
    static std::string last;
    static int boxesShown;
};

// First and last slot of a part (0, -1 when empty).
struct SlotRange {
    int first = 0, last = -1;
};
SlotRange rangeOf(const PolyModel& model, int part);
