#include <gtest/gtest.h>

#include "camera/camera_state.h"
#include "camera/camera_view.h"

namespace {

TEST(LookTarget, YawAndPitchPointTheView) {
    CameraState c;
    setCameraDefaults(c);
    // Start-up: yaw 270 looks along +x, level.
    EXPECT_NEAR(c.lookTarget.x, 1e6f, 1.0f);
    EXPECT_NEAR(c.lookTarget.y, 0.0f, 2.0f);
    EXPECT_NEAR(c.lookTarget.z, 0.0f, 1e-3f);

    c.cameraYaw = 0.0f;
    c.cameraPitch = 0.0f;
    computeLookTarget(c);
    EXPECT_NEAR(c.lookTarget.y, 1e6f, 1.0f);  // yaw 0 looks toward +y

    c.cameraYaw = 90.0f;
    computeLookTarget(c);
    EXPECT_NEAR(c.lookTarget.x, -1e6f, 1.0f);  // yaw 90 looks toward -x

    c.cameraPitch = 90.0f;
    computeLookTarget(c);
    EXPECT_NEAR(c.lookTarget.z, 1e6f, 1.0f);
    EXPECT_NEAR(c.lookTarget.x, 0.0f, 20.0f);

    c.cameraYaw = 30.0f;
    c.cameraPitch = 20.0f;
    computeLookTarget(c);
    EXPECT_NEAR(c.lookTarget.length(), 1e6f, 1.0f);
}

TEST(FreeCamera, LooksFromItsPositionAtTheTarget) {
    CameraState c;
    setCameraDefaults(c);
    CameraView v = freeCameraView(c);
    EXPECT_FLOAT_EQ(v.eye.x, -57.0f);
    EXPECT_FLOAT_EQ(v.eye.y, 0.0f);
    EXPECT_FLOAT_EQ(v.eye.z, 6.0f);
    EXPECT_FLOAT_EQ(v.target.x, c.lookTarget.x);
    EXPECT_FLOAT_EQ(v.recordedEye.z, 6.0f);
    EXPECT_FLOAT_EQ(v.up.z, 90.0f);
}

}  // namespace
