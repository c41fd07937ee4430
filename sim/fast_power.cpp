#include "sim/fast_power.h"

#include <cmath>
#include <cstring>

// Error budget of FixedExponentPower::approximate for |y| <= 12, relative to
// the true (x / scale)^y:
// - the octave factor is the library pow of the rounded 2^e / scale: one ulp
//   plus |y| * 2^-53 for the rounded argument: 1.6e-15;
// - the point factor is a library pow value: one ulp, 2.2e-16;
// - m - c is exact (both lie in [1, 2], |m - c| <= 2^-11), u = (m - c) * (1/c)
//   is off by at most two roundings, which moves (1 + u)^y by at most
//   |y| * 2^-11 * 2^-52 * 1.01 < 1.3e-18;
// - the series stops after u^6: the rest is below |C(y, 7)| * 2^-77 < 2.2e-19;
// - its coefficients carry at most seven roundings each, on terms whose sum
//   past the first is below 0.007: < 6e-18;
// - its evaluation takes eight roundings of partial values below 1.01: 9e-16;
// - two products: 2.2e-16, and the caller's constant factor: 1.1e-16.
// Sum below 3.1e-15. The library's own result is off the true value by its
// rounded quotient x / scale (|y| * 2^-53), its pow (one ulp) and the
// constant factor: below 1.7e-15.
//
// Error budget of TabledExponential::approximate, relative to exp(z): the
// tabled library value, one ulp: 2.2e-16; r = z - k/512 is exact (Sterbenz:
// k/512 is within 2^-10 of z and at least 2^-9 in size unless it is 0); the
// Taylor series stops after r^5: below 2^-60/720; its evaluation: seven
// roundings of partial values below 1.001: 8e-16; the product and the
// caller's constant factor: 2.2e-16. Sum below 1.3e-15. The caller's z is a
// product by the reciprocal where the library divides; for |z| <= 2.3 the two
// differ by at most 5e-16, which moves exp(z) by as much.

FixedExponentPower::FixedExponentPower(double y, double scale) {
    for (int e = kMinOctave; e <= kMaxOctave; ++e)
        octavePower_[e - kMinOctave] = std::pow(std::ldexp(1.0, e) / scale, y);
    for (int j = 0; j < kPoints; ++j) {
        const double c = 1.0 + (j + 0.5) / kPoints;
        pointPower_[j] = std::pow(c, y);
        pointInverse_[j] = 1.0 / c;
    }
    series_[0] = 1.0;
    for (int k = 1; k < 7; ++k) series_[k] = series_[k - 1] * (y - (k - 1)) / k;
}

bool FixedExponentPower::approximate(double x, double& out) const {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    // Sign and biased exponent: zero, negatives, subnormals, infinities and
    // NaN all fall outside the tabled octaves.
    const int64_t octave = (int64_t)(bits >> 52) - 1023;
    if (octave < kMinOctave || octave > kMaxOctave) return false;
    const int point = (int)((bits >> (52 - kPointBits)) & (kPoints - 1));
    const uint64_t mantissaBits = (bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull;
    double m;
    std::memcpy(&m, &mantissaBits, sizeof m);
    const double c = 1.0 + (point + 0.5) / kPoints;
    const double u = (m - c) * pointInverse_[point];
    const double* a = series_;
    const double u2 = u * u;
    const double series = (1.0 + a[1] * u) + u2 * ((a[2] + a[3] * u) + u2 * ((a[4] + a[5] * u) + u2 * a[6]));
    out = octavePower_[octave - kMinOctave] * pointPower_[point] * series;
    return true;
}

TabledExponential::TabledExponential() {
    for (int k = kMinStep; k <= kMaxStep; ++k) stepValue_[k - kMinStep] = std::exp((double)k / kStepsPerUnit);
}

bool TabledExponential::approximate(double z, double& out) const {
    if (!(z >= (double)kMinStep / kStepsPerUnit && z <= (double)kMaxStep / kStepsPerUnit)) return false;
    // Nearest step: the shifted value is positive, so truncation is floor.
    const int k = (int)(z * kStepsPerUnit + (0.5 - kMinStep)) + kMinStep;
    const double r = z - (double)k / kStepsPerUnit;
    const double r2 = r * r;
    const double series = (1.0 + r) + r2 * ((0.5 + r * (1.0 / 6.0)) + r2 * ((1.0 / 24.0) + r * (1.0 / 120.0)));
    out = stepValue_[k - kMinStep] * series;
    return true;
}
