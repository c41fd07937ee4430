// The body pass played again to a clock moved by hand: what it keeps between
// frames ends up as playing the run to that moment leaves it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "render/body_frame.h"
#include "render/body_replay.h"
#include "render/model_geometry.h"
#include "sim/playback.h"
#include "sim/playback_step.h"
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

// What the pass keeps and what it draws of the pilot and the seat.
struct Kept {
    std::vector<Vec3> pilot, seat;
    bool catapultSnapshot, mainFireSnapshot, chuteSound, landed, latchArmed;
    float latched, packDistance;
};

void expectSame(const Kept& a, const Kept& b) {
    ASSERT_EQ(a.pilot.size(), b.pilot.size());
    for (size_t i = 0; i < a.pilot.size(); ++i) {
        EXPECT_EQ(a.pilot[i].x, b.pilot[i].x) << i;
        EXPECT_EQ(a.pilot[i].y, b.pilot[i].y) << i;
        EXPECT_EQ(a.pilot[i].z, b.pilot[i].z) << i;
    }
    for (size_t i = 0; i < a.seat.size(); ++i) EXPECT_EQ(a.seat[i].z, b.seat[i].z) << i;
    EXPECT_EQ(a.catapultSnapshot, b.catapultSnapshot);
    EXPECT_EQ(a.mainFireSnapshot, b.mainFireSnapshot);
    EXPECT_EQ(a.chuteSound, b.chuteSound);
    EXPECT_EQ(a.landed, b.landed);
    EXPECT_EQ(a.latchArmed, b.latchArmed);
    EXPECT_EQ(a.latched, b.latched);
    EXPECT_EQ(a.packDistance, b.packDistance);
}

float largestGap(const Kept& a, const Kept& b) {
    float gap = 0.0f;
    for (size_t i = 0; i < a.pilot.size() && i < b.pilot.size(); ++i) {
        const float d = (a.pilot[i] - b.pilot[i]).length();
        if (d > gap) gap = d;
    }
    return gap;
}

// A mode 2 ejection at 420 kt from 1500 m: the drogue, the main parachute's
// swing and the snapshots all play a part.
class BodyReplay : public ::testing::Test {
protected:
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>();

    void SetUp() override {
        std::string path = std::string(VORIX_BUILD_DIR) + "/Data/poly.txt";
        struct stat st;
        if (stat(path.c_str(), &st) != 0) GTEST_SKIP() << "no generated model at " << path;
        setDefaults(*sim);
        resetToZeroZero(*sim, 0);
        sim->params.initialTasKt = airspeedKt;
        sim->fighterPosition.altitude = altitudeM;
        const FighterAttitude& a = sim->attitude;
        ASSERT_TRUE(loadFighterModel(path.c_str(), model, a.pitchDeg, a.rollDeg, a.headingDeg,
                                     sim->params.seatBackAngleDeg, (float)sim->constants.rocketCantDeg, axes,
                                     snapshot, sim->geometry));
        state = BodyState();
        attitude = BodyAttitudeState();
        normalizeAttitude(sim->attitude, sim->fighterPosition, sim->params);
        refreshSeatStartOffset(model, sim->attitude.pitchDeg, sim->attitude.rollDeg, sim->attitude.headingDeg,
                               sim->geometry);
        startEjection(*sim, false, 0, 25);
        ASSERT_EQ(sim->times.seqMode, mode);
    }
    float airspeedKt = 420.0f;
    double altitudeM = 1500.0;
    int mode = 2;

    BodyScene scene() { return BodyScene{model, snapshot, axes, state, attitude, drogue, mainChute, counter, true}; }

    BodyFrame frameAt(int32_t ms) {
        setPlaybackClocksTo(sim->clocks, ms, sim->params, sim->times);
        advanceDescentForFrame(*sim);
        BodyScene s = scene();
        return planBodyFrame(*sim, s);
    }
    // Frames of a 60-frame-a-second playback, the last one at toMs.
    void playTo(int32_t fromMs, int32_t toMs) {
        for (int32_t ms = fromMs; ms < toMs; ms += kReplayFrameMs) frameAt(ms);
        frameAt(toMs);
    }
    long replay(int32_t fromMs, int32_t toMs) {
        setPlaybackClocksTo(sim->clocks, toMs, sim->params, sim->times);
        BodyScene s = scene();
        return replayBodyPass(*sim, s, fromMs, toMs);
    }
    Kept kept() {
        Kept k;
        int first = 0, last = -1;
        if (partSlotRange(model, kPartPilot, &first, &last))
            for (int i = first; i <= last; ++i) k.pilot.push_back(model.drawPos[i]);
        if (partSlotRange(model, kPartSeat, &first, &last))
            for (int i = first; i <= last; ++i) k.seat.push_back(model.drawPos[i]);
        k.catapultSnapshot = state.catapultSnapshotTaken;
        k.mainFireSnapshot = state.mainFireSnapshotTaken;
        k.chuteSound = state.chuteSoundPlayed;
        k.landed = state.landed;
        k.latchArmed = attitude.latchArmed;
        k.latched = attitude.latchedDeviation;
        k.packDistance = state.packDistanceM;
        return k;
    }
};

// The zero-zero run: mode 1, where the rocket pitches the crew and the
// snapshot after its burn keeps that pitch.
class ZeroZeroReplay : public BodyReplay {
protected:
    void SetUp() override {
        airspeedKt = 0.0f;
        altitudeM = 0.0;
        mode = 1;
        BodyReplay::SetUp();
    }
};

}  // namespace

TEST_F(BodyReplay, BackOrAheadTheBodiesAreThoseOfPlayingThere) {
    // Seat time 2.6 s: the main parachute fired 1.5 s ago and swings the pilot.
    const int32_t t = 3200;
    playTo(0, t);
    const Kept played = kept();
    ASSERT_FALSE(played.pilot.empty());
    EXPECT_TRUE(played.mainFireSnapshot && played.chuteSound && !played.latchArmed);

    // Played on, then stepped back.
    playTo(t + kReplayFrameMs, 2 * t);
    EXPECT_EQ(replay(2 * t, t), t / kReplayFrameMs + 1);
    expectSame(played, kept());
    // Left to the frame alone, the move back would start the run's memory
    // afresh at the new moment, and the pilot would hang otherwise.
    playTo(t + kReplayFrameMs, 2 * t);
    frameAt(t);
    EXPECT_GT(largestGap(played, kept()), 0.01f);

    // Stepped ahead from an earlier frame, over the main parachute's firing.
    replay(2 * t, 800);
    EXPECT_FALSE(kept().mainFireSnapshot);
    EXPECT_FALSE(kept().chuteSound);
    replay(800, t);
    expectSame(played, kept());
}

TEST_F(BodyReplay, MomentsPassedByTheReplayAreNotPassedAgainByTheFrame) {
    // The parachute's sound moment lies before 3.2 s; the frame that shows
    // the moved clock asks for no sound.
    replay(1600, 3200);
    EXPECT_TRUE(state.chuteSoundPlayed);
    const BodyFrame shown = frameAt(3200);
    EXPECT_FALSE(shown.chuteOpeningNow || shown.crashedNow || shown.landedNow);
}

TEST_F(BodyReplay, TheLiveDescentStartsAgainFromTheWindow) {
    const int32_t end = storedRunEndMs(*sim);
    playTo(0, end);
    ASSERT_TRUE(sim->descent.active);
    const DescentState played = sim->descent;
    replay(end, 1600);
    EXPECT_FALSE(sim->descent.active);
    replay(1600, end);
    ASSERT_TRUE(sim->descent.active);
    EXPECT_EQ(sim->descent.seatTimeS, played.seatTimeS);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(sim->descent.p[k], played.p[k]);
    // The clocks are the caller's afterwards.
    EXPECT_EQ(sim->clocks.elapsedMs, end);
}

TEST_F(ZeroZeroReplay, BackTheBodiesAreThoseOfPlayingThere) {
    const int32_t t = 1600;  // after the rocket's burn, under the main parachute
    playTo(0, t);
    const Kept played = kept();
    EXPECT_TRUE(played.catapultSnapshot);
    playTo(t + kReplayFrameMs, 4000);
    replay(4000, t);
    expectSame(played, kept());
}
