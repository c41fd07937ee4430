#include <gtest/gtest.h>

#include <string>

#include "render/poly_model.h"
#include "tests/model/model_text.h"

namespace {

PolyModel model;

const char* kTwoParts =
    "/ two parts\n"
    "Q 1 0 0 0 0 0 0\n"
    "S 0 0 0\n"
    "- 1 0 0\n"
    "E 1 1 0\n"
    "C 255 0 0 0\n"
    "Q 2 1 1 1 10 20 30\n"
    "R 1 2 3\n"
    "- 2 2 3\n"
    "E 2 3 3\n"
    "x\n";

} // namespace

TEST(ModelRanges, SinglePartRunsToTheLastSlot) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nS 0 0 0\n- 1 0 0\n- 1 1 0\nE 0 1 0\nx\n", model));
    EXPECT_EQ(model.partCount, 1);
    EXPECT_EQ(model.lastSlot, 4);
    SlotRange r = rangeOf(model, 1);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 4);
}

TEST(ModelRanges, FirstOfTwoPartsEndsBeforeTheSecond) {
    ASSERT_TRUE(loadModelText(kTwoParts, model));
    EXPECT_EQ(model.partCount, 2);
    SlotRange a = rangeOf(model, 1), b = rangeOf(model, 2);
    EXPECT_EQ(a.first, 1);
    EXPECT_EQ(a.last, 4);  // the colour slot between belongs to part 1
    EXPECT_EQ(b.first, 5);
    EXPECT_EQ(b.last, 7);
    // Scale and offset of the second part; its pivot is p * s + o.
    EXPECT_FLOAT_EQ(model.drawPos[5].x, 12.0f);
    EXPECT_FLOAT_EQ(model.drawPos[5].y, 24.0f);
    EXPECT_FLOAT_EQ(model.drawPos[5].z, 36.0f);
    EXPECT_FLOAT_EQ(model.parts[2].partPivot.x, 12.0f);
    EXPECT_FLOAT_EQ(model.parts[2].partPivot.z, 32.0f);
    EXPECT_FLOAT_EQ(model.restPivot[2].scale, 2.0f);
    EXPECT_FLOAT_EQ(model.parts[2].firstNormal, 2.0f);
    EXPECT_EQ(model.polygonCount, 2);
}

TEST(ModelRanges, OneSlotPartFollowedByAnotherKeepsToItsSlot) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nV 1 1 1\nQ 1 0 0 0 0 0 0\nS 0 0 0\n- 1 0 0\nE 1 1 0\nx\n", model));
    SlotRange a = rangeOf(model, 1);
    EXPECT_EQ(a.first, 1);
    EXPECT_EQ(a.last, 1);
}

TEST(ModelRanges, EmptyPartBeforeTheEndAndOutOfRangeParts) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nS 0 0 0\n- 1 0 0\nE 1 1 0\nQ 1 0 0 0 0 0 0\nx\n", model));
    EXPECT_EQ(model.partCount, 2);
    int first = 0, last = 0;
    EXPECT_FALSE(partSlotRange(model, 2, &first, &last));
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 3);
    EXPECT_FALSE(partSlotRange(model, 0, &first, &last));
    EXPECT_FALSE(partSlotRange(model, 3, &first, &last));
    EXPECT_FALSE(partSlotRange(model, -5, &first, &last));
}

TEST(ModelLoader, ColourLineAndTranslucency) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nC 255 0 0 0.5\nS 0 0 0\n- 1 0 0\nE 1 1 0\nC 10 20 30 0\nx\n",
                              model));
    EXPECT_EQ(model.slotKind[1], kindColour);
    EXPECT_NEAR(model.drawPos[1].x, 1.0f, 1e-6);
    EXPECT_FLOAT_EQ(model.drawPos[1].y, 0.0f);
    EXPECT_FLOAT_EQ(model.slotAlpha[1], 0.5f);
    EXPECT_EQ(model.slotKind[5], kindColour);
    EXPECT_FLOAT_EQ(model.slotAlpha[5], 0.0f);
    EXPECT_NEAR(model.drawPos[5].z, 30 * 0.003921568f, 1e-7);
}

TEST(ModelLoader, TexturedQuadsWithTgaAndJpegNumbers) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\n"
                              "X 1 0 0 1005 0\n- 0 0 0\n- 0 1 0\n- 1 1 0\n"
                              "X 2 0 0 19 1\n- 2 1 0\n- 3 1 0\n- 3 0 0\n"
                              "S 0 0 5\n- 1 0 5\nE 1 1 5\nx\n",
                              model));
    EXPECT_EQ(model.slotKind[1], kindQuad);
    EXPECT_EQ(model.slotTexture[1], 1005);
    EXPECT_EQ(model.slotFlip[1], 0);
    EXPECT_EQ(model.slotKind[5], kindQuad);
    EXPECT_EQ(model.slotTexture[5], 19);
    EXPECT_EQ(model.slotFlip[5], 1);
    // Other vertex lines carry the last quad's texture and flip along.
    EXPECT_EQ(model.slotTexture[9], 19);
    EXPECT_EQ(model.polygonCount, 3);
    EXPECT_EQ(model.normalCount, 3);
    // Quad corners (1,0,0), (0,0,0), (0,1,0): clockwise seen from +z.
    EXPECT_NEAR(model.normals[1].z, 1.0f, 1e-6);
}

TEST(ModelLoader, CylinderStripProjectsTextureCoordinates) {
    ASSERT_TRUE(loadModelText("Q 2 0 0 0 0 0 0\n"
                              "BT 4 0 1 2 3 4 10 0\n"
                              "TS\n"
                              ". 1 0 15\n"
                              ". 0 1 20\n"
                              ". -1 0 10\n"
                              ". 0 -1 12\n"
                              "ED\n"
                              "OF\n"
                              "S 1 0 15\n- 1 1 1\nE 0 0 1\n"
                              "x\n",
                              model));
    EXPECT_EQ(model.slotKind[1], kindCylinderOn);
    EXPECT_EQ(model.slotTexture[1], 4);
    EXPECT_EQ(model.slotKind[2], kindStripBegin);
    EXPECT_EQ(model.slotKind[7], kindStripEnd);
    EXPECT_EQ(model.slotKind[8], kindTextureOff);
    const CylinderTexGen& gen = model.cylinderTexGen;
    EXPECT_FALSE(gen.active);  // "OF" ended it
    EXPECT_EQ(gen.texture, 4);
    EXPECT_EQ(gen.mode, 1);
    EXPECT_FLOAT_EQ(gen.values[0], 1.0f);
    EXPECT_FLOAT_EQ(gen.values[4], 10.0f);
    EXPECT_FLOAT_EQ(gen.values[5], 0.0f);
    // u from the azimuth of the raw (unscaled) point, v = (z - 10) / 10.
    EXPECT_NEAR(model.slotUV[3].u, 0.5f - 90.0f / 360.0f, 1e-6);  // (1, 0): azimuth 90
    EXPECT_NEAR(model.slotUV[3].v, 0.5f, 1e-6);
    EXPECT_NEAR(model.slotUV[4].u, 0.0f, 1e-6);  // (0, 1): azimuth 180
    EXPECT_NEAR(model.slotUV[4].v, 1.0f, 1e-6);
    EXPECT_NEAR(model.slotUV[5].u, 1.0f - 90.0f / 360.0f, 1e-6);  // (-1, 0): 270
    EXPECT_NEAR(model.slotUV[6].u, 0.99999899f, 1e-7);  // (0, -1): exactly 360
    EXPECT_NEAR(model.slotUV[6].v, 0.2f, 1e-6);
    // Positions are scaled; after "OF" no coordinates are projected.
    EXPECT_FLOAT_EQ(model.drawPos[3].z, 30.0f);
    EXPECT_FLOAT_EQ(model.slotUV[9].u, 0.0f);
    EXPECT_FLOAT_EQ(model.slotUV[9].v, 0.0f);
}

TEST(ModelLoader, AzimuthQuadrants) {
    EXPECT_FLOAT_EQ(azimuthDeg(1, 0), 90.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(1, 1), 135.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(0, 1), 180.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(-1, 1), 225.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(-1, 0), 270.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(-1, -1), 315.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(0, -1), 360.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(1, -1), 45.0f);
    EXPECT_FLOAT_EQ(azimuthDeg(0, 0), 360.0f);
}

TEST(ModelLoader, MissingNumbersKeepThePreviousValues) {
    ASSERT_TRUE(loadModelText("S 5 5 5\nQ 1 0 0 0 0 0 0\nS 1 2 3\n- 4\nE 7 8\nQ\nV 9 9 9\nx\n", model));
    // Before the first part the zero scale and offset apply.
    EXPECT_FLOAT_EQ(model.drawPos[1].x, 0.0f);
    EXPECT_FLOAT_EQ(model.drawPos[3].x, 4.0f);
    EXPECT_FLOAT_EQ(model.drawPos[3].y, 2.0f);
    EXPECT_FLOAT_EQ(model.drawPos[3].z, 3.0f);
    EXPECT_FLOAT_EQ(model.drawPos[4].z, 3.0f);
    // "Q" without a blank is not a part line.
    EXPECT_EQ(model.partCount, 1);
}

TEST(ModelLoader, IgnoredKindsCommentsAndReferencePoints) {
    ASSERT_TRUE(loadModelText("/ comment\n\nQ 1 0 0 0 0 0 0\nN\nA 1\nB 1\nc 1\nf 1\nS1 2 3\nZ 1 2 3\n"
                              "v 1 2 3 4\nT 1 1 1\nV 2 2 2\nEC\nDC\nCR\nCL\nx\n",
                              model));
    EXPECT_EQ(model.lastSlot, 6);
    EXPECT_EQ(model.slotKind[1], kindTriangle);
    EXPECT_EQ(model.slotKind[2], kindMarker);
    EXPECT_EQ(model.slotKind[3], kindCullOn);
    EXPECT_EQ(model.slotKind[6], kindFrontCw);
    ASSERT_EQ(model.refPointCount, 1);
    EXPECT_FLOAT_EQ(model.refPoints[1].x, 7.0f);
    EXPECT_FLOAT_EQ(model.refPoints[1].z, 21.0f);
}

TEST(ModelLoader, ReadingStopsAtTheEndLine) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nV 1 1 1\nx anything\nV 2 2 2\n", model));
    EXPECT_EQ(model.lastSlot, 1);
}

TEST(ModelLoader, FileWithoutEndLineStopsAtEndOfFile) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nS 0 0 0\n- 1 0 0\nE 1 1 0", model));
    EXPECT_EQ(model.lastSlot, 3);  // the last line is read once
    EXPECT_EQ(rangeOf(model, 1).last, 3);
}

TEST(ModelLoader, MissingFileIsReportedOnceWithItsPathAndLeavesTheModelEmpty) {
    ASSERT_TRUE(loadModelText(kTwoParts, model));
    LoadErrorRecorder errors;
    EXPECT_FALSE(loadModelFile("/nonexistent/dir/poly.txt", model));
    EXPECT_EQ(model.lastSlot, 0);
    EXPECT_EQ(model.partCount, 0);
    EXPECT_EQ(errors.count, 1);
    EXPECT_EQ(errors.boxesShown, 0);
    EXPECT_EQ(errors.last.rfind("/nonexistent/dir/poly.txt\n", 0), 0u) << errors.last;
}

TEST(ModelLoader, BareCylinderLineAtTheEndReadsNothingBeyondItself) {
    // The comment before leaves numbers in the line buffer just past where a
    // bare "BT" ends; they must not be taken for the line's own numbers.
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\n"
                              "BT 4 0 1 2 3 4 10 0\n"
                              "OF\n"
                              "/xx 77 0 1 2 3 4 55 66\n"
                              "BT",
                              model));
    ASSERT_EQ(model.lastSlot, 3);
    EXPECT_EQ(model.slotKind[3], kindCylinderOn);
    // Missing numbers keep the previous "BT" line's values.
    EXPECT_EQ(model.slotTexture[3], 4);
    EXPECT_EQ(model.cylinderTexGen.texture, 4);
    EXPECT_FLOAT_EQ(model.cylinderTexGen.values[4], 10.0f);
    EXPECT_FLOAT_EQ(model.cylinderTexGen.values[5], 0.0f);
    // As the first line of a file, nothing is left over at all.
    ASSERT_TRUE(loadModelText("BT", model));
    EXPECT_EQ(model.slotTexture[1], 0);
    EXPECT_FLOAT_EQ(model.cylinderTexGen.values[4], 0.0f);
}

TEST(ModelLoader, ReloadStartsFromAnEmptyModel) {
    ASSERT_TRUE(loadModelText(kTwoParts, model));
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nV 1 1 1\nx\n", model));
    EXPECT_EQ(model.lastSlot, 1);
    EXPECT_EQ(model.partCount, 1);
    EXPECT_EQ(model.polygonCount, 0);
    EXPECT_FALSE(model.cylinderTexGen.active);
}

TEST(ModelLoader, OverLongLinesDoNotSpillIntoTheNextLine) {
    std::string longComment = "/" + std::string(1500, 'a') + "\n";
    // The tail beyond the buffer would read as a vertex line of its own.
    std::string longVertex = "V 1 2 3" + std::string(992, ' ') + "S 9 9 9\n";
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\n" + longComment + longVertex + "V 4 5 6\nx\n", model));
    EXPECT_EQ(model.lastSlot, 2);
    EXPECT_FLOAT_EQ(model.drawPos[1].x, 1.0f);
    EXPECT_FLOAT_EQ(model.drawPos[2].x, 4.0f);
}

TEST(ModelLoader, HostileNumbersStayBounded) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nX 0 0 0 1e30 -1e30\n- 0 0 0\n- 0 0 0\n- 0 0 0\n"
                              "BT nan 0 0 0 0 0 5 5\nTS\n. 1 1 1\nED\nx\n",
                              model));
    EXPECT_GT(model.slotTexture[1], 0);
    EXPECT_LT(model.slotFlip[1], 0);
    EXPECT_EQ(model.slotTexture[5], 0);
    // Equal strip heights give v = 0 rather than a division by zero.
    EXPECT_FLOAT_EQ(model.slotUV[7].v, 0.0f);
    // A degenerate polygon gets the zero normal.
    EXPECT_FLOAT_EQ(model.normals[1].x, 0.0f);
    EXPECT_FLOAT_EQ(model.normals[1].z, 0.0f);
}

TEST(ModelLoader, ModelThatDoesNotFitIsRefused) {
    LoadErrorRecorder errors;
    std::string text = "Q 1 0 0 0 0 0 0\n";
    for (int i = 0; i < kModelSlotCapacity; ++i) text += "V 1 1 1\n";
    ASSERT_TRUE(loadModelText(text + "x\n", model));
    EXPECT_EQ(model.lastSlot, kModelSlotCapacity);
    EXPECT_EQ(errors.count, 0);

    EXPECT_FALSE(loadModelText(text + "C 1 2 3 0\nx\n", model));
    EXPECT_EQ(errors.count, 1);
    EXPECT_NE(errors.last.find("slots"), std::string::npos);
    EXPECT_EQ(model.lastSlot, 0);
    EXPECT_EQ(model.partCount, 0);

    std::string parts;
    for (int i = 0; i <= kModelPartCapacity; ++i) parts += "Q 1 0 0 0 0 0 0\nV 1 1 1\n";
    EXPECT_FALSE(loadModelText(parts, model));
    EXPECT_EQ(errors.count, 2);
    EXPECT_NE(errors.last.find("parts"), std::string::npos);
    EXPECT_EQ(model.partCount, 0);
    EXPECT_EQ(errors.boxesShown, 0) << "the loader shows nothing; its caller does";
}

TEST(ModelNormals, WindingSignAndPartRecompute) {
    ASSERT_TRUE(loadModelText("Q 1 0 0 0 0 0 0\nS 0 0 0\n- 0 1 0\nE 1 1 0\n"
                              "R 0 0 0\n- 0 1 0\nE 1 1 0\n"
                              "Q 1 0 0 0 0 0 0\nS 0 0 0\n- 0 0 1\nE 0 1 1\nx\n",
                              model));
    ASSERT_EQ(model.normalCount, 3);
    // (0,0,0), (0,1,0), (1,1,0) run clockwise seen from +z.
    EXPECT_NEAR(model.normals[1].z, 1.0f, 1e-6);
    EXPECT_NEAR(model.normals[2].z, -1.0f, 1e-6);  // "R" stores the negated normal
    EXPECT_NEAR(model.normals[3].x, 1.0f, 1e-6);
    // Turning part 2 and recomputing rewrites only its own entry.
    model.drawPos[7] = Vec3(0, 0, 0);
    model.drawPos[8] = Vec3(0, 1, 0);
    model.drawPos[9] = Vec3(1, 1, 0);
    recomputePartNormals(model, 2);
    EXPECT_NEAR(model.normals[3].z, 1.0f, 1e-6);
    EXPECT_NEAR(model.normals[2].z, -1.0f, 1e-6);
}
