#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "sim/run_analysis.h"
#include "sim/spine_model.h"
#include "tests/sim/sim_fixture.h"

namespace {

// A step of `g` g from rest (the first sample 0), sampled at dt for `s` seconds.
std::vector<double> step(double g, double dt, double s) {
    std::vector<double> a((size_t)(s / dt) + 1, g * kDriGravity);
    a[0] = 0.0;
    return a;
}

std::unique_ptr<RunAnalysis> analysed(Simulation& sim, SpinalSeries* series = nullptr, int substeps = kSpineSubsteps) {
    auto out = std::make_unique<RunAnalysis>();
    analyseRun(sim, *out, series, substeps);
    return out;
}

}  // namespace

// The step response of a spring-damper overshoots by exp(-z pi / sqrt(1 -
// z^2)) = 0.48574 at z = 0.224: 10 g gives 14.857, at half the damped period.
TEST(SpineModel, TenGStepFromRest) {
    std::vector<double> a = step(10.0, 0.001, 0.3);
    DriPeak p = driOfSamples(a.data(), (long)a.size(), 0.001, kSpineSubsteps);
    EXPECT_NEAR(p.dri, 14.857, 0.002);
    const double halfPeriod = 3.14159265358979 / (52.9 * std::sqrt(1.0 - 0.224 * 0.224));
    EXPECT_NEAR(p.timeS, halfPeriod + 0.0005, 0.001);
}

// A short pulse acts as an impulse: DRI = 3.96 per m/s of velocity change.
TEST(SpineModel, ShortPulseFollowsTheImpulseRule) {
    const double dt = 0.0001;
    std::vector<double> a(2000, 0.0);
    for (int i = 1; i <= 20; ++i) a[i] = 500.0;  // 2 ms of 500 m/s^2
    DriPeak p = driOfSamples(a.data(), (long)a.size(), dt, kSpineSubsteps);
    EXPECT_NEAR(p.dri, 3.96, 0.02);
}

TEST(SpineModel, SittingStillIsTheEquilibrium) {
    std::vector<double> a(500, 9.32);
    DriPeak p = driOfSamples(a.data(), (long)a.size(), 0.001, kSpineSubsteps);
    EXPECT_NEAR(p.dri, 9.32 / kDriGravity, 1e-12);
}

// What the seat pan reads: sitting, the cosine of the 18 degree seat back;
// on the rails after the onset, the stroke's 156.894 m/s^2 plus 9.8 cos 18.
TEST(RunAnalysis, SpinalInputOfTheDefaultRun) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    EXPECT_NEAR(spinalInput(*sim, 0) / kDriGravity, 9.8 * std::cos(18.0 * 3.14159265358979 / 180.0) / kDriGravity,
                1e-6);
    EXPECT_NEAR(spinalInput(*sim, 160), 156.894 + 9.3204, 0.01);
    // Coasting after the burn with no drag yet: weightless.
    auto series = std::make_unique<SpinalSeries>();
    auto a = analysed(*sim, series.get());
    EXPECT_EQ(series->count, sim->trajectory->lastIndex + 1);
    EXPECT_FLOAT_EQ(series->inputG[160], (float)(spinalInput(*sim, 160) / kDriGravity));
    EXPECT_NEAR(series->responseG[0], 0.9504, 1e-4);

    // Banked on its side the seat's up axis is level: nothing along the spine.
    auto banked = makeDefaultSim();
    banked->attitude.rollDeg = 90.0f;
    ejectNow(*banked);
    EXPECT_NEAR(spinalInput(*banked, 0), 0.0, 1e-5);
}

TEST(RunAnalysis, DefaultRunFigures) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    auto a = analysed(*sim);
    // The catapult's 17 g with its 0.15 s onset: close to the limit.
    EXPECT_GT(a->dri, 15.0);
    EXPECT_LT(a->dri, 20.0);
    EXPECT_GT(a->driTimeS, 0.1);
    EXPECT_LT(a->driTimeS, 0.25);
    EXPECT_EQ(a->spinalRiskRaised, a->dri > 18.0);
    EXPECT_EQ(a->peakDragG, sim->derived.maxDragG);
    EXPECT_EQ(a->heightGainedM, sim->run.apexHeightM);
    ASSERT_TRUE(a->fullyOpen);
    EXPECT_NEAR(a->fullyOpenTimeS, sim->times.tMainFire + sim->mainChute.fullyOpenTime, 1e-6);
    EXPECT_GT(a->fullyOpenHeightM, 10.0);
    // Carried to the ground: the descent lands at 7.3 m below the seat's
    // start, sinking at the rate where the drag reaches 10 m/s^2 (6.54 m/s).
    ASSERT_TRUE(a->touchdown.reached);
    EXPECT_GT(a->touchdown.timeS, sim->run.endTimeS);
    EXPECT_NEAR(a->touchdown.position[2], -7.3, 0.01);
    EXPECT_NEAR(a->touchdown.verticalSpeedMs, 6.54, 0.02);
    EXPECT_TRUE(a->chuteOpenBeforeTouchdown);
    // The played descent is not touched.
    EXPECT_FALSE(sim->descent.active);
}

// The spring-damper against its closed forms at every step: the response to a
// held 10 g from rest, 10 (1 - e^(-z w t) (cos wd t + z w / wd sin wd t)), and
// the free decay once the input falls away from rest under 10 g, the same
// bracket without the 1 -. Frequency and damping both show at every instant.
TEST(SpineModel, StepResponseAndFreeDecayFollowTheirClosedForms) {
    const double w = 52.9, z = 0.224, wd = w * std::sqrt(1.0 - z * z), h = 0.00025;
    const double A = 10.0 * kDriGravity;
    SpineModel step(h), decay(h);
    step.settle(0.0);
    decay.settle(A);
    EXPECT_NEAR(decay.responseG(), 10.0, 1e-12);
    for (int i = 1; i <= 1600; ++i) {
        step.advance(A, A);
        decay.advance(0.0, 0.0);
        const double t = i * h;
        const double bracket = std::exp(-z * w * t) * (std::cos(wd * t) + z * w / wd * std::sin(wd * t));
        ASSERT_NEAR(step.responseG(), 10.0 * (1.0 - bracket), 1e-9) << t;
        ASSERT_NEAR(decay.responseG(), 10.0 * bracket, 1e-9) << t;
    }
}

// The analysis's DRI is the tracker's peak over the run's spinal input.
TEST(RunAnalysis, DriIsTheTrackersPeakOfTheSpinalInput) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    const long last = sim->trajectory->lastIndex;
    std::vector<double> a((size_t)last + 1);
    for (long i = 0; i <= last; ++i) a[(size_t)i] = spinalInput(*sim, i);
    DriPeak p = driOfSamples(a.data(), (long)a.size(), 0.001, kSpineSubsteps);
    auto analysis = analysed(*sim);
    EXPECT_EQ(analysis->dri, p.dri);
    EXPECT_EQ(analysis->driTimeS, p.timeS);
    // The peak lies on the grid of substeps.
    const double substeps = p.timeS / (0.001 / kSpineSubsteps);
    EXPECT_NEAR(substeps, std::round(substeps), 1e-6);
}

// The touchdown search steps the descent as one-millisecond frames would.
TEST(RunAnalysis, TouchdownSearchIsTheFrameDescent) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    ASSERT_TRUE(sim->run.windowEnded);
    const SeatRunSummary& run = sim->run;
    auto framed = std::make_unique<DescentState>();
    beginDescent(*framed, run.endP, run.endV, run.endA, run.endTimeS);
    long frames = 0;
    while (!framed->landed && frames < 100000) {
        ++frames;
        DescentEnvironment env{sim->runFighterAltitudeM, sim->runMountingHeightM, run.endTimeS + frames * 0.001};
        stepDescent(*framed, 0.001, sim->params, sim->mainChute, env);
    }
    auto searched = std::make_unique<DescentState>();
    beginDescent(*searched, run.endP, run.endV, run.endA, run.endTimeS);
    const DescentEnvironment start{sim->runFighterAltitudeM, sim->runMountingHeightM, run.endTimeS};
    EXPECT_EQ(descendToGround(*searched, 100000, sim->params, sim->mainChute, start), frames);
    ASSERT_TRUE(searched->landed);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(searched->p[k], framed->p[k]);
        EXPECT_EQ(searched->v[k], framed->v[k]);
        EXPECT_EQ(searched->a[k], framed->a[k]);
        EXPECT_EQ(searched->landingP[k], framed->landingP[k]);
    }
    EXPECT_EQ(searched->landingFlightTimeS, framed->landingFlightTimeS);
    EXPECT_EQ(searched->seatTimeS, framed->seatTimeS);
    // A descent that was never handed over does not move.
    auto idle = std::make_unique<DescentState>();
    EXPECT_EQ(descendToGround(*idle, 1000, sim->params, sim->mainChute, start), 0);
}

// Halving the integration step changes the DRI by far less than 0.1 %.
TEST(RunAnalysis, DriDoesNotDependOnTheStep) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    auto coarse = analysed(*sim, nullptr, kSpineSubsteps);
    auto fine = analysed(*sim, nullptr, 2 * kSpineSubsteps);
    EXPECT_LT(std::fabs(fine->dri - coarse->dri) / fine->dri, 0.001);
    EXPECT_NEAR(fine->driTimeS, coarse->driTimeS, 0.001);
}

TEST(RunAnalysis, TouchdownInsideTheWindowIsTheRunsLanding) {
    auto sim = makeDefaultSim();
    resetToZeroZero(*sim, 0);
    sim->params.rocketThrustLb = 0.0f;
    ejectNow(*sim);
    ASSERT_TRUE(sim->run.landed);
    auto a = analysed(*sim);
    ASSERT_TRUE(a->touchdown.reached);
    EXPECT_EQ(a->touchdown.timeS, sim->run.landingTimeS);
    EXPECT_EQ(a->touchdown.position[2], sim->run.landingP[2]);
    EXPECT_GT(a->touchdown.verticalSpeedMs, 0.0);
}

TEST(RunAnalysis, PackageThatNeverReachesTheGround) {
    auto sim = makeDefaultSim();
    sim->fighterPosition.altitude = 2000000.0;  // the main parachute never fires
    ejectNow(*sim);
    auto a = analysed(*sim);
    EXPECT_FALSE(a->touchdown.reached);
    EXPECT_FALSE(a->fullyOpen);
    EXPECT_FALSE(a->chuteOpenBeforeTouchdown);
    // 600 s in the air: whether the canopy would open before the ground is
    // beyond the run.
    EXPECT_TRUE(a->cutShort);
    EXPECT_FALSE(a->chuteVerdictKnown);

    // 7 s: neither the ground nor the window's end. The canopy is fully open
    // inside them, so it is open before any touchdown; the touchdown itself
    // is unknown.
    auto quick = makeDefaultSim();
    startEjection(*quick, true, 0, 25);
    auto q = analysed(*quick);
    EXPECT_FALSE(q->touchdown.reached);
    EXPECT_TRUE(q->cutShort);
    EXPECT_DOUBLE_EQ(q->coveredS, 7.0);
    ASSERT_TRUE(q->fullyOpen);
    EXPECT_LT(q->fullyOpenTimeS, 7.0);
    EXPECT_TRUE(q->chuteVerdictKnown);
    EXPECT_TRUE(q->chuteOpenBeforeTouchdown);

    // A whole run decides both.
    auto full = makeDefaultSim();
    ejectNow(*full);
    auto f = analysed(*full);
    EXPECT_FALSE(f->cutShort);
    EXPECT_TRUE(f->chuteVerdictKnown);
    EXPECT_EQ(f->dri, q->dri);  // the catapult's load lies inside the first 7 s
}

// Sinking at 100 ft/s 20 m above the ground, the seat is on the ground
// before the main parachute has opened.
TEST(RunAnalysis, TooLowForTheParachute) {
    auto sim = makeDefaultSim();
    sim->fighterPosition.altitude = 20.0;
    sim->params.sinkRateFtS = 100.0f;
    ejectNow(*sim);
    auto a = analysed(*sim);
    ASSERT_TRUE(a->touchdown.reached);
    EXPECT_FALSE(a->chuteOpenBeforeTouchdown);
    EXPECT_GT(a->touchdown.verticalSpeedMs, 10.0);
}
