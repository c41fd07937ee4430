#include <gtest/gtest.h>

#include "app/letterbox.h"

namespace {

TEST(Letterbox, FullScreenKeepsFourToThreeCentred) {
    PictureArea wide = pictureAreaFor(true, 1920, 1080);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);

    PictureArea tall = pictureAreaFor(true, 1080, 1920);  // a portrait screen: bars above and below
    EXPECT_EQ(tall.width, 1080);
    EXPECT_EQ(tall.height, 810);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 555);

    PictureArea exact = pictureAreaFor(true, 800, 600);
    EXPECT_EQ(exact.x, 0);
    EXPECT_EQ(exact.width, 800);

    // A window shows the picture on its whole client area.
    PictureArea window = pictureAreaFor(false, 640, 400);
    EXPECT_EQ(window.width, 640);
    EXPECT_EQ(window.height, 400);

    // Degenerate sizes never give an empty or negative area.
    PictureArea none = pictureAreaFor(true, 0, 0);
    EXPECT_GE(none.width, 1);
    EXPECT_GE(none.height, 1);
    PictureArea sliver = pictureAreaFor(true, 3000, 1);
    EXPECT_GE(sliver.width, 1);
    EXPECT_LE(sliver.width, 3000);
}

TEST(Letterbox, WindowPixelsToTheVirtualScreenClampedToThePicture) {
    PictureArea a = pictureAreaFor(true, 1920, 1080);
    int vx, vy;
    windowToVirtual(a, 1080, 240, 0, &vx, &vy);
    EXPECT_EQ(vx, 0);
    EXPECT_EQ(vy, 0);
    windowToVirtual(a, 1080, 240 + 720, 540, &vx, &vy);
    EXPECT_EQ(vx, 400);
    EXPECT_EQ(vy, 300);
    windowToVirtual(a, 1080, 10, 2000, &vx, &vy);  // in the bar, below the screen
    EXPECT_EQ(vx, 0);
    EXPECT_EQ(vy, 599);
    windowToVirtual(a, 1080, 1919, 0, &vx, &vy);
    EXPECT_EQ(vx, 799);

    PictureArea tall = pictureAreaFor(true, 1080, 1920);
    windowToVirtual(tall, 1920, 540, 555 + 405, &vx, &vy);  // top-left origin: the bar above is 555
    EXPECT_EQ(vx, 400);
    EXPECT_EQ(vy, 300);
}

}  // namespace
