#include "camera/camera_view.h"

CameraView freeCameraView(const CameraState& c) {
    CameraView v;
    v.eye = c.freeCameraPosition;
    v.target = c.lookTarget;
    v.recordedEye = v.eye;
    return v;
}
