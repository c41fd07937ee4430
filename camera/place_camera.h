// Placing the eye of the frame: the look-at of the current camera mode, the
// recorded eye position, then the lights that depend on the view.
#pragma once

#include "camera/camera_scene.h"

// The scene as the cameras see it now, from the process-wide records (the
// seat-start offset refreshed for the fighter's attitude first).
CameraScene currentCameraScene();

// Loads the look-at of the current mode onto the model-view matrix (which the
// frame has just reset), records camera.eyePosition and sets the lights.
void placeCamera();
