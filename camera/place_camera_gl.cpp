#include <GL/glu.h>

#include "camera/camera_state.h"
#include "camera/place_camera.h"
#include "render/scene_light.h"

void loadCameraView(const CameraView& v) {
    gluLookAt(v.eye.x, v.eye.y, v.eye.z, v.target.x, v.target.y, v.target.z, v.up.x, v.up.y, v.up.z);
    // The light goes through the view just loaded; the sky colour follows the eye.
    setupLights(sceneLight, camera.eyePosition);
}
