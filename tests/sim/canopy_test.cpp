#include <gtest/gtest.h>

#include <cmath>
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
    EXPECT_FALSE(body->fellBack);
    // Stepped by hand from the swing's rules: the rocket (capped by its
    // onset) against the full weight, cos p of it as it opens, and the hinge
    // friction: past 85 degrees at 0.261 s.
    EXPECT_NEAR(body->releaseTime, 0.261f, 0.0005f);
    // Shut, it carries its whole weight: the rocket's onset needs about 10 ms
    // to beat 2 g plus the friction before the canopy moves at all.
    EXPECT_EQ(body->pitchSamples[8], 0.0f);
    EXPECT_GT(body->pitchSamples[20], 0.0f);
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

TEST(Canopy, WeightTermFollowsTheOpeningAngle) {
    const float m = 80.0f;
    const Vec3 level(0.0f, 0.0f, 0.0f);
    // Full weight (closing) when shut, none at the vertical, opening beyond.
    EXPECT_NEAR(canopyWeightForceN(0.0f, level, m), -784.0, 1e-3);
    EXPECT_NEAR(canopyWeightForceN(60.0f, level, m), -392.0, 1e-3);
    EXPECT_NEAR(canopyWeightForceN(90.0f, level, m), 0.0, 1e-3);
    EXPECT_NEAR(canopyWeightForceN(120.0f, level, m), 392.0, 1e-3);
    // A canopy lying on a 6.5 degree slope carries the full weight once
    // opened by the slope, and cos 6.5 of it when shut.
    const Vec3 sloped(0.0f, 6.5f, 0.0f);
    EXPECT_NEAR(canopyWeightForceN(6.5f, sloped, m), -784.0, 1e-3);
    EXPECT_NEAR(canopyWeightForceN(0.0f, sloped, m), -784.0 * std::cos(6.5 * 3.14159265358979 / 180.0), 1e-3);
    // The heading turns the vertical plane, not the canopy against gravity.
    for (float heading : {90.0f, 180.0f, 270.0f, 360.0f})
        EXPECT_NEAR(canopyWeightForceN(60.0f, Vec3(0.0f, 0.0f, heading), m), -392.0, 1e-3) << heading;
    // Banked on its side the hinge axis is vertical: nothing to lift.
    EXPECT_NEAR(canopyWeightForceN(30.0f, Vec3(90.0f, 0.0f, 0.0f), m), 0.0, 1e-3);
}

TEST(Canopy, HeadingDoesNotChangeTheSwing) {
    // The same 150 kt airflow over the fighter on four headings.
    auto first = std::make_unique<CanopyBody>();
    auto other = std::make_unique<CanopyBody>();
    CanopyLaunch l = launchAt(300.0f, Vec3(0.0f, -77.0f, 0.0f));
    launchCanopy(*first, l);
    ASSERT_TRUE(first->released);
    for (float heading : {90.0f, 180.0f, 270.0f}) {
        Vec3 v(0.0f, -77.0f, 0.0f);
        rotateAboutVerticalAxis(v, heading);
        l.startVelocity = v;
        l.launchAnglesDeg = Vec3(0.0f, 0.0f, heading);
        launchCanopy(*other, l);
        // The turned airflow's length may differ in its last bit.
        EXPECT_NEAR(other->releaseTime, first->releaseTime, 0.0015f) << heading;
        for (int i = 0; i < 2000; i += 50)
            ASSERT_NEAR(other->pitchSamples[i], first->pitchSamples[i], 0.05f) << heading << " " << i;
    }
}

TEST(Canopy, WeakRocketLetsItFallBackShut) {
    // 200 lb (22.2 m/s^2 on the half mass) barely beats the full weight
    // (19.6) and the friction: the canopy lifts a few degrees during the
    // burn and the weight shuts it again 60 ms after the burn.
    auto body = std::make_unique<CanopyBody>();
    launchCanopy(*body, launchAt(200.0f, Vec3()));
    EXPECT_TRUE(body->opened);
    EXPECT_TRUE(body->fellBack);
    EXPECT_FALSE(body->released);
    EXPECT_EQ(body->releaseTime, 9999.0f);
    EXPECT_NEAR(body->fallBackTime, 0.26f, 0.0005f);
    EXPECT_GT(body->pitchSamples[200], 0.0f);
    EXPECT_LT(body->pitchSamples[200], 10.0f);
    int shut = (int)std::lround(body->fallBackTime * 1000.0);
    for (int i = shut; i < body->stepCount; i += 101) ASSERT_EQ(body->pitchSamples[i], 0.0f) << i;
    EXPECT_EQ(body->positionSamples[300].z, 0.0f);  // stays on the fighter
}
