// Placing the eye of the frame: the look-at of the current camera mode, the
// recorded eye position, then the lights that depend on the view.
#pragma once

#include <cstdint>

// Loads the look-at of the current mode at nowMs (the frame's clock) onto the
// model-view matrix (which the frame has just reset), records
// camera.eyePosition and sets the lights.
void placeCamera(uint32_t nowMs);
