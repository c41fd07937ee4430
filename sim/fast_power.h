// Fast evaluation of the atmosphere's power and exponential laws, and the
// rounding test that makes a single-precision result taken from them exact.
//
// The atmosphere keeps its pressure in single precision. A double that is
// known to lie within a small relative distance of the true value rounds to
// the same float as the library's own result whenever no float rounding
// boundary lies within that distance; only then is the fast value used, and
// the library call decides the rare remainder. The results are therefore the
// library's, bit for bit, at a fraction of the cost.
#pragma once

#include <cstdint>

// Relative distance within which both the fast value and the library's
// rounded result lie from the true value. Error budget of the fast forms (see
// fast_power.cpp): at most 2.2e-15; of the library result (pow or exp within
// one unit in the last place, times the constant factor, rounded): 3.3e-16.
// The bound is ten times their sum.
constexpr double kFastPowerRelError = 4e-14;

// The float every value within kFastPowerRelError of `approx` (> 0) rounds
// to, when there is one such float. Rounding is monotonic, so it suffices
// that both ends of the range round to the same float.
inline bool roundsToOneFloat(double approx, float& out) {
    const float lo = (float)(approx * (1.0 - kFastPowerRelError));
    const float hi = (float)(approx * (1.0 + kFastPowerRelError));
    out = lo;
    return lo == hi;
}

// x^y for one exponent y fixed at construction, for x in [1/4, 2^16).
// x = 2^e * m with m in [1, 2); m lies within 2^-11 of a tabled point c, and
// x^y = (2^e)^y * c^y * (1 + u)^y with u = (m - c) / c; the first two factors
// are library values from the table, the last a binomial series.
class FixedExponentPower {
public:
    static constexpr int kMinOctave = -2;
    static constexpr int kMaxOctave = 15;
    static constexpr int kPointBits = 10;
    static constexpr int kPoints = 1 << kPointBits;

    explicit FixedExponentPower(double y);

    // False (and out untouched) when x is outside the tabled range.
    bool approximate(double x, double& out) const;

private:
    double octavePower_[kMaxOctave - kMinOctave + 1];
    double pointPower_[kPoints];
    double pointInverse_[kPoints];
    double series_[7];  // binomial coefficients of (1 + u)^y, degree 0..6
};

// exp(z) for z in [-4, 1]: exp(k / 512) from the table times a Taylor series
// of exp(r), r = z - k / 512 (exact), |r| <= 2^-10.
class TabledExponential {
public:
    static constexpr int kStepsPerUnit = 512;
    static constexpr int kMinStep = -4 * kStepsPerUnit;
    static constexpr int kMaxStep = 1 * kStepsPerUnit;

    TabledExponential();

    bool approximate(double z, double& out) const;

private:
    double stepValue_[kMaxStep - kMinStep + 1];
};
