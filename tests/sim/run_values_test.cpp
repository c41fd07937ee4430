// Figures of whole runs and bodies, each worked out independently of the
// code (by hand or from a closed form), so a fault says what broke.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "sim/chute_pack.h"
#include "sim/descent.h"
#include "sim/parachute.h"
#include "tests/sim/sim_fixture.h"

namespace {

double length3(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

bool isFloat(double v) { return (double)(float)v == v; }

}  // namespace

// The pack's tractor rocket pulling straight up from 50 m over a seat 1000 m
// above the ground, with 5 m/s up and 3 m/s forward, stepped by hand in
// single precision: 999 steps a second for 10 s, the rocket (220 lb on 1 kg)
// for the first 299 of them, drag Cd 0.5 on 0.25 + 0.021 d m^2 until 9.5 m
// (d: distance from the fighter's start less the first sample's; the area
// is never below 0).
TEST(RunValues, PackFlightFromAFixedLaunch) {
    auto pack = std::make_unique<ChutePack>();
    PackLaunch l;
    l.seconds = 10.0;
    const double p0[3] = {0.0, 0.0, 50.0}, v0[3] = {0.0, -3.0, 5.0};
    std::memcpy(l.startP, p0, sizeof p0);
    std::memcpy(l.startV, v0, sizeof v0);
    l.direction = Vec3(0.0f, 0.0f, 1.0f);
    l.baseAltitudeM = 1000.0;
    computeChutePack(*pack, l);
    EXPECT_EQ(pack->lastIndex, 9990);
    struct Sample {
        int index;
        float y, z;
    };
    const Sample expected[] = {
        {2, -0.0030000f, 50.005486f},
        {300, -0.455790f, 72.582870f},    // the burn's end
        {1000, -0.595838f, 90.477081f},   // near the top
        {5000, -1.367837f, 68.348595f},
        {9990, -2.330702f, -17.130657f}, // falling without drag area once 11.9 m nearer the start
    };
    for (const Sample& s : expected) {
        Vec3 at = packPosition(*pack, s.index);
        EXPECT_EQ(at.x, 0.0f) << s.index;
        EXPECT_NEAR(at.y, s.y, 2e-4) << s.index;
        EXPECT_NEAR(at.z, s.z, 2e-3) << s.index;
    }
}

// Under the open canopy the drag is truncated to whole m/s^2, so the sink
// rate settles where the drag reaches 10 m/s^2:
// v = sqrt(2 * 10 * m / (Cd * rho * A)), m = pilot + gear = 108 kg,
// Cd 1.56, A = pi * 2.9^2 = 26.42 m^2: 6.54 m/s at sea level.
TEST(RunValues, DescentSettlesWhereTheDragReachesTenMetresPerSecondSquared) {
    auto sim = makeDefaultSim();
    const double p[3] = {0.0, 0.0, 0.0}, v[3] = {0.0, 0.0, -6.0}, a[3] = {0.0, 0.0, 0.0};
    beginDescent(sim->descent, p, v, a, 20.0);
    DescentEnvironment env{300.0, 2.3, 21.0};
    for (int s = 0; s < 20; ++s) stepDescent(sim->descent, 1.0, sim->params, sim->mainChute, env);
    const DescentState& d = sim->descent;
    const double altitude = 302.3 + d.p[2];
    const double rho = airDensity((float)altitude);
    const double settled = std::sqrt(2.0 * 10.0 * 108.0 / (1.56 * rho * 26.4208));
    EXPECT_GT(altitude, 150.0);
    EXPECT_NEAR(-d.v[2], settled, 0.01);
    EXPECT_NEAR(std::sqrt(2.0 * 10.0 * 108.0 / (1.56 * airDensity(0.0f) * 26.4208)), 6.5432, 1e-3);
    EXPECT_FALSE(d.landed);
}

// The descent lands when fighter altitude + mounting height + z reaches 0.
TEST(RunValues, DescentLandsAtTheGround) {
    auto sim = makeDefaultSim();
    const double p[3] = {0.0, 0.0, 0.0}, v[3] = {0.0, -2.0, -6.5}, a[3] = {0.0, 0.0, 10.0};
    beginDescent(sim->descent, p, v, a, 20.0);
    DescentEnvironment env{5.0, 2.3, 21.0};
    stepDescent(sim->descent, 1.0, sim->params, sim->mainChute, env);
    ASSERT_FALSE(sim->descent.landed);
    env.flightTimeS = 22.0;
    stepDescent(sim->descent, 1.0, sim->params, sim->mainChute, env);
    const DescentState& d = sim->descent;
    ASSERT_TRUE(d.landed);
    EXPECT_LE(d.landingP[2], -7.3f);
    EXPECT_GT(d.landingP[2], -7.3f - 0.007f);
    EXPECT_EQ(d.landingFlightTimeS, 22.0f);
}

// The seat run's landing record uses the package altitude, 0.4 m below the
// seat: fighter at 0 m, seat mounted at 2.3 m, so it lands at z = -1.9 m.
// Without a seat rocket the zero-zero ejection comes down inside the window.
TEST(RunValues, SeatRunLandsWhenThePackageReachesTheGround) {
    auto sim = makeDefaultSim();
    resetToZeroZero(*sim, 0);
    sim->params.rocketThrustLb = 0.0f;
    ejectNow(*sim);
    ASSERT_TRUE(sim->run.landed);
    EXPECT_LE(sim->run.landingP[2], -1.9);
    EXPECT_GT(sim->run.landingP[2], -1.9 - 0.02);
    const long at = (long)std::lround(sim->run.landingTimeS * 1000.0) + 1;
    EXPECT_EQ(sim->trajectory->pz[at], sim->run.landingP[2]);
    EXPECT_GT(sim->trajectory->pz[at - 1], -1.9);
}

// The lines stretch when the pack is 8 m from the pilot.
TEST(RunValues, LinesStretchAtEightMetres) {
    auto sim = makeDefaultSim();
    ejectNow(*sim);
    const LineStretch& ls = sim->lineStretch;
    ASSERT_TRUE(ls.stretched);
    EXPECT_GE(length3(ls.packMinusPilot), 8.0);
    EXPECT_LT(length3(ls.packMinusPilot), 8.1);
    EXPECT_NEAR(ls.delayS, sim->times.tLineStretch - sim->times.tMainFire, 1e-12);
}

// Rotated vectors are 32-bit floats before they enter double arithmetic.
// At 420 kt the level fighter's velocity after the turns by 360 degrees has
// equal tiny sideways and vertical parts, so the seat's start position
// (v times the lead time) has them equal too.
TEST(RunValues, RotatedVectorsAreRoundedToSinglePrecision) {
    auto sim = makeDefaultSim();
    sim->params.initialTasKt = 420.0f;
    sim->fighterPosition.altitude = 1500.0;
    startEjection(*sim, true, 0, 25);
    const Trajectory& t = *sim->trajectory;
    ASSERT_NE(t.vx[1], 0.0);
    ASSERT_EQ(t.vx[1], -t.vz[1]);
    EXPECT_EQ(t.px[1], -t.pz[1]);
    const double lead = sim->params.countdownS + 0.0000075 + sim->params.canopyDelayS;
    EXPECT_EQ(t.px[1], t.vx[1] * lead);
    for (double c : sim->catapult.accel) EXPECT_TRUE(isFloat(c)) << c;
}

// A drag coefficient far outside its range makes the state overflow; the
// run stops at the last finite sample instead of filling the store.
TEST(RunValues, ARunThatStopsBeingFiniteStops) {
    auto sim = makeDefaultSim();
    sim->params.seatManCd = 1e30f;
    ejectNow(*sim);
    EXPECT_TRUE(sim->run.diverged);
    EXPECT_GT(sim->run.divergedAtS, 0.178);
    EXPECT_LT(sim->run.divergedAtS, 1.0);
    const Trajectory& t = *sim->trajectory;
    for (int i = 1; i <= t.lastIndex; ++i)
        ASSERT_TRUE(std::isfinite(t.px[i] + t.py[i] + t.pz[i] + t.vx[i] + t.vy[i] + t.vz[i])) << i;

    auto fine = makeDefaultSim();
    ejectNow(*fine);
    EXPECT_FALSE(fine->run.diverged);
}
