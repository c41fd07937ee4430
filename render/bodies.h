// The body pass of the frame: the fighter, the canopy, the seat, the pilot,
// the parachutes and the effects of an ejection (GL).
#pragma once

#include "render/body_frame.h"
#include "sim/vec3.h"

// The chute meshes of the program (rebuilt every frame they are drawn).
extern ChuteMesh drogueMesh;
extern ChuteMesh mainMesh;

// Plans and draws the bodies for the simulation's clocks, seen from the eye.
// Every GL attribute is saved before and restored after.
void drawBodies(const Vec3& eye);
