#include <gtest/gtest.h>

#include "camera/camera_scene.h"
#include "render/body_state.h"
#include "sim/simulation.h"

namespace {

class CameraSceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        setDefaults(sim);
        sim.fighterPosition = FighterPosition{100.0, 200.0, 50.0};
        sim.fighter.velocity = Vec3(0.0f, -60.0f, 0.0f);
        sim.geometry.seatStartOffset = Vec3(0.5f, 0.25f, 0.125f);
        Trajectory& t = *sim.trajectory;
        t.lastIndex = 3000;
        for (int i = 0; i <= 3000; ++i) {
            t.px[i] = i * 0.001;
            t.py[i] = -i * 0.01;
            t.pz[i] = i * 0.002;
            t.vx[i] = 1.0;
            t.vy[i] = -10.0;
            t.vz[i] = 20.0;
        }
    }
    void playAt(double flightS, double seatS) {
        sim.clocks.playing = 1;
        sim.clocks.flightTime = flightS;
        sim.clocks.seatTime = seatS;
        sim.clocks.seatIndex = (int32_t)(seatS * 1000.0);
    }
    static Simulation sim;
    BodyState bodies;
};
Simulation CameraSceneTest::sim;

TEST_F(CameraSceneTest, FighterPointAlongTheRunWithGravityOrAtTheCrash) {
    const Vec3 offset(1.0f, 2.0f, 3.0f);
    playAt(2.0, 0.0);
    CameraScene s = cameraSceneFrom(sim, bodies, offset);
    EXPECT_TRUE(s.running);
    EXPECT_FLOAT_EQ(s.fighterReference.y, 202.0f);
    EXPECT_FLOAT_EQ(s.fighterPoint.y, 202.0f - 120.0f);
    EXPECT_FLOAT_EQ(s.fighterPoint.z, 53.0f);

    sim.params.applyGOnFighter = true;
    s = cameraSceneFrom(sim, bodies, offset);
    EXPECT_FLOAT_EQ(s.fighterPoint.z, 53.0f - 4.9f * 4.0f);

    bodies.crashed = true;
    bodies.crashPoint = Vec3(7, 8, 0);
    s = cameraSceneFrom(sim, bodies, offset);
    EXPECT_FLOAT_EQ(s.fighterPoint.x, 7.0f);
    EXPECT_FLOAT_EQ(s.fighterPoint.z, 0.0f);
}

TEST_F(CameraSceneTest, PilotRidesInTheFighterUntilTheSeatMoves) {
    playAt(0.5, 0.0);
    CameraScene s = cameraSceneFrom(sim, bodies, Vec3());
    EXPECT_FALSE(s.seatMoving);
    EXPECT_FLOAT_EQ(s.pilotPoint.x, 100.5f);
    EXPECT_FLOAT_EQ(s.pilotPoint.y, 200.25f - 30.0f);
    EXPECT_FLOAT_EQ(s.pilotPoint.z, 50.125f);
}

TEST_F(CameraSceneTest, PilotFromTheSampleAfterTheSeatIndex) {
    playAt(1.6, 1.0);
    CameraScene s = cameraSceneFrom(sim, bodies, Vec3());
    EXPECT_TRUE(s.seatMoving);
    // Sample 1001: the index is one past the seat clock's milliseconds.
    EXPECT_NEAR(s.pilotDisplacement.y, -10.01f, 1e-4f);
    EXPECT_NEAR(s.pilotPoint.y, 200.25f - 10.01f, 1e-3f);
    EXPECT_NEAR(s.pilotPoint.z, 50.125f + 2.002f, 1e-3f);
    EXPECT_FLOAT_EQ(s.pilotVelocity.z, 20.0f);

    // A clock past the computed samples reads the last one.
    playAt(100.0, 99.0);
    s = cameraSceneFrom(sim, bodies, Vec3());
    EXPECT_NEAR(s.pilotDisplacement.y, -30.0f, 1e-4f);
}

TEST_F(CameraSceneTest, LiveDescentThenTheLandingPoint) {
    sim.times.tMainFire = 1.0;
    sim.descent.active = true;
    sim.descent.p[0] = 5.0;
    sim.descent.p[1] = 6.0;
    sim.descent.p[2] = -7.0;
    sim.descent.v[2] = -5.0;
    playAt(12.0, 11.5);
    CameraScene s = cameraSceneFrom(sim, bodies, Vec3());
    EXPECT_FLOAT_EQ(s.pilotDisplacement.x, 5.0f);
    EXPECT_FLOAT_EQ(s.pilotVelocity.z, -5.0f);

    bodies.landed = true;
    sim.descent.landed = true;
    sim.descent.landingP[0] = 9.0;
    sim.descent.landingP[2] = -50.0;
    s = cameraSceneFrom(sim, bodies, Vec3());
    EXPECT_FLOAT_EQ(s.pilotDisplacement.x, 9.0f);
    EXPECT_FLOAT_EQ(s.pilotDisplacement.z, -50.0f);
}

}  // namespace
