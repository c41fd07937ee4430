// The closing screen's fade: black at both ends, full at half time, and the
// same shape for any total.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/credits.h"

TEST(CreditsFade, BlackAtBothEndsAndFullHalfWay) {
    const float ends = (float)std::exp(-8.0);  // about 0.0003 of full
    EXPECT_NEAR(creditsBrightness(0, 5000), ends, 1e-6);
    EXPECT_NEAR(creditsBrightness(5000, 5000), ends, 1e-6);
    EXPECT_FLOAT_EQ(creditsBrightness(2500, 5000), 1.0f);
    // One eighth of the time is one unit of the bell curve.
    EXPECT_NEAR(creditsBrightness(1875, 5000), std::exp(-0.5), 1e-6);
    EXPECT_NEAR(creditsBrightness(3125, 5000), std::exp(-0.5), 1e-6);
    EXPECT_LT(creditsBrightness(1000, 5000), creditsBrightness(2000, 5000));
    EXPECT_GT(creditsBrightness(3000, 5000), creditsBrightness(4000, 5000));
}

TEST(CreditsFade, TheEighthIsAWholeNumberOfMilliseconds) {
    // 5001 / 8 is 625, as for 5000: the peak stays at 2500 ms.
    EXPECT_FLOAT_EQ(creditsBrightness(2500, 5001), 1.0f);
    // Totals under 8 ms would divide by zero; they fade over 1 ms steps.
    EXPECT_FLOAT_EQ(creditsBrightness(4, 0), 1.0f);
    EXPECT_TRUE(std::isfinite(creditsBrightness(0, 7)));
}

TEST(CreditsFade, CreditLineFitsTheClosingScreen) {
    // The closing screen has room for eleven characters at its scale.
    EXPECT_LE(std::char_traits<char>::length(kCreditLine), 11u);
}
