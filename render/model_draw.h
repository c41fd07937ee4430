// Drawing the polygon model with OpenGL immediate mode: a part's slot stream
// replayed as GL commands, and its shadow flattened onto the ground. Needs the
// GL context current.
#pragma once

#include "render/poly_model.h"
#include "sim/vec3.h"

// Draws the part translated by (tx, ty, tz); normals are multiplied by
// normalScale (every caller passes 1). Culling is off when noCull.
void drawModelPart(const PolyModel& m, int part, float tx, float ty, float tz, float normalScale,
                   bool noCull);

// Draws the part see-through in one colour (rgba, its alpha the opacity),
// lit, untextured, without writing depth: a shape to compare with.
void drawModelPartTinted(const PolyModel& m, int part, float tx, float ty, float tz, const float rgba[4]);

// Draws the part's shadow on the ground, cast from the light at `light`.
void drawPartShadow(const PolyModel& m, int part, float tx, float ty, float tz, const Vec3& light);
