#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/camera_view.h"
#include "camera/place_camera.h"
#include "render/body_state.h"
#include "render/poly_model.h"
#include "render/scene_light.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"

namespace {
int randomDraw() { return std::rand(); }
}  // namespace

void placeCamera(uint32_t nowMs) {
    CameraScene scene = cameraSceneFor(simulation, bodyState, polyModel);
    CameraView v = computeCameraView(camera, scene, nowMs, randomDraw);
    gluLookAt(v.eye.x, v.eye.y, v.eye.z, v.target.x, v.target.y, v.target.z, v.up.x, v.up.y, v.up.z);
    camera.eyePosition = v.recordedEye;
    if (v.wind == WindSound::play) playWindSound(bodyState.landed);
    else if (v.wind == WindSound::stop) stopWindSound();
    // The light goes through the view just loaded; the sky colour follows the eye.
    setupLights(sceneLight, camera.eyePosition);
}
