// The model file the asset generator ships: every part the program addresses,
// its attachment points, and the crew sitting in the cockpit after the
// initial pose.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "render/model_draw.h"
#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "tests/model/gl_recorder.h"
#include "tests/model/model_text.h"

namespace {

PolyModel shipped;
PartSnapshot snapshot;

struct Box {
    Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    void add(const Vec3& p) {
        lo = Vec3(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
        hi = Vec3(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
    }
};

Box drawnBox(const PolyModel& m, int part, bool markers) {
    Box b;
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return b;
    for (int i = first; i <= last; ++i)
        if (isVertexKind(m.slotKind[i]) && (markers || m.slotKind[i] != kindMarker)) b.add(m.drawPos[i]);
    return b;
}

int countKind(const PolyModel& m, int part, int kind) {
    int first, last, n = 0;
    if (!partSlotRange(m, part, &first, &last)) return 0;
    for (int i = first; i <= last; ++i) n += m.slotKind[i] == kind;
    return n;
}

bool hasQuadTexture(const PolyModel& m, int part, int texture) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return false;
    for (int i = first; i <= last; ++i)
        if (m.slotKind[i] == kindQuad && m.slotTexture[i] == texture) return true;
    return false;
}

class ShippedModel : public ::testing::Test {
protected:
    void SetUp() override {
        std::string path = std::string(VORIX_BUILD_DIR) + "/Data/poly.txt";
        struct stat st;
        if (stat(path.c_str(), &st) != 0) GTEST_SKIP() << "no generated model at " << path;
        ASSERT_TRUE(loadPolyModel(path.c_str(), shipped));
        initialPose(shipped, 0, 0, 0, 18, -22, seatAxes, snapshot);
    }
};

} // namespace

TEST_F(ShippedModel, DrawsEveryPartWithValidGl) {
    resetGlRecord();
    for (int part = 1; part <= shipped.partCount; ++part) {
        drawModelPart(shipped, part, 0, 0, 0, 1.0f, false);
        drawPartShadow(shipped, part, 0, 0, 0, Vec3(70, 0, 1244530));
    }
    EXPECT_EQ(glRecord.misplaced, 0) << glRecord.firstMisplaced;
    EXPECT_EQ(glRecord.begins, glRecord.ends);
    EXPECT_GT(glRecord.vertices, 1000);
}

TEST_F(ShippedModel, HasEveryAddressedPartWithinBudget) {
    EXPECT_GE(shipped.partCount, 19);
    for (int part : {6, 7, 9, 10, 11, 12, 13, 17, 18, 19}) {
        int first, last;
        EXPECT_TRUE(partSlotRange(shipped, part, &first, &last)) << "part " << part;
    }
    EXPECT_GT(shipped.polygonCount, 500);
    EXPECT_LT(shipped.polygonCount, 5000);
    EXPECT_EQ(shipped.normalCount, shipped.polygonCount);
    // Translucent plume and canopy glass.
    for (int part : {kPartRocketPlume, kPartCanopy}) {
        int first, last;
        ASSERT_TRUE(partSlotRange(shipped, part, &first, &last));
        bool translucent = false;
        for (int i = first; i <= last; ++i)
            translucent |= shipped.slotKind[i] == kindColour && shipped.slotAlpha[i] > 0;
        EXPECT_TRUE(translucent) << "part " << part;
    }
}

TEST_F(ShippedModel, AttachmentSlotsSitAtTheirOffsets) {
    int first, last;
    ASSERT_TRUE(partSlotRange(shipped, kPartSeat, &first, &last));
    for (int k = 1; k <= 6; ++k) EXPECT_TRUE(isVertexKind(shipped.slotKind[first + k])) << "seat slot " << k;
    // The drogue confluence lies above and behind the headbox.
    Box seat = drawnBox(shipped, kPartSeat, false);
    EXPECT_GT(shipped.drawPos[first + 5].z, seat.hi.z);
    ASSERT_TRUE(partSlotRange(shipped, kPartPilot, &first, &last));
    for (int k = 1; k <= 10; ++k) EXPECT_TRUE(isVertexKind(shipped.slotKind[first + k])) << "pilot slot " << k;
    // Line confluences: first on +x, second on -x, above the riser tops.
    EXPECT_GT(shipped.drawPos[first + 1].x, 0.1f);
    EXPECT_LT(shipped.drawPos[first + 2].x, -0.1f);
    for (int k = 3; k <= 10; ++k) EXPECT_LT(shipped.drawPos[first + k].z, shipped.drawPos[first + 1].z);
    ASSERT_TRUE(partSlotRange(shipped, kPartChuteProfile, &first, &last));
    EXPECT_GE(last - first, 12);
    for (int k = 0; k <= 12; ++k) EXPECT_TRUE(isVertexKind(shipped.slotKind[first + k])) << "profile slot " << k;
}

TEST_F(ShippedModel, SecondFigureMatchesThePilot) {
    int a0, a1, b0, b1;
    ASSERT_TRUE(partSlotRange(shipped, kPartPilot, &a0, &a1));
    ASSERT_TRUE(partSlotRange(shipped, kPartSecondPilot, &b0, &b1));
    ASSERT_EQ(a1 - a0, b1 - b0);
    for (int k = 0; k <= a1 - a0; ++k) {
        ASSERT_EQ(shipped.slotKind[a0 + k], shipped.slotKind[b0 + k]);
        EXPECT_FLOAT_EQ(shipped.drawPos[a0 + k].x, shipped.drawPos[b0 + k].x);
        EXPECT_FLOAT_EQ(shipped.drawPos[a0 + k].z, shipped.drawPos[b0 + k].z);
    }
}

TEST_F(ShippedModel, TexturedSurfacesOfSeatPilotAndHelmet) {
    for (int t : {1000, 1003, 1004, 1005, 1027, 1028, 19})
        EXPECT_TRUE(hasQuadTexture(shipped, kPartSeat, t)) << "seat texture " << t;
    for (int t : {15, 16, 17, 18, 1035}) EXPECT_TRUE(hasQuadTexture(shipped, kPartPilot, t)) << "pilot texture " << t;
    EXPECT_EQ(countKind(shipped, kPartPilot, kindCylinderOn), 1);
    EXPECT_GT(countKind(shipped, kPartPilot, kindStripCorner), 8);
    // The helmet strip's coordinates stay inside the picture.
    int first, last;
    ASSERT_TRUE(partSlotRange(shipped, kPartPilot, &first, &last));
    for (int i = first; i <= last; ++i)
        if (shipped.slotKind[i] == kindStripCorner) {
            EXPECT_GE(shipped.slotUV[i].u, 0.0f);
            EXPECT_LE(shipped.slotUV[i].u, 1.0f);
            EXPECT_GE(shipped.slotUV[i].v, -1e-4f);
            EXPECT_LE(shipped.slotUV[i].v, 1.0001f);
        }
}

TEST_F(ShippedModel, FighterStandsOnItsWheelsNoseForward) {
    Box f = drawnBox(shipped, kPartFighter, false);
    EXPECT_NEAR(f.lo.z, 0.0f, 0.03f);
    EXPECT_LT(f.lo.y, 0.0f);        // nose (and probe) toward -y
    EXPECT_GT(f.hi.y, 14.0f);       // some 15 m long
    EXPECT_GT(f.hi.x - f.lo.x, 8);  // wing span
    EXPECT_GT(f.hi.z, 4.0f);        // fin
}

TEST_F(ShippedModel, CrewSitsInsideTheCockpit) {
    ASSERT_EQ(shipped.refPointCount, 2);
    Vec3 lo = shipped.refPoints[1], hi = shipped.refPoints[2];
    // The declared opening lies under the canopy.
    Box canopy = drawnBox(shipped, kPartCanopy, true);
    EXPECT_LE(canopy.lo.y, lo.y + 0.01f);
    EXPECT_GE(canopy.hi.y, hi.y);
    EXPECT_NEAR(canopy.hi.x - canopy.lo.x, 0.984f, 0.03f);
    for (int part : {kPartSeat, kPartPilot, kPartPack}) {
        Box b = drawnBox(shipped, part, false);
        EXPECT_GT(b.lo.x, lo.x) << "part " << part;
        EXPECT_LT(b.hi.x, hi.x) << "part " << part;
        EXPECT_GT(b.lo.y, lo.y) << "part " << part;
        EXPECT_LT(b.hi.y, hi.y) << "part " << part;
        EXPECT_GT(b.lo.z, lo.z) << "part " << part;  // above the floor
        EXPECT_LT(b.hi.z, canopy.hi.z) << "part " << part;
    }
    // Head and shoulders show above the sills.
    EXPECT_GT(drawnBox(shipped, kPartPilot, false).hi.z, hi.z + 0.3f);
}

TEST_F(ShippedModel, CanopyFitsItsHingeMotion) {
    int edge = canopyFarEdgeSlot(shipped);
    ASSERT_GT(edge, 0);
    Vec3 hinge = shipped.parts[kPartCanopy].partPivot;
    EXPECT_NEAR((shipped.basePos[edge] - hinge).length(), 2.304f, 0.01f);
    EXPECT_LT(shipped.basePos[edge].y, hinge.y);  // far edge forward of the hinge
    FighterGeometry g;
    fillFighterGeometry(shipped, 0, 0, 0, g);
    EXPECT_NEAR(g.canopyHinge.y, hinge.y, 1e-4f);
    EXPECT_GT(g.canopyMountAnglesDeg.y, 0.0f);
    EXPECT_LT(g.canopyMountAnglesDeg.y, 15.0f);
    EXPECT_NEAR(g.seatMountingHeightM(), 2.3, 1e-6);
    // Opening the canopy lifts its front: posed about the hinge by -pitch.
    Box closed = drawnBox(shipped, kPartCanopy, false);
    posePartStage(shipped, kPartCanopy, kPartCanopy, -60, 0, 0, 0);
    posePartFinal(shipped, kPartCanopy, kPartFighter, 0, 0, 0);
    Box open = drawnBox(shipped, kPartCanopy, false);
    EXPECT_GT(open.hi.z, closed.hi.z + 1.0f);
    EXPECT_GT(open.lo.y, closed.lo.y + 0.5f);
}

TEST(FighterModelLoad, MissingFileLeavesTheGeometryAlone) {
    FighterGeometry g;
    g.canopyHinge = Vec3(1, 2, 3);
    SeatAxes axes;
    EXPECT_FALSE(loadFighterModel("/nonexistent/poly.txt", shipped, 0, 0, 0, 18, -22, axes, snapshot, g));
    EXPECT_FLOAT_EQ(g.canopyHinge.z, 3.0f);
    EXPECT_EQ(shipped.partCount, 0);
}

TEST(FighterModelLoad, SmallModelLoadsPosesAndFills) {
    std::string t;
    for (int p = 1; p <= 13; ++p) t += "Q 1 0 " + std::to_string(p) + " 1 0 0 0\nV 0 0 0\nV 0 1 1\n";
    std::string path = writeModelText(t + "x\n");
    FighterGeometry g;
    SeatAxes axes;
    ASSERT_TRUE(loadFighterModel(path.c_str(), shipped, 0, 0, 90, 18, -22, axes, snapshot, g));
    std::remove(path.c_str());
    // No seat part: the seat pivot counts as the origin; the hinge is the
    // canopy pivot (0, 13, 1) turned by heading 90 about the fighter's (0, 12, 1).
    EXPECT_NEAR(g.canopyHinge.x, -1.0f, 1e-5f);
    EXPECT_NEAR(g.canopyHinge.y, 12.0f, 1e-5f);
    // Mounting pitch: slope from the hinge down to the canopy's first marker.
    int edge = canopyFarEdgeSlot(shipped);
    ASSERT_GT(edge, 0);
    Vec3 hinge = shipped.parts[kPartCanopy].partPivot, e = shipped.basePos[edge];
    double slope = std::atan2(hinge.z - e.z, hinge.y - e.y) * 180.0 / 3.141592653589793;
    EXPECT_NEAR(g.canopyMountAnglesDeg.y, slope, 1e-3);
}
