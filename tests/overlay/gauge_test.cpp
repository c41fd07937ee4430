#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "overlay/gauge_geometry.h"

namespace {

// The head of a needle: the midpoint of its first two corners.
void head(const NeedleQuad& q, double& x, double& y) {
    x = (q.corner[0].x + q.corner[1].x) / 2.0;
    y = (q.corner[0].y + q.corner[1].y) / 2.0;
}

bool sameQuad(const NeedleQuad& a, const NeedleQuad& b) {
    for (int k = 0; k < 4; ++k)
        if (a.corner[k].x != b.corner[k].x || a.corner[k].y != b.corner[k].y) return false;
    return true;
}

}  // namespace

TEST(Needles, TurnClockwiseOnTheScreenFromStraightUp) {
    // G-meter face: 110 units at (685, 191); hub at (740, 246).
    const int x = 685, y = 191, side = 110;
    double hx, hy;
    head(needleQuad(x, y, side, 0), hx, hy);
    EXPECT_NEAR(hx, 740, 1.5);
    EXPECT_LT(hy, 246 - 25);   // head above the hub (y grows downwards)
    head(needleQuad(x, y, side, 90), hx, hy);
    EXPECT_GT(hx, 740 + 25);   // a quarter turn points right
    EXPECT_NEAR(hy, 246, 1.5);
    head(needleQuad(x, y, side, 180), hx, hy);
    EXPECT_GT(hy, 246 + 25);
    // Length side / 2.3, a tail of a 3.2nd of it behind the hub.
    NeedleQuad up = needleQuad(x, y, side, 0);
    EXPECT_EQ(up.corner[0].y, (int)(246 - (110 / 2.3 - 110 / 2.3 / 3.2)));
    EXPECT_EQ(up.corner[2].y, (int)(246 + 110 / 2.3 / 3.2));
    // A stretched needle is longer and broader.
    NeedleQuad big = needleQuad(x, y, side, 0, 2.12, 1.2);
    EXPECT_LT(big.corner[0].y, up.corner[0].y);
    EXPECT_GT(big.corner[1].x - big.corner[0].x, up.corner[1].x - up.corner[0].x);
}

TEST(Needles, GMeterNeedleWrapsPastFortyGButTheMaximumStopsAt39) {
    EXPECT_DOUBLE_EQ(gMeterAngleDeg(25.0f), 225.0);
    const int x = 685, y = 191, side = 110;
    // 45 g turns the needle past a full turn onto 45 degrees.
    EXPECT_TRUE(sameQuad(needleQuad(x, y, side, gMeterAngleDeg(45.0f)), needleQuad(x, y, side, 45.0)));
    float maxLoad = updateMaxLoad(kMaxLoadRunStartG, 45.0f, 0.1, 5.0f, 0.0f);
    EXPECT_FLOAT_EQ(maxLoad, 39.0f);
    EXPECT_DOUBLE_EQ(gMeterAngleDeg(maxLoad), 351.0);
}

TEST(Needles, MaximumPointerFollowsTheLoadUpThenTakesTheRunsLargestDrag) {
    float m = kMaxLoadRunStartG;
    m = updateMaxLoad(m, 3.0f, 0.05, 0.4f, 12.5f);
    EXPECT_FLOAT_EQ(m, 3.0f);
    m = updateMaxLoad(m, 1.0f, 0.10, 0.4f, 12.5f);   // a smaller load leaves it
    EXPECT_FLOAT_EQ(m, 3.0f);
    m = updateMaxLoad(m, 0.0f, 0.41, 0.4f, 12.5f);   // past the largest drag's moment
    EXPECT_FLOAT_EQ(m, 12.5f);
    m = updateMaxLoad(m, 0.0f, 30.0, 0.4f, 80.0f);   // capped
    EXPECT_FLOAT_EQ(m, 39.0f);
    // A landed pilot is passed in as 0 g: the maximum keeps its value.
    EXPECT_FLOAT_EQ(updateMaxLoad(7.0f, 0.0f, 0.2, 0.4f, 12.5f), 7.0f);
    // Before any run (seat time 0, nothing past) the idle value stays.
    EXPECT_FLOAT_EQ(updateMaxLoad(kMaxLoadIdleG, -2.0f, 0.0, 0.0f, 0.0f), kMaxLoadIdleG);
}

TEST(Needles, AltimeterNeedlesForTwelveThousandThreeHundredFortyFiveFeet) {
    AltimeterAngles a = altimeterAngles(12345);
    EXPECT_EQ(a.thousandsDeg, 124);          // 345 * 0.36 = 124.2
    EXPECT_EQ(a.tenThousandsDeg, 84);        // 2345 * 0.036 = 84.4
    EXPECT_EQ(a.hundredThousandsDeg, 44);    // 12345 * 0.0036 = 44.4
    AltimeterAngles ground = altimeterAngles(0);
    EXPECT_EQ(ground.thousandsDeg + ground.tenThousandsDeg + ground.hundredThousandsDeg, 0);
    EXPECT_EQ(speedGaugeAngleDeg(800.0f), 800.0 / 2.22222);   // about one turn
}

TEST(Needles, PanelClockHands) {
    ClockAngles c = panelClockAngles(15, 30);
    EXPECT_DOUBLE_EQ(c.hourDeg, 465.0);   // half past three: 3 o'clock and a quarter of a step
    EXPECT_DOUBLE_EQ(c.minuteDeg, 180.0);
    const int x = 10, y = 15, side = 80;
    EXPECT_TRUE(sameQuad(needleQuad(x, y, side, c.hourDeg), needleQuad(x, y, side, 105.0)));
}

TEST(Needles, UnboundedInputsStayOnTheFace) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -1e300};
    NeedleQuad up = needleQuad(685, 191, 110, 0);
    for (double a : bad) {
        NeedleQuad q = needleQuad(685, 191, 110, a);
        for (int k = 0; k < 4; ++k) {
            EXPECT_LE(std::abs(q.corner[k].x - 740), 50) << a;
            EXPECT_LE(std::abs(q.corner[k].y - 246), 50) << a;
        }
        if (!std::isfinite(a)) {
            EXPECT_TRUE(sameQuad(q, up)) << a;
        }
    }
    EXPECT_EQ(truncToInt(std::nan("")), 0);
    EXPECT_EQ(truncToInt(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(truncToInt(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(truncToInt(-2.9), -2);
    // Heights far beyond the dial still give angles within their turns.
    AltimeterAngles a = altimeterAngles(std::numeric_limits<int>::max());
    EXPECT_GE(a.thousandsDeg, 0);
    EXPECT_LT(a.thousandsDeg, 360);
}
