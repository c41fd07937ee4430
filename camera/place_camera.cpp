#include "camera/place_camera.h"

#include <cstdlib>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "render/body_state.h"
#include "render/poly_model.h"
#include "sim/simulation.h"
#include "sound/sound_requests.h"

namespace {
int randomDraw() { return std::rand(); }
}  // namespace

CameraView updateCameraView(uint32_t nowMs) {
    CameraScene scene = cameraSceneFor(simulation, bodyState, polyModel);
    CameraView v = computeCameraView(camera, scene, nowMs, randomDraw);
    camera.eyePosition = v.recordedEye;
    if (v.wind == WindSound::play) requestSound(SoundCue::windPlay, 0.0f, bodyState.landed);
    else if (v.wind == WindSound::stop) requestSound(SoundCue::windStop);
    return v;
}

void placeCamera(uint32_t nowMs) { loadCameraView(updateCameraView(nowMs)); }
