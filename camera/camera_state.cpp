#include "camera/camera_state.h"

#include <cmath>

CameraState camera;

void setCameraDefaults(CameraState& c) {
    c = CameraState{};
    computeLookTarget(c);
}

void computeLookTarget(CameraState& c) {
    const double radPerDeg = 0.017453292;
    const double y = c.cameraYaw * radPerDeg;
    const double p = c.cameraPitch * radPerDeg;
    const double far = 1000000.0;
    c.lookTarget = Vec3((float)(far * -std::sin(y) * std::cos(p)), (float)(far * std::cos(y) * std::cos(p)),
                        (float)(far * std::sin(p)));
}
