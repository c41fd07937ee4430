// Placing the eye of the frame: the look-at of the current camera mode, the
// recorded eye position, then the lights that depend on the view.
#pragma once

// Loads the look-at of the current mode onto the model-view matrix (which the
// frame has just reset), records camera.eyePosition and sets the lights.
void placeCamera();
