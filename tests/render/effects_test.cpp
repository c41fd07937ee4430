// The fire's picture atlas and the plume's flicker.
#include <gtest/gtest.h>

#include <cmath>

#include "render/effects.h"

TEST(FireAtlas, EightFramesOverSixtyFiveHundredths) {
    SpriteAnim anim;
    const double frame = 0.65 / 8;  // 0.08125 s
    AtlasOffset a = atlasFrame(anim, 0.0);
    EXPECT_FLOAT_EQ(a.u, 0.0f);
    EXPECT_FLOAT_EQ(a.v, 1.0f);
    a = atlasFrame(anim, frame * 1.001);
    EXPECT_FLOAT_EQ(a.u, 0.25f);
    a = atlasFrame(anim, frame * 3.999);
    EXPECT_FLOAT_EQ(a.u, 0.75f);
    EXPECT_FLOAT_EQ(a.v, 1.0f);
    a = atlasFrame(anim, frame * 4.001);  // frame 4: the first of the bottom row
    EXPECT_FLOAT_EQ(a.u, 0.0f);
    EXPECT_FLOAT_EQ(a.v, 0.5f);
    a = atlasFrame(anim, 0.65 * 1.0001);  // the cycle repeats
    EXPECT_FLOAT_EQ(a.u, 0.0f);
    EXPECT_FLOAT_EQ(a.v, 1.0f);
    a = atlasFrame(anim, 7.3 * frame + 12 * 0.65);
    EXPECT_FLOAT_EQ(a.u, 0.75f);
    EXPECT_FLOAT_EQ(a.v, 0.5f);
    a = atlasFrame(anim, std::nan(""));
    EXPECT_FLOAT_EQ(a.u, 0.0f);

    // A frame's texture rectangle keeps half a texel clear of its neighbours.
    FireFrameRect r = fireFrameRect(AtlasOffset{0.25f, 0.5f}, 256, 128);
    EXPECT_FLOAT_EQ(r.u0, 0.25f + 0.5f / 256);
    EXPECT_FLOAT_EQ(r.u1, 0.5f - 0.5f / 256);
    EXPECT_FLOAT_EQ(r.v0, 0.0f + 0.5f / 128);
    EXPECT_FLOAT_EQ(r.v1, 0.5f - 0.5f / 128);
}

namespace {
struct Fixed : RandomSource {
    int values[3];
    int at = 0;
    Fixed(int a, int b, int c) : values{a, b, c} {}
    int next() override { return values[at++ % 3]; }
};
}  // namespace

TEST(Flicker, PlumeAndFireFromTheirDraws) {
    Fixed r(399, 0, 199);
    PlumeEmission e = plumeFlicker(r);
    EXPECT_FLOAT_EQ(e.r, 1.0f - 99 / 400.0f);
    EXPECT_FLOAT_EQ(e.g, 1.0f);
    EXPECT_FLOAT_EQ(e.b, 99 / 800.0f + 0.28f);
    Fixed f(5, 13, 0);
    FireSize s = crashFireSize(f);
    EXPECT_FLOAT_EQ(s.width, 32.0f);
    EXPECT_FLOAT_EQ(s.height, 24.0f);
}
