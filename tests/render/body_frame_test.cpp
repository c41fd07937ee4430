// The body pass without GL: whole ejections played frame by frame against the
// shipped model, checking what the picture would show.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <memory>
#include <string>

#include "render/body_frame.h"
#include "render/model_geometry.h"
#include "sim/playback.h"
#include "sim/playback_clocks.h"
#include "sim/simulation.h"

namespace {

PolyModel model;
PartSnapshot snapshot;
SeatAxes axes;
BodyState state;
BodyAttitudeState attitude;
ChuteMesh drogue, mainChute;

struct Counter : RandomSource {
    int n = 0;
    int next() override { return (n += 7919) % 32768; }
} counter;

bool finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

class BodyFrames : public ::testing::Test {
protected:
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>();

    void SetUp() override {
        std::string path = std::string(VORIX_BUILD_DIR) + "/Data/poly.txt";
        struct stat st;
        if (stat(path.c_str(), &st) != 0) GTEST_SKIP() << "no generated model at " << path;
        setDefaults(*sim);
        resetToZeroZero(*sim, 0);
        const FighterAttitude& a = sim->attitude;
        ASSERT_TRUE(loadFighterModel(path.c_str(), model, a.pitchDeg, a.rollDeg, a.headingDeg,
                                     sim->params.seatBackAngleDeg, (float)sim->constants.rocketCantDeg, axes,
                                     snapshot, sim->geometry));
        state = BodyState();
        attitude = BodyAttitudeState();
    }

    BodyFrame frameAt(uint32_t ms) {
        updatePlaybackClocks(sim->clocks, ms, sim->params, sim->times);
        if (sim->clocks.playing) advanceDescentForFrame(*sim);
        BodyScene scene{model, snapshot, axes, state, attitude, drogue, mainChute, counter, true};
        return planBodyFrame(*sim, scene);
    }

    void eject() {
        normalizeAttitude(sim->attitude, sim->fighterPosition, sim->params);
        refreshSeatStartOffset(model, sim->attitude.pitchDeg, sim->attitude.rollDeg, sim->attitude.headingDeg,
                               sim->geometry);
        startEjection(*sim, false, 0, 25);
    }
};

}  // namespace

TEST_F(BodyFrames, ZeroZeroRunFromCockpitToTheGround) {
    BodyFrame before = frameAt(0);
    EXPECT_TRUE(before.crewInCockpit);
    EXPECT_NEAR(state.pilotHeightM, 2.3f - 0.4f, 1e-4f);  // the seat in the cockpit on the ground
    // With the fighter switched off the crew sits where the cockpit would be,
    // and nothing of the fighter shows, its shadow neither.
    BodyScene hidden{model, snapshot, axes, state, attitude, drogue, mainChute, counter, false};
    BodyFrame bare = planBodyFrame(*sim, hidden);
    EXPECT_FALSE(bare.fighter.shown || bare.fighterShadow.shown || bare.canopy.shown);
    EXPECT_TRUE(bare.pilot.shown && bare.seat.shown && bare.seatShadow.shown);

    eject();
    ASSERT_EQ(sim->times.seqMode, 1);
    BodyFrame f = frameAt(100);  // count-down: the seat rides in the fighter
    EXPECT_TRUE(f.playing);
    EXPECT_FLOAT_EQ(f.pilot.at.x, f.fighter.at.x);
    EXPECT_FLOAT_EQ(f.pilot.at.z, f.fighter.at.z);

    bool sawPlume = false, sawMain = false, landed = false;
    Vec3 touchdown;
    for (uint32_t ms = 120; ms < 40000; ms += 40) {
        f = frameAt(ms);
        ASSERT_TRUE(finite(f.pilot.at) && finite(f.seat.at)) << ms;
        EXPECT_FALSE(f.drogue.shown) << "no drogue in mode 1, at " << ms;
        sawPlume |= f.plume.shown;
        sawMain |= f.main.shown;
        if (f.main.shown && sim->clocks.seatTime > 6.0) {
            // Under the open canopy, falling straight down, the pilot hangs
            // upright: his line attachments are over his pivot.
            int first, last;
            ASSERT_TRUE(partSlotRange(model, kPartPilot, &first, &last));
            Vec3 lines = model.drawPos[first + 1] - model.parts[kPartPilot].partPivot;
            EXPECT_GT(lines.z / lines.length(), 0.95f) << ms;
        }
        if (f.main.shown) {
            // The lines end at the pilot: the canopy hangs around the package.
            EXPECT_LT((f.main.at - f.pilot.at).length(), 1.0f);
            const Vec3& skirt = mainChute.drawn[kMainSkirtIndex + 1][0];
            EXPECT_LT((skirt - model.parts[kPartPilot].partPivot).length(), 12.0f) << ms;
        }
        if (landed) {
            EXPECT_TRUE(state.landed);
            EXPECT_FLOAT_EQ(state.pilotHeightM, 0.0f);
            EXPECT_FLOAT_EQ(f.pilot.at.z, touchdown.z);
            EXPECT_FALSE(f.main.shown) << "no canopy after landing, at " << ms;
        } else if (state.landed) {
            landed = true;
            touchdown = f.pilot.at;
            EXPECT_TRUE(f.landedNow);
        } else {
            EXPECT_GT(state.pilotHeightM, 0.0f);
        }
    }
    EXPECT_TRUE(sawPlume);
    EXPECT_TRUE(sawMain);
    EXPECT_TRUE(landed);
    // The pilot is put down on the ground, not below it.
    EXPECT_NEAR(touchdown.z + sim->geometry.cockpitOffset.z + sim->geometry.seatStartOffset.z, 0.5f, 1e-3f);

    // Clocks far past the last computed sample read the last one.
    f = frameAt(900000);
    EXPECT_TRUE(finite(f.pilot.at));

    // Stopping the run puts the crew back in the cockpit with fresh flags.
    resetScene(*sim, 900000);
    f = frameAt(900000);
    EXPECT_TRUE(f.crewInCockpit);
    EXPECT_FALSE(state.landed);
}

TEST_F(BodyFrames, AbandonedFighterCrashesOnceAndBurnsWhereItHit) {
    sim->fighterPosition.altitude = 100.0;
    sim->params.applyGOnFighter = true;
    sim->params.initialTasKt = 150.0f;
    eject();
    const Vec3 pivot = model.parts[kPartFighter].partPivot;
    int crashes = 0;
    Vec3 fire;
    double fallS = std::sqrt(2.0 * 100.5 / 9.8);
    for (uint32_t ms = 0; ms < 12000; ms += 20) {
        BodyFrame f = frameAt(ms);
        double t = sim->clocks.flightTime;
        if (f.crashedNow) {
            ++crashes;
            EXPECT_NEAR(t, fallS, 0.03);
            double fp[3];
            fighterPositionAt(sim->fighter, t, fp);
            EXPECT_FLOAT_EQ(state.crashPoint.x, pivot.x + (float)fp[0]);
            EXPECT_FLOAT_EQ(state.crashPoint.y, pivot.y + (float)fp[1]);
            EXPECT_FLOAT_EQ(state.crashPoint.z, 0.0f);
            fire = state.crashPoint;
        }
        if (t < fallS - 0.03) {
            EXPECT_TRUE(f.fighter.shown);
            EXPECT_FALSE(f.crashFire);
        } else if (t > fallS + 0.03) {
            EXPECT_FALSE(f.fighter.shown);
            EXPECT_TRUE(f.crashFire);
            EXPECT_FLOAT_EQ(f.crashPoint.y, fire.y);
            EXPECT_GE(f.fireSize.width, 30.0f);
            EXPECT_LE(f.fireSize.height, 24.0f);
        }
    }
    EXPECT_EQ(crashes, 1);
}

TEST_F(BodyFrames, HighSpeedRunShowsTheDrogueAndTheSeatFallingAway) {
    sim->params.initialTasKt = 450.0f;
    sim->fighterPosition.altitude = 300.0;
    eject();
    ASSERT_EQ(sim->times.seqMode, 2);
    const SequencerTimes T = sim->times;
    bool sawDrogue = false, seatApart = false, sawMain = false;
    for (uint32_t ms = 0; ms < 20000; ms += 20) {
        BodyFrame f = frameAt(ms);
        double t = sim->clocks.seatTime;
        ASSERT_TRUE(finite(f.pilot.at) && finite(f.seat.at)) << ms;
        if (t > T.tDrogueFire + 0.01 && t < T.tDrogueRelease + 0.99) {
            EXPECT_TRUE(f.drogue.shown) << t;
            sawDrogue = true;
            // Tied to the seat while attached, left behind once released.
            EXPECT_EQ(f.drogue.lines, t < T.tDrogueRelease);
        }
        if (t > T.tDrogueRelease + 1.01) {
            EXPECT_FALSE(f.drogue.shown) << t;
        }
        if (f.seat.shown && (f.seat.at - f.pilot.at).length() > 1.0f) seatApart = true;
        sawMain |= f.main.shown;
    }
    EXPECT_TRUE(sawDrogue);
    EXPECT_TRUE(sawMain);
    EXPECT_TRUE(seatApart);
}

TEST_F(BodyFrames, ClocksPastTheComputedSamplesReadTheLastOnes) {
    // A run whose computed samples end early: the body pass must read the
    // last of them, not whatever the arrays hold beyond.
    sim->params.initialTasKt = 450.0f;
    sim->fighterPosition.altitude = 300.0;
    eject();
    ASSERT_EQ(sim->times.seqMode, 2);
    Trajectory& tr = *sim->trajectory;
    const int cut = (int)(sim->times.tMainFire * 1000.0) + 400;
    ASSERT_LT(cut, tr.lastIndex);
    tr.lastIndex = cut;
    sim->pack.lastIndex = 200 < sim->pack.lastIndex ? 200 : sim->pack.lastIndex;
    const Vec3 start((float)sim->fighter.start[0], (float)sim->fighter.start[1], (float)sim->fighter.start[2]);
    const Vec3 last((float)tr.px[cut], (float)tr.py[cut], (float)tr.pz[cut]);
    const Vec3 packLast = packPosition(sim->pack, sim->pack.lastIndex);

    bool checked = false;
    for (uint32_t ms = 0; ms < 5000; ms += 20) {
        BodyFrame f = frameAt(ms);
        if (sim->clocks.seatIndex <= cut + 500) continue;
        ASSERT_FALSE(state.landed);
        EXPECT_FLOAT_EQ(f.pilot.at.x, start.x + last.x) << ms;
        EXPECT_FLOAT_EQ(f.pilot.at.y, start.y + last.y) << ms;
        EXPECT_FLOAT_EQ(f.pilot.at.z, start.z + last.z) << ms;
        if (f.pack.shown) {
            EXPECT_FLOAT_EQ(f.pack.at.x, start.x + packLast.x) << ms;
            EXPECT_FLOAT_EQ(f.pack.at.z, start.z + packLast.z) << ms;
        }
        EXPECT_TRUE(finite(f.seat.at) && finite(f.main.at)) << ms;
        checked = true;
    }
    EXPECT_TRUE(checked);
}
