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
// rounded result lie from the true value. Error budgets (fast_power.cpp):
// fast forms below 3.1e-15, library results below 1.7e-15; the bound is over
// eight times their sum.
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

// (x / scale)^y for an exponent y and a scale fixed at construction, for x in
// [1/4, 2^30). x = 2^e * m with m in [1, 2); m lies within 2^-11 of a tabled
// point c, and (x / scale)^y = (2^e / scale)^y * c^y * (1 + u)^y with
// u = (m - c) / c; the first two factors are library values from the table,
// the last a binomial series. Taking the scale into the table spares the
// division x / scale; the library rounds that quotient before its pow, which
// moves its result by at most |y| * 2^-53 from (x / scale)^y, and the error
// budget counts that.
class FixedExponentPower {
public:
    static constexpr int kMinOctave = -2;
    static constexpr int kMaxOctave = 29;
    static constexpr int kPointBits = 10;
    static constexpr int kPoints = 1 << kPointBits;

    FixedExponentPower(double y, double scale);

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
