// Parachute meshes: the radii the canopies reach, where they hang, and the
// elevation that pitches them.
#include <gtest/gtest.h>

#include <cmath>

#include "render/chute_mesh.h"

namespace {

float ringRadius(const ChuteMesh& mesh, int ring) {
    const Vec3& p = mesh.build[ring][0];
    return std::sqrt(p.x * p.x + p.y * p.y);
}

ChuteMesh mesh;

}  // namespace

TEST(ChuteMesh, FullMainCanopyReachesHalfItsDiameterAtTheSkirt) {
    for (float diameter : {4.0f, 5.8f, 8.0f}) {
        buildMainMesh(mesh, ChuteCarrier(), 100.0f, diameter, 10.0f, false);
        // Profile ring 10 (mesh ring 11, where the lines are tied) is the widest.
        EXPECT_NEAR(ringRadius(mesh, kMainSkirtIndex + 1), diameter / 2, 1e-4f) << diameter;
        for (int ring = 1; ring < kChuteRings; ++ring)
            EXPECT_LE(ringRadius(mesh, ring), diameter / 2 + 1e-4f) << ring;
        // Every gore of a ring lies on the same circle.
        for (int g = 0; g < kChuteGores; ++g) {
            const Vec3& p = mesh.build[kMainSkirtIndex + 1][g];
            EXPECT_NEAR(std::sqrt(p.x * p.x + p.y * p.y), diameter / 2, 1e-4f);
        }
    }
    buildMainMesh(mesh, ChuteCarrier(), 50.0f, 5.8f, 10.0f, false);
    EXPECT_NEAR(ringRadius(mesh, kMainSkirtIndex + 1), 1.45f, 1e-4f);
}

TEST(ChuteMesh, MainCanopyHangsAboveTheLinesAndDropsLessWhenOpen) {
    buildMainMesh(mesh, ChuteCarrier(), 100.0f, 5.8f, 10.0f, false);
    EXPECT_FLOAT_EQ(mesh.build[1][0].z, 10.8f);  // crown ring at line length + 0.8
    float openDrop = mesh.build[1][0].z - mesh.build[12][0].z;
    EXPECT_NEAR(openDrop, 11 * (5.0f - 0.9f) / 12.0f, 1e-4f);
    buildMainMesh(mesh, ChuteCarrier(), 10.0f, 5.8f, 10.0f, true);
    float justOutDrop = mesh.build[1][0].z - mesh.build[12][0].z;
    EXPECT_NEAR(justOutDrop, 11 * (5.0f - 0.09f) / 12.0f * 0.2f, 1e-4f);
}

TEST(ChuteMesh, MainLineLengthFollowsThePackUntilStretched) {
    float nominal = 5.8f / 2 / chuteProfiles().main[kMainSkirtIndex] * 10.0f;
    EXPECT_FLOAT_EQ(mainLineLength(3.0f, 5.8f, false), 3.0f);
    EXPECT_FLOAT_EQ(mainLineLength(30.0f, 5.8f, false), nominal);
    EXPECT_FLOAT_EQ(mainLineLength(-900.0f, 5.8f, false), nominal);
    EXPECT_FLOAT_EQ(mainLineLength(3.0f, 5.8f, true), nominal);
}

TEST(ChuteMesh, MainInflationFromTheRadiusReached) {
    EXPECT_FLOAT_EQ(mainInflationPercent(0.0f, 5.8f, false), 0.2f / 2.9f * 100.0f);
    EXPECT_FLOAT_EQ(mainInflationPercent(2.8f, 5.8f, false), 100.0f);  // +0.2 capped at D/2
    EXPECT_FLOAT_EQ(mainInflationPercent(1.0f, 5.8f, true), 100.0f);
    EXPECT_FLOAT_EQ(mainInflationPercent(1.0f, 0.0f, false), 0.0f);   // no canopy, no division
}

TEST(ChuteMesh, DrogueInflatesFromFivePercentToFullInATenthOfASecondCubed) {
    EXPECT_FLOAT_EQ(drogueInflationPercent(0.0), 5.0f);
    EXPECT_FLOAT_EQ(drogueInflationPercent(-1.0), 5.0f);
    EXPECT_NEAR(drogueInflationPercent(0.1), 17.5f, 1e-4f);
    EXPECT_FLOAT_EQ(drogueInflationPercent(0.2), 100.0f);
    EXPECT_FLOAT_EQ(drogueInflationPercent(3.0), 100.0f);

    const float dd = 0.702f;
    buildDrogueMesh(mesh, ChuteCarrier(), 100.0f, dd);
    EXPECT_NEAR(ringRadius(mesh, 4), dd / 2, 1e-5f);  // the skirt, where its lines are tied
    buildDrogueMesh(mesh, ChuteCarrier(), 5.0f, dd);
    EXPECT_NEAR(ringRadius(mesh, 4), 0.05f * dd / 2, 1e-5f);
    // The crown comes from the profile carrier as the model file left it.
    ChuteCarrier crown;
    crown.crownRadius = 0.0f;
    crown.crownHeight = 0.25f;
    buildDrogueMesh(mesh, crown, 100.0f, dd);
    float base = dd / 2 / chuteProfiles().drogue[kDrogueSkirtIndex] * 0.3f + 5.0f;
    EXPECT_NEAR(mesh.build[0][3].z, base - 0.25f, 1e-5f);
    EXPECT_NEAR(mesh.build[4][0].z, base - 3 * 0.8f / 5.0f, 1e-5f);
}

TEST(ChuteMesh, ElevationOfADirection) {
    EXPECT_FLOAT_EQ(elevationDeg(1.0f, 0.0f), 0.0f);
    EXPECT_NEAR(elevationDeg(1.0f, -1.0f), 45.0f, 1e-4f);
    EXPECT_NEAR(elevationDeg(1.0f, 1.0f), 315.0f, 1e-4f);
    EXPECT_NEAR(elevationDeg(0.0f, -3.0f), 90.0f, 1e-3f);  // straight down
    EXPECT_NEAR(elevationDeg(0.0f, 3.0f), 270.0f, 1e-3f);
    EXPECT_FLOAT_EQ(elevationDeg(0.0f, 0.0f), 0.0f);
}

TEST(ChuteMesh, ACanopyTrailsOppositeToItsDirection) {
    // A mesh whose crown is straight above the pivot, hung along a direction
    // that points from the canopy toward its load: the crown ends up on the
    // far side of the pivot.
    const Vec3 pivot(0.0f, 4.0f, 2.4f);
    const Vec3 directions[] = {Vec3(0, -50, 0), Vec3(20, 0, 0), Vec3(0.01f, 0.02f, -6), Vec3(3, -40, -20)};
    for (const Vec3& d : directions) {
        buildMainMesh(mesh, ChuteCarrier(), 100.0f, 5.8f, 10.0f, false);
        shiftChuteMesh(mesh, pivot.x, pivot.y, pivot.z);
        ChuteOrientation o = chuteOrientation(d);
        orientChuteMesh(mesh, pivot, o.pitchDeg, 0.0f, o.headingDeg, 0.0f);
        Vec3 crown = mesh.drawn[0][0] - pivot;
        float cosine = -(crown.x * d.x + crown.y * d.y + crown.z * d.z) / (crown.length() * d.length());
        EXPECT_GT(cosine, 0.999f) << d.x << " " << d.y << " " << d.z;
        EXPECT_NEAR(crown.length(), 10.8f, 1e-3f);
    }
}
