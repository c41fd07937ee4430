#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "tests/model/model_text.h"

namespace {

PolyModel model;
PartSnapshot snapshot;

// Nineteen parts; each has a colour slot and a triangle somewhere off its
// pivot, so every operation moves something.
std::string nineteenParts() {
    std::string t;
    for (int p = 1; p <= 19; ++p) {
        char q[128];
        std::snprintf(q, sizeof q, "Q 1 %d %d %d 0 0 0\nC 100 100 100 0\nS %d 1 0\n- %d 2 0\nE %d 2 1\n", p, p + 1,
                      p % 3, p, p + 1, p);
        t += q;
    }
    return t + "x\n";
}

void expectNear(const Vec3& a, const Vec3& b, float tol = 1e-4f) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

class ModelPose : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(loadModelText(nineteenParts(), model)); }
};

} // namespace

TEST_F(ModelPose, PoseFromBaseTurnsAboutThePivotPart) {
    // Part 1: pivot (1, 2, 1); slot 2 is (1, 1, 0).
    posePartFromBase(model, 1, 1, 90, 0, 0);
    // Pitch 90 about x: (0, -1, -1) -> (0, 1, -1).
    expectNear(model.drawPos[2], Vec3(1, 3, 0));
    // Heading 90 about z: (0, -1, -1) -> (1, 0, -1).
    posePartFromBase(model, 1, 1, 0, 0, 90);
    expectNear(model.drawPos[2], Vec3(2, 2, 0));
    // Roll 90 about y: (0, -1, -1) -> (1, -1, 0).
    posePartFromBase(model, 1, 1, 0, 90, 0);
    expectNear(model.drawPos[2], Vec3(2, 1, 1));
    // The colour slot is never moved.
    EXPECT_FLOAT_EQ(model.drawPos[1].x, 100 * 0.003921568f);
}

TEST_F(ModelPose, RollPitchHeadingOrder) {
    posePartFromBase(model, 1, 1, 90, 90, 90);
    Vec3 v(0, -1, -1);
    rotateAboutForwardAxis(v, 90);
    rotateAboutLateralAxis(v, 90);
    rotateAboutVerticalAxis(v, 90);
    expectNear(model.drawPos[2], Vec3(1, 2, 1) + v);
}

TEST_F(ModelPose, StageLowersTheCentreAndFinalUsesTheStage) {
    posePartStage(model, 1, 1, 0, 0, 0, 0.5f);
    expectNear(model.stagePos[2], Vec3(1, 1, -0.5f));
    posePartFinal(model, 1, 1, 0, 0, 180);
    // (1, 1, -0.5) about (1, 2, 1) by heading 180 -> (1, 3, -0.5).
    expectNear(model.drawPos[2], Vec3(1, 3, -0.5f));
}

TEST_F(ModelPose, BaseOperationsAndResetRestoreTheRestPose) {
    Vec3 rest = model.restPos[2], restPivot = model.parts[1].partPivot;
    centrePartOnPivot(model, 1);
    expectNear(model.basePos[2], Vec3(0, -1, -1));
    translatePartBase(model, 1, 1, 2, 3);
    expectNear(model.basePos[2], Vec3(1, 1, 2));
    transformPartBase(model, 1, 1, 0, 0, 0, Vec3(0.5f, 0, 0), Vec3(2, 3, 4));
    // pivot + scale * (base - pivot) + offset, pivot (1, 2, 1).
    expectNear(model.basePos[2], Vec3(1.5f, -1, 5));
    movePartPivot(model, 1, 1, 1, 1);
    expectNear(model.parts[1].partPivot, Vec3(2, 3, 2));
    clearPartPivot(model, 1);
    expectNear(model.parts[1].partPivot, Vec3(0, 0, 0));
    posePartFromBase(model, 1, 2, 30, 20, 10);
    posePartStage(model, 1, 2, 5, 5, 5, 1);
    resetPart(model, 1);
    expectNear(model.basePos[2], rest, 0);
    expectNear(model.stagePos[2], rest, 0);
    expectNear(model.drawPos[2], rest, 0);
    expectNear(model.parts[1].partPivot, restPivot, 0);
    // Other parts are untouched.
    expectNear(model.basePos[7], model.restPos[7], 0);
}

TEST_F(ModelPose, OperationsOnMissingPartsDoNothing) {
    translatePartBase(model, 0, 1, 1, 1);
    translatePartBase(model, 40, 1, 1, 1);
    movePartPivot(model, 99, 1, 1, 1);
    resetPart(model, -1);
    for (int i = 1; i <= model.lastSlot; ++i) expectNear(model.basePos[i], model.restPos[i], 0);
}

TEST_F(ModelPose, InitialPoseSeatsTheCrewAndResetsRepeatExactly) {
    SeatAxes axes;
    initialPose(model, 10, 20, 30, 18, -22, axes, snapshot);
    // Seat and pilot pivots land on the cockpit pivot; fighter and canopy keep theirs.
    expectNear(model.parts[kPartSeat].partPivot, Vec3(0, 4, 2.4f));
    expectNear(model.parts[kPartPilot].partPivot, Vec3(0, 4, 2.4f));
    expectNear(model.parts[kPartSecondPilot].partPivot, Vec3(0, 4, 2.4f));
    expectNear(model.parts[kPartFighter].partPivot, Vec3(12, 13, 0));
    // The seat's own pivot point: centred, shifted by (0, -0.1, 0.18), tilted back, moved in.
    int first, last;
    ASSERT_TRUE(partSlotRange(model, kPartSeat, &first, &last));
    Vec3 local = model.restPos[first + 1] - model.restPivot[kPartSeat].pivot + Vec3(0, -0.1f, 0.18f);
    rotateAboutLateralAxis(local, -18);
    expectNear(model.basePos[first + 1], local + Vec3(0, 4, 2.3f));
    // Parts 9 and 10 move with the cockpit offset only.
    ASSERT_TRUE(partSlotRange(model, 9, &first, &last));
    expectNear(model.basePos[first + 1], model.restPos[first + 1] + Vec3(0, 4, 2.3f));

    Vec3 seatDrawn = model.drawPos[first + 1];
    Vec3 samples[6];
    const int slots[6] = {2, 22, 46, 52, 67, 70};  // parts 1, 6, 12, 13, 17, 18
    for (int k = 0; k < 6; ++k) samples[k] = model.drawPos[slots[k]];
    for (int round = 0; round < 3; ++round) resetSeatParts(model, 10, 20, 30, 18, -22, axes, snapshot);
    for (int k = 0; k < 6; ++k) expectNear(model.drawPos[slots[k]], samples[k], 1e-5f);
    expectNear(model.basePos[first + 1], model.restPos[first + 1] + Vec3(0, 4, 2.3f));
    expectNear(model.drawPos[first + 1], seatDrawn, 1e-5f);
}

TEST_F(ModelPose, AttitudeTurnsTheCarriedPartsAboutTheFighterPivot) {
    SeatAxes axes;
    initialPose(model, 0, 0, 0, 18, -22, axes, snapshot);
    int first, last;
    ASSERT_TRUE(partSlotRange(model, kPartPilot, &first, &last));
    Vec3 base = model.basePos[first + 1];
    applyFighterAttitude(model, 0, 0, 90, 18, axes, snapshot);
    Vec3 pivot = model.parts[kPartFighter].partPivot;
    Vec3 d = base - pivot;
    rotateAboutVerticalAxis(d, 90);
    expectNear(model.drawPos[first + 1], pivot + d);
    // The snapshot holds the drawn pilot; the seat axes carry the heading.
    expectNear(snapshot.pos[first + 1], model.drawPos[first + 1], 0);
    Vec3 up(0, 0, 1);
    rotateAboutLateralAxis(up, -18);
    rotateAboutVerticalAxis(up, 90);
    expectNear(axes.up, up);
    expectNear(axes.right, Vec3(0, 1, 0));
}

TEST_F(ModelPose, SeatStartOffsetFollowsTheAttitude) {
    SeatAxes axes;
    initialPose(model, 0, 0, 0, 18, -22, axes, snapshot);
    expectNear(seatStartOffset(model, 0, 0, 0), Vec3(0, 0, 0));
    expectNear(seatStartOffset(model, 360, 360, 360), Vec3(0, 0, 0));
    Vec3 arm = model.parts[kPartSeat].partPivot - model.parts[kPartFighter].partPivot;
    Vec3 turned = arm;
    rotateAboutLateralAxis(turned, 30);
    expectNear(seatStartOffset(model, 30, 0, 0), turned - arm);
    FighterGeometry g;
    refreshSeatStartOffset(model, 30, 0, 0, g);
    expectNear(g.seatStartOffset, turned - arm);
}

TEST(SeatAxes, TurnedByTheSeatBackAndRocketPitch) {
    SeatAxes a = computeSeatAxes(18, 0, 0, 0, 0);
    // The back leans aft (+y) at the top.
    EXPECT_NEAR(a.up.y, std::sin(18 * 0.017453292), 1e-6);
    EXPECT_NEAR(a.up.z, std::cos(18 * 0.017453292), 1e-6);
    expectNear(a.right, Vec3(1, 0, 0));
    SeatAxes b = computeSeatAxes(18, 18, 0, 0, 0);
    expectNear(b.up, Vec3(0, 0, 1), 1e-6f);
    expectNear(b.forward, Vec3(0, -1, 0), 1e-6f);
}
