#include <gtest/gtest.h>

#include <memory>

#include "sim/canopy.h"

namespace {

CanopyLaunch launchAt(float thrustLb, Vec3 velocity) {
    CanopyLaunch l;
    l.rocketThrustLb = thrustLb;
    l.startVelocity = velocity;
    l.startPosition = Vec3(0.0f, 0.0f, 5.0f);
    l.widthM = 0.984f;
    l.lengthM = 2.304f;
    l.hinge = Vec3(0.0f, 4.0f, 2.3f);
    l.launchAnglesDeg = Vec3(0.0f, 0.0f, 0.0f);
    l.applyG = false;
    return l;
}

}  // namespace

TEST(Canopy, LaunchFigures) {
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(1700.0f, Vec3()));
    EXPECT_NEAR(body->areaM2, 0.984 * 2.304, 1e-5);
    EXPECT_FLOAT_EQ(body->hingeRadiusM, 2.304f);
    // The thrust is cleared once the burn is over.
    EXPECT_EQ(body->rocketThrustN, 0.0f);
}

TEST(Canopy, RocketSwingsItOpenAndReleasesIt) {
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(1700.0f, Vec3()));
    ASSERT_TRUE(body->opened);
    ASSERT_TRUE(body->released);
    EXPECT_GT(body->releaseTime, 0.0f);
    EXPECT_LT(body->releaseTime, 1.0f);
    int atRelease = canopySampleIndex(*body, body->releaseTime);
    EXPECT_GT(body->pitchSamples[atRelease + 1], 85.0f);
    // On the hinge it rides with the fighter (here at rest), then flies free and falls.
    EXPECT_EQ(body->positionSamples[atRelease - 5].z, 5.0f);
    EXPECT_LT(body->positionSamples[19999].z, 0.0f);
    EXPECT_TRUE(canopyLeftFighter(*body, body->releaseTime + 0.01));
    EXPECT_FALSE(canopyLeftFighter(*body, body->releaseTime - 0.01));
}

TEST(Canopy, WithoutThrustOrAirflowItStaysShut) {
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(0.0f, Vec3()));
    EXPECT_FALSE(body->opened);
    EXPECT_FALSE(body->released);
    for (int i = 0; i < body->stepCount; i += 997) {
        ASSERT_EQ(body->pitchSamples[i], 0.0f) << i;
        ASSERT_EQ(body->positionSamples[i].z, 0.0f) << i;
    }
}

TEST(Canopy, UnreachedReleasePitchKeepsItOnTheHinge) {
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(1700.0f, Vec3()));
    ASSERT_TRUE(body->released);
    // A canopy that never reaches its release pitch in the next run must not
    // be set free by the previous run's release time.
    body->maxPitchDeg = 100000.0f;
    launchCanopy(*body, launchAt(1700.0f, Vec3(0.0f, -50.0f, 0.0f)));
    EXPECT_FALSE(body->released);
    if (!body->fellBack) {
        EXPECT_EQ(body->releaseTime, 9999.0f);
        // It moves with the fighter: start + v * t, no drag, no gravity.
        EXPECT_NEAR(body->positionSamples[10000].y, -50.0f * 10.0f, 0.01);
        EXPECT_EQ(body->positionSamples[10000].z, 5.0f);
    }
}

TEST(Canopy, SampleIndexStaysInsideTheSamples) {
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(1700.0f, Vec3()));
    EXPECT_EQ(canopySampleIndex(*body, -1.0), 0);
    EXPECT_EQ(canopySampleIndex(*body, 0.0125), 12);
    EXPECT_EQ(canopySampleIndex(*body, 1e9), body->stepCount - 1);
}

TEST(Canopy, HeadingDoesNotChangeTheSwing) {
    auto north = std::make_unique<CanopyBody>();
    auto south = std::make_unique<CanopyBody>();
    CanopyLaunch l = launchAt(300.0f, Vec3(0.0f, -60.0f, 0.0f));
    launchCanopy(*north, l);
    l.launchAnglesDeg = Vec3(0.0f, 0.0f, 180.0f);
    l.startVelocity = Vec3(0.0f, 60.0f, 0.0f);
    launchCanopy(*south, l);
    for (int i = 0; i < 2000; i += 50) ASSERT_EQ(north->pitchSamples[i], south->pitchSamples[i]) << i;
}

TEST(Canopy, WeakRocketLetsItFallBackShut) {
    // 200 lb swings it about a third of the way; the weight closes it again.
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(200.0f, Vec3()));
    EXPECT_TRUE(body->opened);
    EXPECT_TRUE(body->fellBack);
    EXPECT_FALSE(body->released);
    EXPECT_EQ(body->releaseTime, 9999.0f);
    EXPECT_GT(body->fallBackTime, 0.5f);
    EXPECT_LT(body->fallBackTime, 2.0f);
    EXPECT_GT(body->pitchSamples[300], 10.0f);
    int shut = canopySampleIndex(*body, body->fallBackTime);
    for (int i = shut; i < body->stepCount; i += 101) ASSERT_EQ(body->pitchSamples[i], 0.0f) << i;
    EXPECT_EQ(body->positionSamples[300].z, 0.0f);  // stays on the fighter
}
