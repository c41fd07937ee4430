// The frame rate that scales key-driven and mouse-driven camera motion, and
// its guard: until the first measurement the rate is 0, and a step divided by
// it would throw the camera to infinity. Such steps move nothing instead.
#pragma once

#include "camera/orbit_camera.h"

struct FrameClock;
struct InputState;
struct MouseDevice;

// The measured frame rate, or 0 while there is none to divide by.
float keyStepRate(const FrameClock& frame);

// amount / rate: one frame's share of a per-second amount; 0 without a rate.
inline float perFrame(float amount, float rate) { return rate > 0.0f ? amount / rate : 0.0f; }

// The mouse as the orbit cameras read it.
OrbitMouse orbitMouseFrom(const MouseDevice& mouse, const InputState& in, const FrameClock& frame);
