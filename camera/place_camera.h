// Placing the eye of the frame: the view of the current camera mode worked
// out in the frame's update steps (the eye recorded, the wind asked for),
// then loaded for the drawing with the lights that depend on it.
#pragma once

#include <cstdint>

#include "camera/camera_view.h"

// Update step, at the frame's clock nowMs: the view of the current mode (a
// fly-by camera is placed again when due), camera.eyePosition recorded, the
// wind sound requested or stopped as the view asks.
CameraView updateCameraView(uint32_t nowMs);

// Drawing step: the view's look-at onto the model-view matrix (which the
// frame has just reset), then the lights, which go through it.
void loadCameraView(const CameraView& view);

// Both at once (the loading screen's one placement).
void placeCamera(uint32_t nowMs);
