#include "input/step_rate.h"

#include <cmath>

#include "app/app_state.h"
#include "input/input_state.h"
#include "input/mouse_device.h"

float keyStepRate(const AppState& app) {
    const float r = app.frameRate;
    return (r > 0.0f && std::isfinite(r)) ? r : 0.0f;
}

OrbitMouse orbitMouseFrom(const MouseDevice& mouse, const InputState& in, const AppState& app) {
    OrbitMouse m;
    m.deviceReady = mouse.deviceReady;
    m.relX = mouse.relX;
    m.relY = mouse.relY;
    m.wheel = mouse.wheel;
    m.leftDragging = in.leftDragging;
    m.rightDragging = in.rightDragging;
    m.frameRate = keyStepRate(app);
    return m;
}
