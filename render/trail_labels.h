// The trail's labels laid out GL-free: short texts of the font sheets on
// small plates that face the eye and keep their size on the screen at any
// distance, beside the mark they name. Labels that would cover one another
// on the screen are stacked above it, with a leader back to the mark.
#pragma once

#include "sim/vec3.h"

constexpr int kLabelChars = 20;
constexpr int kTrailLabelCapacity = 8;

// The eye as the labels need it: where it is, its axes, and how many metres
// one pixel of the 600-pixel-high picture covers one metre in front of it.
struct LabelView {
    Vec3 eye;
    Vec3 forward, right, up;   // unit vectors
    float metresPerPixelAt1m = 0.0f;
};

// up is the look-at's up hint; fovDeg the vertical field of view.
LabelView labelViewFor(const Vec3& eye, const Vec3& target, const Vec3& up, float fovDeg);

struct LabelGlyph {
    Vec3 corner[4];            // bottom-left, bottom-right, top-right, top-left
    float s0, s1, t0, t1;      // the glyph's cell on the plain sheet
};

struct TrailLabel {
    Vec3 plate[4];             // the plate behind the text, corners as a glyph's
    LabelGlyph glyphs[kLabelChars];
    int glyphCount = 0;
    bool leader = false;       // stacked away from its mark
    Vec3 leaderFrom, leaderTo;
    float colour[3] = {1, 1, 1};
    float screenBox[4] = {0, 0, 0, 0};  // x0, y0, x1, y1 in pixels from the picture's middle
};

struct TrailLabels {
    TrailLabel label[kTrailLabelCapacity];
    int count = 0;
};

// The text's size on the screen.
constexpr int kLabelStyle = 0;             // the plain sheet
constexpr float kLabelScale = 0.75f;       // 12-pixel glyph cells
constexpr float kLabelLineStepPx = 15.0f;  // between stacked labels

// Adds a label for the mark at `anchor` (world) to `out`, unless it lies
// behind the eye, the text is empty or the list is full. Labels added
// earlier keep their places; a new one takes the lowest free line.
void addTrailLabel(const LabelView& view, const Vec3& anchor, const char* text, const float colour[3],
                   TrailLabels& out);
