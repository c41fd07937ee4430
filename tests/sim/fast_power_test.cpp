// The fast atmosphere must give the library's temperature and pressure bit
// for bit, and its approximations must stay well inside the bound the
// rounding test relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "sim/atmosphere.h"
#include "sim/fast_power.h"

namespace {

uint32_t bitsOf(float f) {
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

float floatOf(uint32_t b) {
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

// Compares both forms at h; counts the inputs the fast forms left undecided.
struct Comparison {
    long inputs = 0, undecided = 0, mismatches = 0;
    float firstMismatch = 0.0f;

    void at(float h) {
        float tLib = -1.0f, pLib = -1.0f, tFast = -2.0f, pFast = -2.0f, tF = 0.0f, pF = 0.0f;
        standardAtmosphereLibm(h, tLib, pLib);
        standardAtmosphere(h, tFast, pFast);
        if (!standardAtmosphereFast(h, tF, pF)) ++undecided;
        ++inputs;
        if (bitsOf(tLib) != bitsOf(tFast) || bitsOf(pLib) != bitsOf(pFast)) {
            if (mismatches++ == 0) firstMismatch = h;
        }
    }
    // Every float from `from` on, `count` of them, upwards in magnitude.
    void run(float from, int count) {
        uint32_t b = bitsOf(from);
        for (int i = 0; i < count; ++i) at(floatOf(b++));
    }
};

}  // namespace

TEST(FastAtmosphere, EveryFloatAroundTheLayerBoundsAndSeaLevel) {
    Comparison c;
    for (float bound : {36152.0f, 82345.0f, 1.0f, -1.0f}) {
        c.run(bound, 200000);
        c.run(std::nextafter(bound, 0.0f), 1);
        // Downwards in magnitude: the floats just below the bound.
        uint32_t b = bitsOf(bound);
        for (int i = 0; i < 200000; ++i) c.at(floatOf(--b));
    }
    c.run(0.0f, 200000);  // 0 and the smallest positive floats
    c.at(-0.0f);
    EXPECT_EQ(c.mismatches, 0) << "first at h = " << c.firstMismatch;
    EXPECT_EQ(c.inputs, 1800005);
}

TEST(FastAtmosphere, SpreadOverEveryLayerAndBelowSeaLevel) {
    Comparison c;
    std::mt19937 gen(12345);
    std::uniform_real_distribution<float> anywhere(-200000.0f, 7000000.0f);
    std::uniform_real_distribution<float> flown(-100.0f, 120000.0f);
    for (int i = 0; i < 1000000; ++i) c.at(anywhere(gen));
    for (int i = 0; i < 1000000; ++i) c.at(flown(gen));
    // A stride through the bit patterns reaches every octave of both signs.
    for (uint32_t b = 0; b < 0x4B000000u; b += 0x1F3u) {
        c.at(floatOf(b));
        c.at(-floatOf(b));
    }
    EXPECT_EQ(c.mismatches, 0) << "first at h = " << c.firstMismatch;
    // The library decides only the odd case close to a rounding boundary.
    EXPECT_LT(c.undecided, c.inputs / 10000) << c.undecided << " of " << c.inputs;
}

TEST(FastAtmosphere, ValuesOutsideTheTablesGoToTheLibrary) {
    Comparison c;
    const float inf = std::numeric_limits<float>::infinity();
    for (float h : {inf, -inf, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::max(),
                    std::numeric_limits<float>::lowest(), -3.0e8f, 3.0e10f})
        c.at(h);
    EXPECT_EQ(c.mismatches, 0);

    double out = 7.0;
    const FixedExponentPower power(5.256, 1.0);
    for (double x : {0.0, -0.0, -1.0, 0.2, 1073741824.0, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min()})
        EXPECT_FALSE(power.approximate(x, out)) << x;
    EXPECT_EQ(out, 7.0);
    const TabledExponential exponential;
    for (double z : {-4.001, 1.001, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(exponential.approximate(z, out)) << z;
}

// The rounding test is only as good as the error bound; the measured error
// of the fast forms has to stay an order of magnitude below it.
TEST(FastAtmosphere, ApproximationsStayWellInsideTheBound) {
    std::mt19937_64 gen(777);
    double worstPower = 0.0, worstExp = 0.0;
    for (double y : {5.256, -11.388}) {
        const FixedExponentPower power(y, 389.98);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < 400000; ++i) {
            // Log-uniform over the tabled octaves [1/4, 2^30).
            double x = std::ldexp(1.0 + unit(gen), -2 + (int)(unit(gen) * 32.0));
            double approx = 0.0;
            ASSERT_TRUE(power.approximate(x, approx)) << x;
            double exact = std::pow(x / 389.98, y);
            worstPower = std::fmax(worstPower, std::fabs(approx / exact - 1.0));
        }
    }
    const TabledExponential exponential;
    std::uniform_real_distribution<double> range(-4.0, 1.0);
    for (int i = 0; i < 400000; ++i) {
        double z = range(gen);
        double approx = 0.0;
        ASSERT_TRUE(exponential.approximate(z, approx)) << z;
        worstExp = std::fmax(worstExp, std::fabs(approx / std::exp(z) - 1.0));
    }
    EXPECT_LT(worstPower, kFastPowerRelError / 10.0);
    EXPECT_LT(worstExp, kFastPowerRelError / 10.0);
}

TEST(FastAtmosphere, RoundingTestRefusesAValueOnARoundingBoundary) {
    float out = 0.0f;
    // 1 + 2^-24 lies half way between 1 and the next float.
    EXPECT_FALSE(roundsToOneFloat(1.0 + std::ldexp(1.0, -24), out));
    EXPECT_TRUE(roundsToOneFloat(1.0, out));
    EXPECT_EQ(out, 1.0f);
    EXPECT_TRUE(roundsToOneFloat(1.0 + std::ldexp(1.0, -25), out));
    EXPECT_EQ(out, 1.0f);
}
