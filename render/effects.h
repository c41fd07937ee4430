// The rocket plume's flicker and the crash fire's animated picture: the
// numbers behind them. GL-free; effects_gl.cpp draws.
#pragma once

#include "render/random_source.h"

// The fire picture: a 4 x 2 atlas of 8 frames that plays once per 0.65 s.
struct SpriteAnim {
    static constexpr int kEntries = 100;
    struct Entry {
        bool active = true;
        float periodS = 0.65f;
        float timeS = 0.0f;
    } entries[kEntries];
    int columns = 4;
    int rows = 2;
    int frameCount = 8;
    int entryCount = kEntries;
};

extern SpriteAnim fireAnim;

struct AtlasOffset {
    float u, v;  // the frame spans u .. u + 1/columns and v - 1/rows .. v
};

// Frame k = (whole frames of tau / (period / count)) mod count; the top row
// first (v = 1), then the bottom row (v = 0.5).
AtlasOffset atlasFrame(const SpriteAnim& anim, double tau);

// Emission of the flickering plume from three draws.
struct PlumeEmission {
    float r, g, b;
};
PlumeEmission plumeFlicker(RandomSource& random);

// The crash fire's size this frame: width 30..32, height 18..24.
struct FireSize {
    float width, height;
};
FireSize crashFireSize(RandomSource& random);

// The texture rectangle of an atlas frame, drawn in by half a texel of a
// picture width x height on every side (the frame's own pixels only).
struct FireFrameRect {
    float u0, u1, v0, v1;  // v0 bottom, v1 top
};
FireFrameRect fireFrameRect(const AtlasOffset& frame, int width, int height);
