#include <gtest/gtest.h>

#include <cmath>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/camera_view.h"
#include "camera/flyby_camera.h"
#include "camera/orbit_camera.h"

namespace {

int fixedDraw() { return 90; }

void expectVec(const Vec3& v, float x, float y, float z, float tol = 1e-3f) {
    EXPECT_NEAR(v.x, x, tol);
    EXPECT_NEAR(v.y, y, tol);
    EXPECT_NEAR(v.z, z, tol);
}

TEST(LookTarget, YawAndPitchPointTheView) {
    CameraState c;
    setCameraDefaults(c);
    // Start-up: yaw 270 looks along +x, level.
    expectVec(c.lookTarget, 1e6f, 0.0f, 0.0f, 2.0f);

    c.cameraYaw = 0.0f;
    computeLookTarget(c);
    expectVec(c.lookTarget, 0.0f, 1e6f, 0.0f, 2.0f);  // yaw 0 looks toward +y

    c.cameraYaw = 90.0f;
    computeLookTarget(c);
    expectVec(c.lookTarget, -1e6f, 0.0f, 0.0f, 2.0f);  // yaw 90 looks toward -x

    c.cameraPitch = 90.0f;
    computeLookTarget(c);
    expectVec(c.lookTarget, 0.0f, 0.0f, 1e6f, 20.0f);

    c.cameraYaw = 30.0f;
    c.cameraPitch = 20.0f;
    computeLookTarget(c);
    EXPECT_NEAR(c.lookTarget.length(), 1e6f, 1.0f);
    EXPECT_NEAR(c.lookTarget.z, 1e6f * std::sin(20.0 * 0.017453292), 1.0f);
}

TEST(FreeCamera, LooksFromItsPositionAtTheTargetWithTheLeaningUpVector) {
    CameraState c;
    setCameraDefaults(c);
    CameraView v = computeCameraView(c, CameraScene(), 0, fixedDraw);
    expectVec(v.eye, -57.0f, 0.0f, 6.0f);
    expectVec(v.recordedEye, -57.0f, 0.0f, 6.0f);
    EXPECT_FLOAT_EQ(v.target.x, c.lookTarget.x);
    expectVec(v.up, 0.0f, 1.0f, 90.0f);
    EXPECT_EQ(v.wind, WindSound::stop);

    c.cameraMode = 42;  // a damaged preset's mode falls back to the free camera
    v = computeCameraView(c, CameraScene(), 0, fixedDraw);
    expectVec(v.eye, -57.0f, 0.0f, 6.0f);
}

CameraScene runningScene() {
    CameraScene s;
    s.running = true;
    s.elapsedS = 2.0f;
    s.seatMoving = true;
    s.fighterPosition = Vec3(10, 20, 100);
    s.fighterReference = Vec3(10, 21, 101);
    s.fighterVelocity = Vec3(0, -50, 0);
    s.fighterDrift = Vec3(0, -100, 0);
    s.fighterPoint = Vec3(10, -79, 101);
    s.pilotDisplacement = Vec3(1, -60, 30);
    s.pilotPoint = Vec3(11, -40, 130);
    s.pilotFigure = Vec3(11, -36, 132);  // the figure lies off the package's reference point
    s.pilotVelocity = Vec3(0, -10, 5);
    return s;
}

TEST(WatchCameras, FollowRidesAlongOtherwiseTheFreeCameraTurnsToTheBody) {
    CameraState c;
    setCameraDefaults(c);
    CameraScene s = runningScene();

    c.cameraMode = kCameraWatchFighter;
    CameraView v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -57, 0, 6);
    expectVec(v.target, 10, -79, 101);

    c.watchFollow = true;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -47, -79, 107);
    EXPECT_FLOAT_EQ(v.target.x, c.lookTarget.x);

    c.cameraMode = kCameraWatchPilot;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -46, -40, 136);

    c.watchFollow = false;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.target, 11, -40, 130);

    // No run: without follow the free camera still turns to the body, the
    // pilot figure in the cockpit or the fighter; with follow the eye is
    // carried by the fighter position.
    s.running = false;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -57, 0, 6);
    expectVec(v.target, 11, -36, 132);
    c.cameraMode = kCameraWatchFighter;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.target, 10, -79, 101);
    c.cameraMode = kCameraWatchPilot;
    c.watchFollow = true;
    c.cameraMode = kCameraWatchFighter;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -47, 20, 106);
}

TEST(OrbitCameras, OffsetFromAzimuthAndElevationWithTheirFloors) {
    OrbitCamera o;
    OrbitMouse still;
    o.distance = 50.0f;
    o.azimuth = 90.0f;
    o.elevation = 90.0f;
    updateOrbit(o, still, Vec3(0, 0, 10), false);
    expectVec(o.eye, 50, 0, 10);
    o.azimuth = 180.0f;
    updateOrbit(o, still, Vec3(0, 0, 10), false);
    expectVec(o.eye, 0, 50, 10);
    o.elevation = 0.0f;  // straight above
    updateOrbit(o, still, Vec3(0, 0, 10), false);
    expectVec(o.eye, 0, 0, 60);

    // Start-up angles look down on the centre from the -x side, 30 degrees
    // above the horizontal.
    OrbitCamera start;
    updateOrbit(start, still, Vec3(0, 0, 5), false);
    expectVec(start.eye, -50 * std::sin(60 * 0.017453292), 0, 5 + 25);
    // An eye straight below is lifted to 1.8 m.
    OrbitCamera below = start;
    below.elevation = 180.0f;
    updateOrbit(below, still, Vec3(0, 0, 5), false);
    expectVec(below.eye, 0, 0, 1.8f);
    // The fighter's centre under the ground comes up to 1 m; the pilot's stays.
    updateOrbit(below, still, Vec3(0, 0, -3), true);
    EXPECT_FLOAT_EQ(below.centre.z, 1.0f);
    EXPECT_FLOAT_EQ(below.eye.z, 1.8f);
    updateOrbit(below, still, Vec3(0, 0, -3), false);
    EXPECT_FLOAT_EQ(below.centre.z, -3.0f);
}

TEST(OrbitCameras, MouseDeviceTurnsAndZooms) {
    OrbitCamera o;
    OrbitMouse m;
    m.deviceReady = true;
    m.relX = 4;
    m.relY = -2;
    m.wheel = 120;
    m.frameRate = 50.0f;
    updateOrbit(o, m, Vec3(), false);
    EXPECT_FLOAT_EQ(o.distance, 170.0f);
    EXPECT_FLOAT_EQ(o.azimuth, 272.0f);
    EXPECT_FLOAT_EQ(o.elevation, 59.0f);

    // A left drag zooms with the vertical motion and leaves the angles.
    m.leftDragging = true;
    m.wheel = 0;
    updateOrbit(o, m, Vec3(), false);
    EXPECT_FLOAT_EQ(o.distance, 168.0f);
    EXPECT_FLOAT_EQ(o.azimuth, 272.0f);

    // Before the frame rate is known nothing turns (no division by zero).
    m.leftDragging = false;
    m.frameRate = 0.0f;
    updateOrbit(o, m, Vec3(), false);
    EXPECT_FLOAT_EQ(o.azimuth, 272.0f);
    EXPECT_TRUE(std::isfinite(o.eye.x));

    // Without the device the cursor position does not spin the camera.
    OrbitMouse none;
    none.frameRate = 50.0f;
    updateOrbit(o, none, Vec3(), false);
    EXPECT_FLOAT_EQ(o.azimuth, 272.0f);
}

TEST(OrbitCameras, ViewsDuringARun) {
    CameraState c;
    setCameraDefaults(c);
    CameraScene s = runningScene();
    s.catapultPhaseTimeS = 0.2f;
    s.seatTimeS = 0.1f;

    // Orbit on fighter: the look-at is held above 1.8 m, the recorded eye not.
    c.cameraMode = kCameraOrbitFighter;
    c.fighterOrbit.eye = Vec3(0, 0, 2);
    c.fighterOrbit.centre = Vec3(0, 0, 1);
    s.fighterDrift = Vec3(5, -100, -20);
    CameraView v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, 5, -100, 1.8f);
    expectVec(v.target, 5, -100, 1.8f);
    expectVec(v.recordedEye, 5, -100, -18);
    EXPECT_EQ(v.wind, WindSound::stop);

    // Orbit on pilot follows D once the seat moves; an eye under the ground
    // moves the whole view to 1.5 m.
    c.cameraMode = kCameraOrbitPilot;
    c.pilotOrbit.eye = Vec3(1, 2, 3);
    c.pilotOrbit.centre = Vec3(0, 0, 0);
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, 2, -58, 33);
    expectVec(v.target, 1, -60, 30);
    EXPECT_EQ(v.wind, WindSound::leave);
    s.seatTimeS = 0.3f;
    EXPECT_EQ(computeCameraView(c, s, 0, fixedDraw).wind, WindSound::play);
    s.pilotDisplacement = Vec3(0, 0, -10);
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, 1, 2, 4.5f);
    // Before the seat moves it rides with the fighter.
    s.seatMoving = false;
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.target, 5, -100, 1.5f);
}

TEST(FlybyCameras, PlacementAheadOfTheBodyAndNeverBelowThreeMetres) {
    FlybyCamera f;
    placeFlyby(f, Vec3(0, 0, 100), Vec3(0, -40, 0), 1000, 90, 90);
    // a1 = a2 = 90: radius along +x, then 2.5 s of velocity ahead.
    expectVec(f.placementPoint, 50, 0, 100);
    expectVec(f.eye, 50, -100, 100);
    EXPECT_EQ(f.placementTimeMs, 1000u);

    // a2 = 180 would put the point 50 m below a target on the ground: it is
    // taken above instead, not lifted to the floor beside the body.
    placeFlyby(f, Vec3(0, 0, 0), Vec3(), 1000, 0, 180);
    EXPECT_FLOAT_EQ(f.eye.z, 50.0f);
    // Under a body high enough the point stays below it.
    placeFlyby(f, Vec3(0, 0, 100), Vec3(), 1000, 0, 180);
    EXPECT_FLOAT_EQ(f.eye.z, 50.0f);
    // A lead that carries the eye under the ground still stops at 3 m.
    placeFlyby(f, Vec3(0, 0, 10), Vec3(0, 0, -20), 1000, 90, 90);
    EXPECT_FLOAT_EQ(f.eye.z, 3.0f);
    // Random draws above 359 wrap.
    placeFlyby(f, Vec3(0, 0, 100), Vec3(), 1000, 450, 450);
    expectVec(f.eye, 50, 0, 100);
}

TEST(FlybyCameras, DueOnceThePassedBodyIsAwayOrAfterFifteenSeconds) {
    FlybyCamera f;
    placeFlyby(f, Vec3(0, 0, 100), Vec3(0, -40, 0), 1000, 90, 90);
    // Approaching: 60 m off but the body covers 100 m in the lead time.
    f.target = Vec3(50, -40, 100);
    EXPECT_FALSE(flybyDue(f, 2000));
    // Passed and 160 m away: more than both the radius and the lead distance.
    f.target = Vec3(50, -260, 100);
    EXPECT_TRUE(flybyDue(f, 2000));

    // A body that never passes: at most every 15 s, restarting the wait.
    FlybyCamera g;
    placeFlyby(g, Vec3(0, 0, 100), Vec3(), 1000, 90, 90);
    g.target = Vec3(0, 0, 100);
    EXPECT_FALSE(flybyDue(g, 15999));
    EXPECT_TRUE(flybyDue(g, 16000));
    EXPECT_EQ(g.placementTimeMs, 16000u);
    EXPECT_FALSE(flybyDue(g, 16001));
    // The millisecond timer wraps like a 32-bit counter.
    placeFlyby(g, Vec3(0, 0, 100), Vec3(), 0xFFFFFF00u, 90, 90);
    EXPECT_FALSE(flybyDue(g, 100));
    EXPECT_TRUE(flybyDue(g, 15000));
}

TEST(FlybyCameras, ViewsPlaceAgainDuringARunOnly) {
    CameraState c;
    setCameraDefaults(c);
    CameraScene s = runningScene();
    s.running = false;
    c.cameraMode = kCameraFighterFlyby;
    c.fighterFlyby.eye = Vec3(1, 1, 5);
    CameraView v = computeCameraView(c, s, 100000, fixedDraw);
    expectVec(v.eye, 1, 1, 5);
    expectVec(v.target, 10, 21, 101);  // R

    s.running = true;
    c.fighterFlyby.placementTimeMs = 0;  // long overdue
    v = computeCameraView(c, s, 100000, fixedDraw);
    EXPECT_EQ(c.fighterFlyby.placementTimeMs, 100000u);
    expectVec(v.target, 10, -79, 101);
    expectVec(v.eye, 60, -204, 101);  // +x by 50, then 2.5 s at 50 m/s

    // The pilot fly-by looks at the pilot figure, and takes the pilot's speed
    // for its next lead time.
    c.cameraMode = kCameraPilotFlyby;
    c.pilotFlyby.placementTimeMs = 0;
    v = computeCameraView(c, s, 100000, fixedDraw);
    expectVec(v.target, 11, -36, 132);
    EXPECT_NEAR(c.pilotFlyby.leadTime, pilotFlybyLeadTime(Vec3(0, -10, 5).length()), 1e-6f);
    EXPECT_NEAR(pilotFlybyLeadTime(0.0f), 2.8f, 1e-6f);
    EXPECT_NEAR(pilotFlybyLeadTime(600.0f / 1.944f), 0.8f, 1e-5f);
}

// After the crash the fighter cameras stay with the burning wreck instead of
// the path the fighter would have flown on under the ground.
TEST(FighterCameras, StayAtTheCrash) {
    CameraState c;
    setCameraDefaults(c);
    CameraScene s = runningScene();
    s.fighterDrift = Vec3(0, -400, -60);
    s.fighterCrashed = true;
    s.fighterPoint = Vec3(10, -150, 0.5f);

    c.cameraMode = kCameraFighterFlyby;
    c.fighterFlyby.placementTimeMs = 0;
    CameraView v = computeCameraView(c, s, 100000, fixedDraw);
    expectVec(v.target, 10, -150, 0.5f);
    expectVec(v.eye, 60, -150, 3);  // +x by 50, nothing to lead, held at 3 m
    // Standing still, it is not placed again until its 15 s are up.
    computeCameraView(c, s, 105000, fixedDraw);
    EXPECT_EQ(c.fighterFlyby.placementTimeMs, 100000u);
    computeCameraView(c, s, 115000, fixedDraw);
    EXPECT_EQ(c.fighterFlyby.placementTimeMs, 115000u);

    c.cameraMode = kCameraOrbitFighter;
    c.fighterOrbit.eye = Vec3(10, 21 - 30, 120);
    c.fighterOrbit.centre = Vec3(10, 21, 101);  // R
    v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.target, 10, -150, 1.8f);
    expectVec(v.eye, 10, -180, 19.5f);
}

TEST(PresetView, LooksAtTheFighterDuringARun) {
    CameraState c;
    setCameraDefaults(c);
    c.cameraMode = kCameraPresetView;
    CameraScene s = runningScene();
    CameraView v = computeCameraView(c, s, 0, fixedDraw);
    expectVec(v.eye, -57, 0, 6);
    expectVec(v.target, 10, -80, 100);
    EXPECT_EQ(v.wind, WindSound::leave);
    s.running = false;
    v = computeCameraView(c, s, 0, fixedDraw);
    EXPECT_FLOAT_EQ(v.target.x, c.lookTarget.x);
}

}  // namespace
