#include "input/step_rate.h"

#include <cmath>

#include "input/input_state.h"
#include "input/mouse_device.h"
#include "sim/frame_clock.h"

float keyStepRate(const FrameClock& frame) {
    const float r = frame.frameRate;
    return (r > 0.0f && std::isfinite(r)) ? r : 0.0f;
}

OrbitMouse orbitMouseFrom(const MouseDevice& mouse, const InputState& in, const FrameClock& frame) {
    OrbitMouse m;
    m.deviceReady = mouse.deviceReady;
    m.relX = mouse.relX;
    m.relY = mouse.relY;
    m.wheel = mouse.wheel;
    m.leftDragging = in.leftDragging;
    m.rightDragging = in.rightDragging;
    m.frameRate = keyStepRate(frame);
    return m;
}
