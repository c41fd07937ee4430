// The body pass of the frame: the fighter, the canopy, the seat, the pilot,
// the parachutes and the effects of an ejection. Planned in the frame's
// update steps without GL, then drawn.
#pragma once

#include "render/body_frame.h"
#include "sim/vec3.h"

// The chute meshes of the program (rebuilt every frame they are drawn).
extern ChuteMesh drogueMesh;
extern ChuteMesh mainMesh;

// Update step: the bodies planned for the simulation's clocks (the body
// state, the model's poses and the chute meshes for this frame), and the
// sounds of the moments the frame passed asked for, heard from the eye.
BodyFrame planBodies(const Vec3& eye);

// Drawing step: every body where the plan put it. Every GL attribute is
// saved before and restored after.
void drawBodies(const BodyFrame& frame, const Vec3& eye);
