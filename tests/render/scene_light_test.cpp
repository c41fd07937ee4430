#include <gtest/gtest.h>

#include "render/scene_light.h"

TEST(SkyRow, RowsByEyeAltitude) {
    EXPECT_EQ(skyRow(0.0f), 0);
    EXPECT_EQ(skyRow(9999.0f), 0);
    EXPECT_EQ(skyRow(9999.9f), 0);  // truncated to whole metres first
    EXPECT_EQ(skyRow(10000.0f), 1);
    EXPECT_EQ(skyRow(29999.0f), 2);
    EXPECT_EQ(skyRow(45000.0f), 4);
    EXPECT_EQ(skyRow(1000000.0f), 4);
    // Underground eyes keep row 0 down to -10,000 m; deeper ones change nothing.
    EXPECT_EQ(skyRow(-5.0f), 0);
    EXPECT_LT(skyRow(-10000.0f), 0);
}

namespace {

// Column-major modelview of an eye at e looking along the unit direction f
// (never straight up or down), z up.
void lookAlong(const Vec3& e, const Vec3& f, float m[16]) {
    Vec3 up(0, 0, 1);
    Vec3 sx(f.y * up.z - f.z * up.y, f.z * up.x - f.x * up.z, f.x * up.y - f.y * up.x);
    float l = sx.length();
    Vec3 s(sx.x / l, sx.y / l, sx.z / l);
    Vec3 u(s.y * f.z - s.z * f.y, s.z * f.x - s.x * f.z, s.x * f.y - s.y * f.x);
    const float rows[3][3] = {{s.x, s.y, s.z}, {u.x, u.y, u.z}, {-f.x, -f.y, -f.z}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m[c * 4 + r] = rows[r][c];
        m[12 + r] = -(rows[r][0] * e.x + rows[r][1] * e.y + rows[r][2] * e.z);
        m[r * 4 + 3] = 0.0f;
    }
    m[15] = 1.0f;
}

}  // namespace

TEST(SunMarker, LeftOutOnlyWhenWhollyBeyondTheFarPlane) {
    float m[16];
    const Vec3 sun(70.0f, 0.0f, 1244530.0f);
    // Looking up steeply from the ground: the default sun is far beyond.
    lookAlong(Vec3(-57, 0, 6), Vec3(0.6f, 0.0f, 0.8f), m);
    EXPECT_TRUE(sunBeyondFarPlane(m, sun, 5.0f));
    // Along the view: inside, and just over the far plane with its near side inside.
    lookAlong(Vec3(), Vec3(1, 0, 0), m);
    EXPECT_FALSE(sunBeyondFarPlane(m, Vec3(349000.0f, 0, 0), 5.0f));
    EXPECT_FALSE(sunBeyondFarPlane(m, Vec3(350003.0f, 0, 0), 5.0f));
    EXPECT_TRUE(sunBeyondFarPlane(m, Vec3(350006.0f, 0, 0), 5.0f));
    // Far off to the side of the view direction, 1,244 km away but only
    // 300 km deep: a wide view shows it, so it is drawn.
    EXPECT_FALSE(sunBeyondFarPlane(m, Vec3(300000.0f, 0, 1207000.0f), 5.0f));
    // Behind the eye it is never beyond the far plane (the view clips it).
    EXPECT_FALSE(sunBeyondFarPlane(m, Vec3(-2000000.0f, 0, 0), 5.0f));
}
