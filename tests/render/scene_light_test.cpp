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

TEST(SunMarker, LeftOutOnlyWhenWhollyBeyondTheFarPlane) {
    const Vec3 sun(70.0f, 0.0f, 1244530.0f);
    EXPECT_TRUE(sunBeyondFarPlane(sun, Vec3(-57, 0, 6), 5.0f));
    EXPECT_FALSE(sunBeyondFarPlane(Vec3(0, 0, 349000.0f), Vec3(), 5.0f));
    EXPECT_FALSE(sunBeyondFarPlane(Vec3(0, 0, 350003.0f), Vec3(), 5.0f));  // its near side is inside
    EXPECT_FALSE(sunBeyondFarPlane(sun, Vec3(0, 0, 900000.0f), 5.0f));     // an eye high enough sees it
}
