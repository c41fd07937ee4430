// The fly-by cameras: an eye dropped at a random point near the body's path,
// ahead of it along its velocity, that stays put until the body has passed.
#pragma once

#include <cstdint>

#include "camera/camera_state.h"

// Lowest fly-by eye, metres.
constexpr float kFlybyEyeFloorM = 3.0f;
// A fly-by camera is moved on at least this often, even if never passed.
constexpr uint32_t kFlybyMaxWaitMs = 15000;

// Places the eye around target: random whole angles a1 = random1 mod 360 and
// a2 = random2 mod 360 (degrees) on a sphere of the camera's radius, moved
// ahead by velocity x lead time, never below 3 m. A point that would put the
// eye below 3 m is taken from the upper half of the sphere instead.
void placeFlyby(FlybyCamera& f, const Vec3& target, const Vec3& velocity, uint32_t nowMs, int random1,
                int random2);

// True when the camera should be placed again: 15 s after its placement
// (restarting that wait), or once the current target is farther from the eye
// than both the radius and the distance it covers in the lead time.
bool flybyDue(FlybyCamera& f, uint32_t nowMs);

// Lead time of the pilot fly-by after a placement, from the pilot's speed:
// slow bodies get more.
float pilotFlybyLeadTime(float speedMs);
