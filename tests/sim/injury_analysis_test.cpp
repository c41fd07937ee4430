#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "sim/atmosphere.h"
#include "sim/injury_analysis.h"
#include "sim/run_analysis.h"
#include "sim/seat_frame.h"
#include "tests/sim/sim_fixture.h"

namespace {

constexpr double kDeg = 3.14159265358979 / 180.0;

struct Analysed {
    std::unique_ptr<RunAnalysis> analysis = std::make_unique<RunAnalysis>();
    std::unique_ptr<SpinalSeries> spine = std::make_unique<SpinalSeries>();
    std::unique_ptr<ResponseSeries> response = std::make_unique<ResponseSeries>();
};

Analysed analyse(const Simulation& sim) {
    Analysed a;
    analyseRun(sim, *a.analysis, a.spine.get());
    analyseInjuries(sim, *a.analysis, a.response.get());
    return a;
}

std::unique_ptr<Simulation> runAt(float tasKt, double altitudeM, float pilotKg = 0.0f) {
    auto sim = makeDefaultSim();
    sim->params.initialTasKt = tasKt;
    sim->fighterPosition.altitude = altitudeM;
    if (pilotKg > 0.0f) sim->params.pilotMassKg = pilotKg;
    ejectNow(*sim);
    return sim;
}

}  // namespace

// Sitting in the level fighter the seat pan reads the weight along the
// reclined seat's axes: cos 18 up the spine, sin 18 eyeballs in. Upside
// down both change sign; banked on its side the weight lies across.
TEST(InjuryAnalysis, TheSeatPanReadsTheWeightAlongItsAxes) {
    auto level = makeDefaultSim();
    ejectNow(*level);
    double a[3];
    seatPanInput(*level, SeatFrameOverRun(*level), 0, a);
    EXPECT_NEAR(a[kSeatX], 9.8 * std::sin(18 * kDeg), 1e-5);
    EXPECT_NEAR(a[kSeatY], 0.0, 1e-5);
    EXPECT_NEAR(a[kSeatZ], 9.8 * std::cos(18 * kDeg), 1e-5);
    EXPECT_EQ(a[kSeatZ], spinalInput(*level, 0));

    auto inverted = makeDefaultSim();
    inverted->attitude.rollDeg = 180.0f;
    ejectNow(*inverted);
    seatPanInput(*inverted, SeatFrameOverRun(*inverted), 0, a);
    EXPECT_NEAR(a[kSeatX], -9.8 * std::sin(18 * kDeg), 1e-5);
    EXPECT_NEAR(a[kSeatZ], -9.8 * std::cos(18 * kDeg), 1e-5);

    auto banked = makeDefaultSim();
    banked->attitude.rollDeg = 90.0f;
    ejectNow(*banked);
    seatPanInput(*banked, SeatFrameOverRun(*banked), 0, a);
    EXPECT_NEAR(std::fabs(a[kSeatY]), 9.8, 1e-5);
    EXPECT_NEAR(a[kSeatZ], 0.0, 1e-5);
    // During the run the three axes hold the whole specific force.
    const Trajectory& tr = *level->trajectory;
    const long i = 300;
    const double f[3] = {(tr.vx[i + 1] - tr.vx[i]) / 0.001, (tr.vy[i + 1] - tr.vy[i]) / 0.001,
                         (tr.vz[i + 1] - tr.vz[i]) / 0.001 + 9.8};
    seatPanInput(*level, SeatFrameOverRun(*level), i, a);
    EXPECT_NEAR(std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]), std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]),
                1e-4);
}

// The spine's axis runs the DRI's own model on the DRI's input: over the
// seat/man phase DRz+ is the DRI to the bit, and its series is the spine's.
TEST(InjuryAnalysis, TheSpineAxisIsTheDri) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    Analysed a = analyse(*sim);
    const InjuryFigures& j = a.analysis->injury;
    ASSERT_TRUE(j.computed);
    EXPECT_EQ(j.response.plus[kSeatZ].value, a.analysis->dri);
    EXPECT_EQ(j.response.plus[kSeatZ].timeS, a.analysis->driTimeS);
    EXPECT_DOUBLE_EQ(j.responseEndS, sim->times.tSeatManSeparation);
    ASSERT_EQ(a.response->count, (int32_t)std::lround(sim->times.tSeatManSeparation * 1000.0) + 1);
    for (int i = 0; i < a.response->count; ++i) {
        ASSERT_EQ(a.response->inputG[kSeatZ][i], a.spine->inputG[i]) << i;
        const float r = a.spine->responseG[i];
        ASSERT_EQ(a.response->plus[kSeatZ][i], r > 0.0f ? r : 0.0f) << i;
    }
    // The catapult sets beta at the DRI's moment, the spine's share of it
    // the larger.
    EXPECT_EQ(j.betaPhase[kRiskLow], kInjuryCatapult);
    EXPECT_EQ(j.response.beta[kRiskLow].timeS, a.analysis->driTimeS);
    EXPECT_GT(j.response.beta[kRiskLow].value, a.analysis->dri / 15.2);
    EXPECT_LT(j.response.beta[kRiskLow].value, a.analysis->dri / 15.2 * 1.05);
    // The stroke's 17 g and the rocket's 9.7 g, each inside its phase.
    EXPECT_NEAR(j.catapult.g, 16.95, 0.1);
    EXPECT_LE(j.catapult.timeS, sim->derived.catapultPhaseTimeS);
    EXPECT_NEAR(j.rocket.g, 9.5, 0.3);
    EXPECT_GT(j.rocket.timeS, sim->times.tRocketFire);
    EXPECT_LE(j.rocket.timeS, sim->times.tRocketFire + sim->params.rocketBurnTimeS);
}

// The windblast the pilot meets leaving the cockpit at 450 kt near the
// ground: about 440 KEAS (the fighter's speed, the stroke's upward push
// beside it), past the flail mark; q = rho0 Ve^2 / 2 ties the two figures.
TEST(InjuryAnalysis, WindblastAtExposure) {
    auto sim = runAt(450.0f, 5.0);
    Analysed a = analyse(*sim);
    const WindblastFigures& w = a.analysis->injury.windblast;
    ASSERT_TRUE(w.present);
    EXPECT_GT(w.exposureKeas, 430.0);
    EXPECT_LT(w.exposureKeas, kFlailRiskKeas);
    EXPECT_NEAR(w.exposureTimeS, sim->derived.catapultPhaseTimeS, 1e-6);
    const double ve = w.exposureKeas * 1852.0 / 3600.0;
    EXPECT_NEAR(w.exposureKpa, 0.5 * airDensity(0.0f) * ve * ve / 1000.0, w.exposureKpa * 1e-9);
    EXPECT_GE(w.peakKpa, w.exposureKpa);
    EXPECT_GE(w.peakTimeS, w.exposureTimeS);
    EXPECT_LE(w.peakTimeS, a.analysis->injury.responseEndS);
    // At 0 kt only the seat's own speed: the rocket's end is the fastest.
    auto still = runAt(0.0f, 5.0);
    Analysed b = analyse(*still);
    const WindblastFigures& s = b.analysis->injury.windblast;
    EXPECT_NEAR(s.exposureKeas, still->derived.catapultEndSpeedFtS / 3.281 * 3.6 / 1.852, 2.0);
    EXPECT_GT(s.peakKeas, s.exposureKeas);
    EXPECT_NEAR(s.peakTimeS, still->times.tRocketFire + still->params.rocketBurnTimeS, 0.01);
}

// The canopy pulls on every pilot alike, so the lightest takes the hardest
// opening shock in g of his own mass; it comes while the canopy inflates.
TEST(InjuryAnalysis, LightPilotsTakeTheHardestOpeningShock) {
    auto light = runAt(450.0f, 100.0, 47.0f);
    auto heavy = runAt(450.0f, 100.0, 111.0f);
    Analysed l = analyse(*light), h = analyse(*heavy);
    const PhasePeak& ls = l.analysis->injury.openingShock;
    const PhasePeak& hs = h.analysis->injury.openingShock;
    ASSERT_TRUE(ls.present);
    ASSERT_TRUE(hs.present);
    EXPECT_GT(ls.g, hs.g * 1.3);
    EXPECT_GT(ls.timeS, light->times.tMainFire);
    EXPECT_LE(ls.timeS, l.analysis->fullyOpenTimeS);
    // The force itself, g times the pilot's mass with his gear.
    const long i = std::lround(ls.timeS * 1000.0);
    EXPECT_NEAR(ls.g * (47.0 + light->params.gearMassKg) * kDriGravity, light->trajectory->dragForceN[i], 1e-6);

    // No main parachute inside the run, no opening shock.
    auto high = runAt(0.0f, 2000000.0);
    Analysed far = analyse(*high);
    EXPECT_FALSE(far.analysis->injury.openingShock.present);
    // The seat stays with the pilot: the response covers the whole run.
    EXPECT_DOUBLE_EQ(far.analysis->injury.responseEndS, high->trajectory->lastIndex * 0.001);
}

// The input's parts add up to it: on the rails all of it is the catapult's;
// after the burn, before the main parachute, the drag is all there is.
TEST(InjuryAnalysis, TheInputSplitsIntoItsPhases) {
    auto sim = runAt(450.0f, 100.0);
    const SeatFrameOverRun frame(*sim);
    const SequencerTimes& s = sim->times;
    const double burnEnd = s.tRocketFire + sim->params.rocketBurnTimeS;
    double input[3], parts[kInjuryPhaseCount][3];
    bool dragSeen = false;
    for (long i = 0; i * 0.001 < s.tMainFire + 1.0; ++i) {
        seatPanInput(*sim, frame, i, input);
        splitSeatPanInput(*sim, frame, i, input, parts);
        const double t = i * 0.001;
        for (int k = 0; k < 3; ++k) {
            double sum = 0.0;
            for (int p = 0; p < kInjuryPhaseCount; ++p) sum += parts[p][k];
            ASSERT_NEAR(sum, input[k], 1e-9) << t;
            if (t <= sim->derived.catapultPhaseTimeS) {
                ASSERT_EQ(parts[kInjuryCatapult][k], input[k]) << t;
            } else if (t > burnEnd && t <= s.tMainFire) {
                ASSERT_NEAR(parts[kInjuryWindblast][k], input[k], 1e-6) << t;
            } else if (t > s.tMainFire + 0.002) {
                ASSERT_NEAR(parts[kInjuryOpeningShock][k], input[k], 1e-6) << t;
            }
            if (t > s.tRocketFire + 0.002 && t <= burnEnd && parts[kInjuryWindblast][k] != 0.0) dragSeen = true;
        }
    }
    // At 450 kt the air stream already pulls during the burn; the rocket's
    // peak is its push alone, as at 0 kt.
    EXPECT_TRUE(dragSeen);
    auto still = runAt(0.0f, 100.0);
    EXPECT_NEAR(analyse(*sim).analysis->injury.rocket.g, analyse(*still).analysis->injury.rocket.g, 0.01);
}

// The phase that sets beta: the catapult's stroke in a slow ejection; at
// 450 kt with the zero-zero seat the drag of the seat and its drogue in the
// air stream, pulling down the spine while the rocket's climb has the seat
// rising (the eyeballs-up model leads).
TEST(InjuryAnalysis, ThePhaseWithTheLargestShareSetsBeta) {
    auto slow = makeDefaultSim();
    ejectNow(*slow);
    EXPECT_EQ(analyse(*slow).analysis->injury.betaPhase[kRiskLow], kInjuryCatapult);

    auto fast = makeDefaultSim();
    resetToZeroZero(*fast, 0);
    fast->params.initialTasKt = 450.0f;
    ejectNow(*fast);
    Analysed a = analyse(*fast);
    const InjuryFigures& j = a.analysis->injury;
    for (int level = 0; level < kRiskLevelCount; ++level) EXPECT_EQ(j.betaPhase[level], kInjuryWindblast) << level;
    int axis = -1, direction = -1;
    leadingResponse(j.response.betaMoment[kRiskLow], kRiskLow, axis, direction);
    EXPECT_EQ(axis, kSeatZ);
    EXPECT_EQ(direction, 1);
    EXPECT_GT(j.response.beta[kRiskLow].value, a.analysis->dri / 15.2);
    EXPECT_GT(j.response.beta[kRiskLow].timeS, fast->times.tDrogueFire + 0.2);
    // Without the drogue the catapult's stroke is the largest again.
    auto bare = makeDefaultSim();
    resetToZeroZero(*bare, 0);
    bare->params.initialTasKt = 450.0f;
    bare->params.drogueDiameterM = 0.0f;
    ejectNow(*bare);
    EXPECT_EQ(analyse(*bare).analysis->injury.betaPhase[kRiskLow], kInjuryCatapult);
}

// The quick run of the GRAPH page holds the same figures while separation
// falls inside it; a seat that never leaves has none.
TEST(InjuryAnalysis, QuickRunAndASeatThatNeverLeaves) {
    auto full = makeDefaultSim();
    ejectNow(*full);
    auto quick = makeDefaultSim();
    startEjection(*quick, true, 0, 25);
    Analysed f = analyse(*full), q = analyse(*quick);
    for (int level = 0; level < kRiskLevelCount; ++level)
        EXPECT_EQ(q.analysis->injury.response.beta[level].value, f.analysis->injury.response.beta[level].value);
    EXPECT_EQ(q.analysis->injury.windblast.peakKpa, f.analysis->injury.windblast.peakKpa);

    auto stuck = makeDefaultSim();
    stuck->params.catapultThrustLb = 400.0f;
    stuck->params.seatBackAngleDeg = 0.0f;
    ejectNow(*stuck);
    Analysed s = analyse(*stuck);
    EXPECT_FALSE(s.analysis->injury.computed);
    EXPECT_FALSE(s.analysis->injury.windblast.present);
    EXPECT_EQ(s.response->count, 0);
}
