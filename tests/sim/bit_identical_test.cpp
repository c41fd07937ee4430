// Every number a run produces, bit for bit: each scenario's outputs are folded
// into one FNV-1a hash and compared with the hash the simulation gave when the
// scenario was recorded. Any change to a formula, a precision, a truncation or
// the order of an operation shows up here; speed work must leave them all.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/sim/sim_fixture.h"

namespace {

struct Fnv1a {
    uint64_t h = 1469598103934665603ull;
    void bytes(const void* data, size_t n) {
        const unsigned char* b = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) {
            h ^= b[i];
            h *= 1099511628211ull;
        }
    }
    template <typename T>
    void value(const T& v) {
        bytes(&v, sizeof v);
    }
    void vec(const Vec3& v) {
        value(v.x);
        value(v.y);
        value(v.z);
    }
};

// A field list, never a record's raw bytes: padding would make the hash
// depend on whatever the bytes between fields happen to hold.
void hashSeatStore(Fnv1a& f, const Trajectory& t) {
    f.value(t.lastIndex);
    const size_t n = (size_t)t.lastIndex + 1;
    for (const double* a : {t.px, t.py, t.pz, t.vx, t.vy, t.vz, t.ax, t.ay, t.az, t.dragForceN})
        f.bytes(a, n * sizeof(double));
    f.bytes(t.phase, n);
}

void hashSequencer(Fnv1a& f, const Simulation& s) {
    const SequencerTimes& t = s.times;
    for (double v : {t.tRocketFire, t.tDrogueFire, t.tMainFire, t.tDrogueRelease, t.tSeparationEnable,
                     t.tSeatManSeparation, t.tLineStretch})
        f.value(v);
    f.value(t.seqMode);
    const SequencerRun& r = s.sequencerRun;
    f.value(r.modeSensed);
    f.value(r.mode5Resensed);
    f.value(r.seatSeparated);
    f.value(r.separationCounterS);
    const SimDerived& d = s.derived;
    for (float v : {d.catapultG, d.gravityG, d.rocketG, d.catapultPhaseTimeS, d.catapultEndSpeedFtS, d.maxDragG,
                    d.maxDragTimeS})
        f.value(v);
    f.value(s.params.totalMassKg);
    f.value(s.catapult.netAccel);
    f.bytes(s.catapult.accel, sizeof s.catapult.accel);
    f.vec(s.catapult.buildUpRate);
    f.value(s.catapult.onsetTimeS);
    f.vec(s.catapult.packRocketDirection);
    f.value(s.catapult.strokeResult);
}

void hashRunSummary(Fnv1a& f, const Simulation& s) {
    const SeatRunSummary& r = s.run;
    f.value(r.landed);
    f.bytes(r.landingP, sizeof r.landingP);
    f.value(r.landingTimeS);
    f.value(r.apexHeightM);
    f.value(r.largestDrag);
    f.value(r.largestDragTimeS);
    f.value(r.windowEnded);
    f.bytes(r.endP, sizeof r.endP);
    f.bytes(r.endV, sizeof r.endV);
    f.bytes(r.endA, sizeof r.endA);
    f.value(r.endTimeS);
    f.value(r.stepsRun);
    f.value(r.stoppedBelowGround);
    const LineStretch& l = s.lineStretch;
    f.value(l.stretched);
    f.value(l.delayS);
    f.bytes(l.packMinusPilot, sizeof l.packMinusPilot);
    f.value(l.pilotDistanceM);
    const ParachuteModel& m = s.mainChute;
    for (float v : {m.diameterM, m.cd, m.areaM2, m.inflation, m.fullyOpenTime}) f.value(v);
    f.value(m.fullyOpen);
    f.value(s.mainRadii.count);
    f.bytes(s.mainRadii.radius, (size_t)s.mainRadii.count * sizeof(float));
}

void hashCanopy(Fnv1a& f, const CanopyBody& c) {
    for (float v : {c.areaM2, c.rocketThrustN, c.releaseTime, c.hingeRadiusM, c.releaseSpeed, c.fallBackTime})
        f.value(v);
    f.value(c.opened);
    f.value(c.released);
    f.value(c.fellBack);
    int n = c.stepCount < kCanopySampleCapacity ? c.stepCount : kCanopySampleCapacity;
    f.bytes(c.pitchSamples, (size_t)n * sizeof(float));
    for (int i = 0; i < n; ++i) f.vec(c.positionSamples[i]);
}

void hashPackAndSeat(Fnv1a& f, const Simulation& s) {
    const ChutePack& p = s.pack;
    f.value(p.computed);
    f.value(p.lastIndex);
    const size_t np = (size_t)p.lastIndex + 1;
    for (const float* a : {p.x, p.y, p.z}) f.bytes(a, np * sizeof(float));
    const EmptySeat& e = s.emptySeat;
    f.value(e.computed);
    f.value(e.landed);
    f.value(e.lastIndex);
    f.vec(e.landingPosition);
    f.value(e.turnDeg);
    const size_t ne = (size_t)e.lastIndex + 1;
    for (const float* a : {e.px, e.py, e.pz, e.vx, e.vy, e.vz}) f.bytes(a, ne * sizeof(float));
}

// The descent handed over at the end of the window, stepped for 3 s.
void hashDescent(Fnv1a& f, Simulation& s) {
    if (!s.run.windowEnded) return;
    beginDescent(s.descent, s.run.endP, s.run.endV, s.run.endA, s.run.endTimeS);
    DescentEnvironment env{s.runFighterAltitudeM, s.runMountingHeightM, s.run.endTimeS + 1.0};
    f.value(stepDescent(s.descent, 3.0, s.params, s.mainChute, env));
    const DescentState& d = s.descent;
    f.bytes(d.p, sizeof d.p);
    f.bytes(d.v, sizeof d.v);
    f.bytes(d.a, sizeof d.a);
    f.value(d.seatTimeS);
    f.value(d.landed);
    f.bytes(d.batchAltitude, (size_t)d.batchCount * sizeof(float));
}

uint64_t hashRun(Simulation& simRecord, void (*setUp)(Simulation&), bool quick, int32_t* mode) {
    Simulation* sim = &simRecord;
    setUp(*sim);
    EjectionStart start = startEjection(*sim, quick, 0, 25);
    Fnv1a f;
    f.value(start.playing);
    f.value(start.catapultMoves);
    hashSeatStore(f, *sim->trajectory);
    hashSequencer(f, *sim);
    hashRunSummary(f, *sim);
    hashCanopy(f, sim->canopy);
    hashPackAndSeat(f, *sim);
    hashDescent(f, *sim);
    if (mode) *mode = sim->times.seqMode;
    return f.h;
}

uint64_t runHash(void (*setUp)(Simulation&), bool quick = false, int32_t* mode = nullptr) {
    auto sim = makeDefaultSim();
    return hashRun(*sim, setUp, quick, mode);
}

// Every sample store filled with NaN bytes, as if a run had left values there
// that no reader of the next run may see.
void poisonSampleStores(Simulation& s) {
    std::memset(s.canopy.pitchSamples, 0xff, sizeof s.canopy.pitchSamples);
    std::memset(s.canopy.positionSamples, 0xff, sizeof s.canopy.positionSamples);
    for (float* a : {s.pack.x, s.pack.y, s.pack.z}) std::memset(a, 0xff, sizeof(float) * kPackSampleCapacity);
    for (float* a : {s.emptySeat.px, s.emptySeat.py, s.emptySeat.pz, s.emptySeat.vx, s.emptySeat.vy, s.emptySeat.vz})
        std::memset(a, 0xff, sizeof(float) * kEmptySeatSampleCapacity);
    std::memset(s.trajectory, 0xff, sizeof(Trajectory));
}

void flying(Simulation& s, float kt, double altitudeM) {
    s.params.initialTasKt = kt;
    s.fighterPosition.altitude = altitudeM;
}

struct Scenario {
    const char* name;
    void (*setUp)(Simulation&);
    bool quick;
    int32_t mode;        // the operating mode the run ends in, to show the scenario is the one named
    uint64_t expected;
};

const Scenario kScenarios[] = {
    {"default", [](Simulation&) {}, false, 1, 0x9f13ae6fa8ea16fbull},
    {"zeroZero", [](Simulation& s) { resetToZeroZero(s, 0); }, false, 1, 0x8ecb7e41d3a085cbull},
    {"mode2", [](Simulation& s) { flying(s, 420.0f, 1500.0); }, false, 2, 0xc3c969b3597e9480ull},
    {"mode3", [](Simulation& s) { flying(s, 600.0f, 300.0); }, false, 3, 0xaceafb167c3c4d6eull},
    {"mode4", [](Simulation& s) { flying(s, 250.0f, 4000.0); }, false, 4, 0x96eb26ec8325f037ull},
    {"mode5From5600m", [](Simulation& s) { s.fighterPosition.altitude = 5600.0; }, false, 5, 0xfc364e737c590d93ull},
    {"longRocketBurn",
     [](Simulation& s) {
         flying(s, 200.0f, 500.0);
         s.params.rocketBurnTimeS = 0.5f;
     },
     false, 1, 0x35424861494d418dull},
    {"inverted150ktAt45m",
     [](Simulation& s) {
         flying(s, 150.0f, 45.0);
         s.attitude.rollDeg = 180.0f;
     },
     false, 1, 0xb48a11e1263103ebull},
    {"climbWithGravityAndSink",
     [](Simulation& s) {
         flying(s, 380.0f, 7000.0);
         s.attitude.pitchDeg = -30.0f;  // nose up
         s.attitude.headingDeg = 75.0f;
         s.params.sinkRateFtS = 40.0f;
         s.params.applyGOnFighter = true;
     },
     false, 5, 0xaba2c18f96650967ull},
    // Starts in the upper layer and falls through both layer boundaries.
    {"fromTheUpperLayer", [](Simulation& s) { flying(s, 300.0f, 30000.0); }, false, 5, 0xc8e5c3bb4c9c6ef7ull},
    {"quickDefault", [](Simulation&) {}, true, 1, 0xff58fb022e562c91ull},
    {"neverDeploys", [](Simulation& s) { s.fighterPosition.altitude = 2000000.0; }, false, 5, 0xa7bbbcdcd7332cfeull},
};

}  // namespace

// The same hashes in every build type: the release, debug and sanitizer
// builds compute the same bits.
TEST(BitIdenticalRuns, EveryScenarioKeepsItsRecordedHash) {
    for (const Scenario& sc : kScenarios) {
        int32_t mode = 0;
        uint64_t h = runHash(sc.setUp, sc.quick, &mode);
        EXPECT_EQ(h, sc.expected) << sc.name << " now hashes to 0x" << std::hex << h << "ull";
        EXPECT_EQ(mode, sc.mode) << sc.name;
    }
}

// A record renewed for the next run (as the tool renews it for every point of
// a sweep) keeps whatever its sample stores held. Each scenario, run in a
// renewed record whose stores hold nothing but NaN, still gives its recorded
// hash: every sample a reader reaches was written by the run itself.
TEST(BitIdenticalRuns, ARenewedRecordShowsNothingOfAnEarlierRun) {
    auto sim = makeDefaultSim();
    for (const Scenario& sc : kScenarios) {
        poisonSampleStores(*sim);
        renewSimulation(*sim);
        setDefaults(*sim);
        uint64_t h = hashRun(*sim, sc.setUp, sc.quick, nullptr);
        EXPECT_EQ(h, sc.expected) << sc.name << " hashes to 0x" << std::hex << h << "ull in a renewed record";
    }
}

// The hash must see the outputs: a run with one parameter nudged by a single
// unit in the last place hashes differently.
TEST(BitIdenticalRuns, HashSeesALastPlaceChange) {
    uint64_t base = runHash([](Simulation&) {});
    uint64_t nudged = runHash([](Simulation& s) {
        float& m = s.params.pilotMassKg;
        uint32_t bits;
        std::memcpy(&bits, &m, sizeof bits);
        ++bits;
        std::memcpy(&m, &bits, sizeof bits);
    });
    EXPECT_NE(base, nudged);
}
