#include "camera/camera_view.h"

#include <algorithm>

#include "camera/camera_scene.h"
#include "camera/flyby_camera.h"
#include "camera/orbit_camera.h"

namespace {

CameraView lookFrom(const Vec3& eye, const Vec3& target) {
    CameraView v;
    v.eye = eye;
    v.target = target;
    v.recordedEye = eye;
    return v;
}

// Watch cameras: with follow the free camera rides along with the body and
// keeps its own direction; without it the free camera turns to the body,
// before a run too (the free camera's own direction may miss a fighter high
// up, and the key would show nothing of what it is named after).
CameraView watchView(const CameraState& c, const CameraScene& s, const Vec3& body) {
    if (c.watchFollow) {
        if (s.running) return lookFrom(c.freeCameraPosition + body, c.lookTarget);
        return lookFrom(c.freeCameraPosition + s.fighterPosition, c.lookTarget);
    }
    return lookFrom(c.freeCameraPosition, body);
}

CameraView orbitPilotView(const CameraState& c, const CameraScene& s) {
    const OrbitCamera& o = c.pilotOrbit;
    Vec3 p;
    if (s.running) p = s.seatMoving ? s.pilotDisplacement : s.fighterDrift;
    if (o.eye.z + p.z < 0.0f) p.z = 1.5f;
    CameraView v = lookFrom(o.eye + p, o.centre + p);
    v.wind = WindSound::leave;
    if (s.running && s.seatTimeS > s.catapultPhaseTimeS) v.wind = WindSound::play;
    return v;
}

CameraView orbitFighterView(const CameraState& c, const CameraScene& s) {
    const OrbitCamera& o = c.fighterOrbit;
    Vec3 p;
    if (s.running) p = s.fighterDrift;
    // The fighter stops where it crashed; the orbit stays about the fire
    // instead of following its path on under the ground.
    if (s.running && s.fighterCrashed) p = s.fighterPoint - s.fighterReference;
    Vec3 eye = o.eye + p, target = o.centre + p;
    CameraView v = lookFrom(eye, target);
    // The look-at never goes below the floor; the recorded eye may.
    v.eye.z = std::max(eye.z, kOrbitEyeFloorM);
    v.target.z = std::max(target.z, kOrbitEyeFloorM);
    return v;
}

CameraView fighterFlybyView(FlybyCamera& f, const CameraScene& s, uint32_t nowMs, int (*randomDraw)()) {
    if (!s.running) {
        f.target = s.fighterReference;
    } else {
        if (s.fighterCrashed) {
            // The wreck stands at its fire: the camera is placed about it
            // once and then every 15 s, instead of waiting for a path that
            // goes on under the ground (nothing passes a body standing still).
            f.target = s.fighterPoint;
            const bool placedForFlight = f.targetVelocity.length() > 0.0f;
            if (placedForFlight || (uint32_t)(nowMs - f.placementTimeMs) >= kFlybyMaxWaitMs) {
                int a1 = randomDraw(), a2 = randomDraw();
                placeFlyby(f, f.target, Vec3(), nowMs, a1, a2);
            }
            return lookFrom(f.eye, f.target);
        }
        f.target = s.fighterReference + s.fighterDrift;
        if (flybyDue(f, nowMs)) {
            int a1 = randomDraw(), a2 = randomDraw();
            placeFlyby(f, f.target, s.fighterVelocity, nowMs, a1, a2);
        }
    }
    return lookFrom(f.eye, f.target);
}

CameraView pilotFlybyView(FlybyCamera& f, const CameraScene& s, uint32_t nowMs, int (*randomDraw)()) {
    if (!s.running) {
        f.target = s.fighterPosition;
    } else {
        // At a close pass the figure itself must stay in the picture.
        f.target = s.pilotFigure;
        f.targetVelocity = s.pilotVelocity;
        if (flybyDue(f, nowMs)) {
            int a1 = randomDraw(), a2 = randomDraw();
            placeFlyby(f, f.target, s.pilotVelocity, nowMs, a1, a2);
            f.leadTime = pilotFlybyLeadTime(s.pilotVelocity.length());
        }
    }
    return lookFrom(f.eye, f.target);
}

}  // namespace

CameraView freeCameraView(const CameraState& c) { return lookFrom(c.freeCameraPosition, c.lookTarget); }

CameraView computeCameraView(CameraState& c, const CameraScene& s, uint32_t nowMs, int (*randomDraw)()) {
    switch (c.cameraMode) {
        case kCameraWatchFighter:
            return watchView(c, s, s.fighterPoint);
        case kCameraWatchPilot:
            // Before a run the pilot sits in the cockpit, metres off Q.
            return watchView(c, s, s.running ? s.pilotPoint : s.pilotFigure);
        case kCameraOrbitPilot:
            return orbitPilotView(c, s);
        case kCameraOrbitFighter:
            return orbitFighterView(c, s);
        case kCameraFighterFlyby:
            return fighterFlybyView(c.fighterFlyby, s, nowMs, randomDraw);
        case kCameraPilotFlyby:
            return pilotFlybyView(c.pilotFlyby, s, nowMs, randomDraw);
        case kCameraPresetView: {
            CameraView v = freeCameraView(c);
            if (s.running) v.target = s.fighterPosition + s.fighterVelocity * s.elapsedS;
            v.wind = WindSound::leave;
            return v;
        }
        default:
            // Mode 0, and any value a damaged preset might hold.
            return freeCameraView(c);
    }
}
