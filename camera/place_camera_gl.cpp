#include <GL/gl.h>
#include <GL/glu.h>

#include "camera/camera_state.h"
#include "camera/camera_view.h"
#include "camera/place_camera.h"

void placeCamera() {
    CameraView v = freeCameraView(camera);
    gluLookAt(v.eye.x, v.eye.y, v.eye.z, v.target.x, v.target.y, v.target.z, v.up.x, v.up.y, v.up.z);
    camera.eyePosition = v.recordedEye;
    // lights: the sun light and the sky colour are set here, after the look-at,
    // so the light position is taken in the view (setupLights).
}
