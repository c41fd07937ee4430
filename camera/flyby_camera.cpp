#include "camera/flyby_camera.h"

#include <cmath>

void placeFlyby(FlybyCamera& f, const Vec3& target, const Vec3& velocity, uint32_t nowMs, int random1,
                int random2) {
    f.placementTimeMs = nowMs;
    const double radPerDeg = 0.017453292;
    const double a1 = (double)(((random1 % 360) + 360) % 360) * radPerDeg;
    const double a2 = (double)(((random2 % 360) + 360) % 360) * radPerDeg;
    f.targetVelocity = velocity;
    Vec3 offset((float)(f.radius * std::sin(a1) * std::sin(a2)), (float)(f.radius * -std::cos(a1) * std::sin(a2)),
                (float)(f.radius * std::cos(a2)));
    const Vec3 lead = velocity * f.leadTime;
    // A point under the ground would only be lifted to the floor, which can
    // leave the eye right beside (or inside) a body near the ground; the
    // point above it keeps the eye a radius away.
    if (target.z + offset.z + lead.z < kFlybyEyeFloorM) offset.z = std::fabs(offset.z);
    f.placementPoint = target + offset;
    f.eye = f.placementPoint + lead;
    if (f.eye.z < kFlybyEyeFloorM) f.eye.z = kFlybyEyeFloorM;
}

bool flybyDue(FlybyCamera& f, uint32_t nowMs) {
    if ((uint32_t)(nowMs - f.placementTimeMs) >= kFlybyMaxWaitMs) {
        f.placementTimeMs = nowMs;
        return true;
    }
    const float d = (f.eye - f.target).length();
    return f.targetVelocity.length() * f.leadTime < d && d > f.radius;
}

float pilotFlybyLeadTime(float speedMs) {
    const float knots = speedMs * 1.944f;
    const float slowness = (600.0f - knots) / 600.0f;
    return 2.0f * slowness * slowness + 0.8f;
}
