// The camera record: the mode, the free camera's place and angles, the eye the
// frame used, the field of view, and the orbit and fly-by cameras. One process-wide instance.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

enum CameraMode : int {
    kCameraFree = 0,
    kCameraWatchFighter = 1,
    kCameraWatchPilot = 2,
    kCameraOrbitPilot = 3,
    kCameraOrbitFighter = 4,
    kCameraFighterFlyby = 5,
    kCameraPilotFlyby = 6,
    // Only a scene preset can hold it: the free camera's eye, looking at the
    // fighter during a run.
    kCameraPresetView = 7,
};
// The range the camera-mode spinner offers.
constexpr int kCameraModeMin = 0;
constexpr int kCameraModeMax = 6;

// Where an orbit camera starts: 60 degrees from straight above, so it looks
// down on its body from the side. (Straight below put the eye on the 1.8 m
// floor under the body, looking up past it at the sky.)
constexpr float kOrbitStartElevationDeg = 60.0f;

// A camera circling a body under mouse control. Elevation 0 is straight above
// the centre.
struct OrbitCamera {
    float azimuth = 270.0f;    // degrees
    float elevation = kOrbitStartElevationDeg;  // degrees
    float distance = 50.0f;    // metres
    Vec3 eye;
    Vec3 centre;
    float fieldOfView = 50.0f;  // recorded with presets, not used for the view
};

// A camera that waits near a body's path and re-places itself once the body
// has passed.
struct FlybyCamera {
    float radius = 50.0f;      // metres from the target at placement
    float leadTime = 2.5f;     // seconds the eye is moved ahead along the velocity
    uint32_t placementTimeMs = 0;
    Vec3 placementPoint;
    Vec3 eye;
    Vec3 target;               // current target
    Vec3 targetVelocity;
};

struct CameraState {
    int cameraMode = kCameraFree;
    float cameraYaw = 270.0f;   // degrees about z; 0 looks toward +y, 90 toward -x
    float cameraPitch = 0.0f;   // degrees above the horizontal
    Vec3 freeCameraPosition{-57.0f, 0.0f, 6.0f};
    Vec3 lookTarget;            // absolute point far along the view direction
    Vec3 eyePosition;           // the eye of this frame, read by the world drawing
    bool watchFollow = false;   // watch cameras ride along with their target
    float fieldOfView = 50.0f;  // vertical, degrees, of the projection; zoom keys change it
    OrbitCamera pilotOrbit;
    OrbitCamera fighterOrbit;
    FlybyCamera fighterFlyby;
    FlybyCamera pilotFlyby;
};

extern CameraState camera;

// Start-up values of the whole record (look target included).
void setCameraDefaults(CameraState& c);

// lookTarget = 1e6 * (-sin yaw cos pitch, cos yaw cos pitch, sin pitch): so
// far out that, absolute as it is, it acts as a direction from any eye.
void computeLookTarget(CameraState& c);
