#include "camera/orbit_camera.h"

#include <cmath>

#include "camera/camera_scene.h"

void updateOrbit(OrbitCamera& o, const OrbitMouse& m, const Vec3& centre, bool fighterOrbit) {
    if (m.deviceReady) {
        o.distance += (float)m.wheel;
        if (m.leftDragging) {
            o.distance += (float)m.relY;
            const float nearest = fighterOrbit ? kFighterOrbitNearestM : kPilotOrbitNearestM;
            if (o.distance < nearest) o.distance = nearest;
        }
        // Before the first frame-rate measurement there is nothing to scale by.
        if (!m.leftDragging && !m.rightDragging && m.frameRate > 0.0f) {
            o.azimuth += (float)m.relX * 25.0f / m.frameRate;
            o.elevation += (float)m.relY * 25.0f / m.frameRate;
        }
    }
    const double radPerDeg = 0.017453292;
    const double a = o.azimuth * radPerDeg, e = o.elevation * radPerDeg;
    Vec3 offset((float)(o.distance * std::sin(a) * std::sin(e)), (float)(o.distance * -std::cos(a) * std::sin(e)),
                (float)(o.distance * std::cos(e)));
    o.centre = centre;
    o.eye = centre + offset;
    if (o.eye.z < kOrbitEyeFloorM) o.eye.z = kOrbitEyeFloorM;
    if (fighterOrbit && o.centre.z < 0.0f) o.centre.z = 1.0f;
}

void updateOrbitFighter(CameraState& c, const OrbitMouse& mouse, const CameraScene& scene) {
    updateOrbit(c.fighterOrbit, mouse, scene.fighterReference, true);
}

void updateOrbitPilot(CameraState& c, const OrbitMouse& mouse, const CameraScene& scene) {
    updateOrbit(c.pilotOrbit, mouse, scene.fighterPosition + scene.seatStart, false);
}
