// The landscape's random layout: hills, trees and buildings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "render/world_layout.h"

namespace {

// Replays a list of draws, then repeats its last one.
struct ScriptedRandom : RandomSource {
    std::vector<int> draws;
    size_t at = 0;
    int next() override { return at < draws.size() ? draws[at++] : (draws.empty() ? 0 : draws.back()); }
};

// A linear congruential sequence for volume tests.
struct SeqRandom : RandomSource {
    unsigned state = 12345;
    int next() override {
        state = state * 1103515245u + 12345u;
        return (int)((state >> 16) & 0x7fff);
    }
};

TreeTable trees;

}  // namespace

TEST(Trees, NeverWithinAHundredMetresOfEitherAxis) {
    // Draws that land near an axis several times in a row must be drawn again
    // until the spot is clear.
    ScriptedRandom r;
    r.draws = {600, 1000, 5, /* x 0 */ 650, 1000, 5, /* x 50 */ 700, 620, 5, /* y 20 */
               1500, 1400, 24, 2};
    placeTrees(trees, r);
    const TreeRecord& first = trees.trees[0];
    EXPECT_FLOAT_EQ(first.x, 900.0f);
    EXPECT_FLOAT_EQ(first.y, 800.0f);
    EXPECT_FLOAT_EQ(first.size, 24.0f);
    EXPECT_FLOAT_EQ(first.image, (float)treeImage(3));

    SeqRandom seq;
    placeTrees(trees, seq);
    for (const TreeRecord& t : trees.trees) {
        EXPECT_GE(std::fabs(t.x), 100.0f);
        EXPECT_GE(std::fabs(t.y), 100.0f);
        EXPECT_GE(t.x, -600.0f);
        EXPECT_LE(t.x, 1299.0f);
        EXPECT_GE(t.size, 0.0f);
        EXPECT_LE(t.size, 24.0f);
        int image = (int)t.image;
        EXPECT_TRUE(image == 1 || image == 2 || image == 14 || image == 15 || image == 16) << image;
    }
}

TEST(Hills, ARingAroundAFlatMiddle) {
    SeqRandom seq;
    HillHeights hills;
    initHills(hills, seq);
    int raised = 0;
    for (int i = 0; i < kHillCount; ++i)
        for (int j = 0; j < kHillCount; ++j) {
            float h = hillAt(hills, j, i);
            EXPECT_GE(h, 0.0f);
            EXPECT_LT(h, 2229.0f);
            bool middle = i >= 4 && i <= 11 && j >= 4 && j <= 11;
            if (middle) {
                EXPECT_EQ(h, 0.0f) << i << " " << j;
            }
            raised += h > 0.0f;
        }
    EXPECT_GT(raised, 80);  // 169 - 64 ring points, nearly all above 0
    // One past the filled block, and anything outside the table, reads 0.
    EXPECT_EQ(hillAt(hills, 13, 5), 0.0f);
    EXPECT_EQ(hillAt(hills, 2, 14), 0.0f);
    EXPECT_EQ(hillAt(hills, 40, -1), 0.0f);
}

TEST(Clouds, DomeBelowTheLayerFlatAbove) {
    EXPECT_FLOAT_EQ(cloudHeightAt(100.0f, 0.0f), 9500.0f);
    EXPECT_FLOAT_EQ(cloudHeightAt(100.0f, 65000.0f), -9500.0f);
    EXPECT_FLOAT_EQ(cloudHeightAt(9600.0f, 65000.0f), 9500.0f);
    EXPECT_EQ(cloudDrift(1110u, 0u), 100);
    EXPECT_EQ(cloudDrift(5u, 4294967290u), 1);  // 11 ms across the timer's wrap
    EXPECT_FLOAT_EQ(cloudTexCoord(0.0f, 0), 0.5f);
}

TEST(Buildings, AirfieldBuildingThenNineteenRandom) {
    ScriptedRandom r;
    for (int k = 0; k < 19; ++k)
        for (int d : {1, 2, 3, 80, 160, 74, 999, 0, 10}) r.draws.push_back(d);
    BuildingPlan b[kBuildingCount];
    makeBuildings(b, r);
    EXPECT_FLOAT_EQ(b[0].sizeX, 63.0f);
    EXPECT_EQ(b[0].texSouth, 37);
    EXPECT_EQ(b[0].texTop, 12);
    EXPECT_TRUE(b[0].wrapRepeat);
    EXPECT_FLOAT_EQ(b[19].sizeX, 15.0f);
    EXPECT_FLOAT_EQ(b[19].sizeY, 20.0f);
    EXPECT_FLOAT_EQ(b[19].height, 79.0f);
    EXPECT_FLOAT_EQ(b[19].centreX, -1.0f);
    EXPECT_FLOAT_EQ(b[19].centreY, 200.0f);
    EXPECT_EQ(b[19].texWest, 13);
    EXPECT_EQ(r.at, 19u * 9u);
}
