// Drawing the rocket plume and the crash fire (GL).
#pragma once

#include "render/effects.h"
#include "render/poly_model.h"
#include "sim/vec3.h"

// The plume (part 11, already posed) glowing with the flicker's emission;
// the part itself only when visible (thrust above 100 lb).
void drawRocketPlume(const PolyModel& m, const Vec3& at, const PlumeEmission& emission, bool visible);

// The fire picture standing at c, w wide and h high, turned about the
// vertical through c to face the eye.
void drawCrashFire(const Vec3& c, float w, float h, const AtlasOffset& frame, const Vec3& eye);
