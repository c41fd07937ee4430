#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "sim/dynamic_response.h"

namespace {

constexpr double kG = kDriGravity;

// A trace given as a function of time (g on each axis), sampled at the
// given times and run through the model.
using Trace = std::function<void(double t, double g[3])>;

DynamicResponse respond(const Trace& trace, const std::vector<double>& times,
                        std::vector<ResponseMoment>* moments = nullptr) {
    DynamicResponse r;
    double g[3], a[3];
    trace(times[0], g);
    for (int k = 0; k < 3; ++k) a[k] = g[k] * kG;
    r.start(a, times[0]);
    for (size_t i = 1; i < times.size(); ++i) {
        trace(times[i], g);
        for (int k = 0; k < 3; ++k) a[k] = g[k] * kG;
        const double interval = times[i] - times[i - 1];
        r.next(a, times[i - 1], interval, responseSubsteps(interval));
        if (moments) moments->push_back(r.moment());
    }
    return r;
}

std::vector<double> evenTimes(double dt, double until) {
    std::vector<double> t;
    for (long i = 0; i * dt <= until + 1e-12; ++i) t.push_back(i * dt);
    return t;
}

// g on one axis from rest, reached linearly over the first millisecond.
Trace stepOn(int axis, double g) {
    return [axis, g](double t, double out[3]) {
        out[0] = out[1] = out[2] = 0.0;
        out[axis] = g * (t >= 0.001 ? 1.0 : t / 0.001);
    };
}

}  // namespace

// The step responses of the published model: the overshoot of each axis's
// damping, slightly less for the millisecond's rise.
TEST(DynamicResponse, TenGStepsReachTheirClosedForms) {
    const std::vector<double> t = evenTimes(0.001, 0.4);
    const ResponsePeaks z = respond(stepOn(kSeatZ, 10.0), t).peaks();
    EXPECT_NEAR(z.plus[kSeatZ].value, 14.856, 14.856 * 0.001);
    EXPECT_EQ(z.minus[kSeatZ].value, 0.0);
    const ResponsePeaks x = respond(stepOn(kSeatX, 10.0), t).peaks();
    EXPECT_NEAR(x.plus[kSeatX].value, 15.263, 15.263 * 0.001);
    const ResponsePeaks back = respond(stepOn(kSeatX, -10.0), t).peaks();
    EXPECT_NEAR(back.minus[kSeatX].value, -18.816, 18.816 * 0.001);
    EXPECT_EQ(back.plus[kSeatX].value, 0.0);
    // The eyeballs-out peak comes half a damped period after the step.
    const double wd = 60.8 * std::sqrt(1.0 - 0.04 * 0.04);
    EXPECT_NEAR(back.minus[kSeatX].timeS, 3.14159265358979 / wd + 0.0005, 0.001);
    // Nothing leaks into the other axes.
    EXPECT_EQ(x.plus[kSeatY].value, 0.0);
    EXPECT_EQ(x.plus[kSeatZ].value, 0.0);
}

// A short pulse acts as an impulse: about 3.96 per m/s of velocity change.
TEST(DynamicResponse, ShortPulseFollowsTheImpulseRule) {
    auto pulse = [](double t, double g[3]) {
        g[0] = g[1] = 0.0;
        g[2] = t > 0.0 && t <= 0.002 + 1e-12 ? 500.0 / kG : 0.0;  // 2 ms of 500 m/s^2
    };
    const ResponsePeaks p = respond(pulse, evenTimes(0.0001, 0.2)).peaks();
    EXPECT_NEAR(p.plus[kSeatZ].value, 3.96, 0.02);
}

// Sitting still is the equilibrium: DRz 1, and beta is that over each limit.
TEST(DynamicResponse, OneGThroughoutIsTheEquilibrium) {
    auto sitting = [](double, double g[3]) { g[0] = g[1] = 0.0, g[2] = 1.0; };
    const ResponsePeaks p = respond(sitting, evenTimes(0.001, 0.5)).peaks();
    EXPECT_NEAR(p.plus[kSeatZ].value, 1.0, 1e-12);
    EXPECT_EQ(p.minus[kSeatZ].value, 0.0);
    EXPECT_NEAR(p.beta[kRiskLow].value, 1.0 / 15.2, 1e-12);
    EXPECT_NEAR(p.beta[kRiskModerate].value, 1.0 / 18.0, 1e-12);
    EXPECT_NEAR(p.beta[kRiskHigh].value, 1.0 / 22.8, 1e-12);
    // Hanging upside down in the straps: the eyeballs-up model's limit.
    auto hanging = [](double, double g[3]) { g[0] = g[1] = 0.0, g[2] = -1.0; };
    const ResponsePeaks h = respond(hanging, evenTimes(0.001, 0.5)).peaks();
    EXPECT_NEAR(h.minus[kSeatZ].value, -1.0, 1e-12);
    EXPECT_EQ(h.plus[kSeatZ].value, 0.0);
    EXPECT_NEAR(h.beta[kRiskLow].value, 1.0 / 13.4, 1e-12);
}

// beta combines the axes at each moment, not their peaks: with the two
// loads 30 ms apart, it is the largest root of the sum of squares of the
// ratios at one moment, below the root over the two peaks.
TEST(DynamicResponse, BetaIsTheRootSumSquareAtOneMoment) {
    auto twoAxes = [](double t, double g[3]) {
        g[0] = 12.0 * (t >= 0.001 ? 1.0 : t / 0.001);
        g[1] = 0.0;
        g[2] = t < 0.03 ? 0.0 : 6.0 * (t >= 0.031 ? 1.0 : (t - 0.03) / 0.001);
    };
    std::vector<ResponseMoment> moments;
    const ResponsePeaks p = respond(twoAxes, evenTimes(0.001, 0.4), &moments).peaks();
    for (int level = 0; level < kRiskLevelCount; ++level) {
        const double lx = kResponseDirections[kSeatX][0].limits[level];
        const double lz = kResponseDirections[kSeatZ][0].limits[level];
        double largest = 0.0;
        for (const ResponseMoment& m : moments) {
            const double b = std::hypot(m.plus[kSeatX] / lx, m.plus[kSeatZ] / lz);
            EXPECT_NEAR(responseBeta(m, level), b, 1e-12);
            largest = b > largest ? b : largest;
        }
        // The samples' moments are a subset of the substeps' ones.
        EXPECT_GE(p.beta[level].value, largest);
        EXPECT_NEAR(p.beta[level].value, largest, largest * 1e-3);
        EXPECT_LT(p.beta[level].value, std::hypot(p.plus[kSeatX].value / lx, p.plus[kSeatZ].value / lz) - 0.01);
    }
    // The negative direction counts with its own limit.
    ResponseMoment m;
    m.minus[kSeatY] = -7.0;
    m.plus[kSeatX] = 17.5;
    EXPECT_NEAR(responseRatio(m, kSeatY, kRiskLow), 0.5, 1e-12);
    EXPECT_NEAR(responseBeta(m, kRiskLow), std::sqrt(0.5), 1e-12);
}

// The model is exact for an input linear between samples, so a trace taken
// at uneven times gives the even trace's figures.
TEST(DynamicResponse, UnevenSamplesGiveTheSameFigures) {
    auto shape = [](double t, double g[3]) {
        // A 20 g ramp over 100 ms, held, and a lateral 4 g from 50 ms.
        const double rise = t < 0.1 ? t / 0.1 : 1.0;
        g[0] = 0.0;
        g[1] = t < 0.05 ? 0.0 : (t < 0.051 ? (t - 0.05) / 0.001 : 1.0) * 4.0;
        g[2] = 20.0 * rise;
    };
    std::vector<double> uneven;
    double t = 0.0;
    for (int i = 0; t < 0.4; ++i) {
        uneven.push_back(t);
        t += i % 3 == 0 ? 0.0003 : 0.00085;
    }
    // The breaks of the input are samples of both traces.
    for (double corner : {0.05, 0.051, 0.1}) uneven.push_back(corner);
    std::sort(uneven.begin(), uneven.end());
    const ResponsePeaks even = respond(shape, evenTimes(0.001, 0.4)).peaks();
    const ResponsePeaks odd = respond(shape, uneven).peaks();
    for (int axis : {kSeatY, kSeatZ}) {
        EXPECT_NEAR(odd.plus[axis].value, even.plus[axis].value, even.plus[axis].value * 2e-4) << axis;
        EXPECT_NEAR(odd.plus[axis].timeS, even.plus[axis].timeS, 0.0005) << axis;
    }
    EXPECT_NEAR(odd.beta[kRiskLow].value, even.beta[kRiskLow].value, even.beta[kRiskLow].value * 2e-4);
}

TEST(DynamicResponse, SubstepsKeepEachStepShort) {
    EXPECT_EQ(responseSubsteps(0.001), 4);
    EXPECT_EQ(responseSubsteps(0.0001), 1);
    EXPECT_EQ(responseSubsteps(0.0011), 5);
    EXPECT_EQ(responseSubsteps(1e6), 4000);
    EXPECT_EQ(responseSubsteps(0.0), 1);
    EXPECT_EQ(responseSubsteps(-1.0), 1);
    EXPECT_EQ(responseSubsteps(NAN), 1);
}
