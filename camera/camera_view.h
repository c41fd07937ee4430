// The view of one frame as plain numbers: eye, target and up vector for the
// look-at, and the eye the world drawing reads. GL-free, so every camera mode
// can be checked without a context.
#pragma once

#include <cstdint>

#include "camera/camera_state.h"
#include "sim/vec3.h"

struct CameraScene;

// What the view asks of the looping wind sound this frame.
enum class WindSound { leave, stop, play };

struct CameraView {
    Vec3 eye;           // passed to the look-at
    Vec3 target;
    Vec3 up{0.0f, 1.0f, 90.0f};  // mostly z, with the slight lean every view has had
    Vec3 recordedEye;   // what eyePosition becomes (differs from eye in orbit on fighter)
    WindSound wind = WindSound::stop;
};

// The free camera: its own position looking at lookTarget.
CameraView freeCameraView(const CameraState& c);

// The view of the current mode. The fly-by cameras are placed again when
// due (at nowMs, with random angles from randomDraw, 0..32767); everything
// else only reads the record.
CameraView computeCameraView(CameraState& c, const CameraScene& scene, uint32_t nowMs, int (*randomDraw)());
