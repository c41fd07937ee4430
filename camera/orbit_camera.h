// The two orbit cameras: a distance, an azimuth and an elevation around a
// centre on the body, turned by the mouse device while no button drags.
#pragma once

#include "camera/camera_state.h"

struct CameraScene;

// The mouse as the orbit cameras read it.
struct OrbitMouse {
    bool deviceReady = false;
    int relX = 0, relY = 0, wheel = 0;  // last poll of the mouse device
    bool leftDragging = false;
    bool rightDragging = false;
    float frameRate = 0.0f;  // 0 (not measured yet): the device turns nothing
};

// Lowest eye of an orbit camera, metres.
constexpr float kOrbitEyeFloorM = 1.8f;
// Closest a left drag brings each orbit camera, metres.
constexpr float kFighterOrbitNearestM = 6.5f;
constexpr float kPilotOrbitNearestM = 3.5f;

// Distance from the wheel (and the vertical motion while the left button
// drags, never nearer than the camera's drag limit), angles from the motion
// while no button drags, then eye and centre around the centre point. Without
// the mouse device only eye and centre are recomputed.
void updateOrbit(OrbitCamera& orbit, const OrbitMouse& mouse, const Vec3& centre, bool fighterOrbit);

// The two cameras' centres: the fighter's reference point, and the seat in
// the fighter.
void updateOrbitFighter(CameraState& c, const OrbitMouse& mouse, const CameraScene& scene);
void updateOrbitPilot(CameraState& c, const OrbitMouse& mouse, const CameraScene& scene);
