// The seat and the pilot turned along their flight path: rigid in the rocket
// phase, swinging under the parachute, with the roll wobble.
#include <gtest/gtest.h>

#include <cmath>

#include "render/body_attitude.h"

namespace {

// A tiny model: part 6 holds three markers around its pivot, an up, a
// forward and a right direction, in the snapshot.
PolyModel model;
PartSnapshot snapshot;
const Vec3 kPivot(0.0f, 4.0f, 2.4f);

class BodyAttitude : public ::testing::Test {
protected:
    void SetUp() override {
        clearPolyModel(model);
        model.partCount = 7;
        model.lastSlot = 4;
        model.parts[6].firstSlot = 1;
        model.parts[6].partPivot = kPivot;
        model.parts[7].firstSlot = 4;
        for (int i = 1; i <= 4; ++i) model.slotKind[i] = kindMarker;
        snapshot.pos[1] = kPivot + Vec3(0, 0, 1);
        snapshot.pos[2] = kPivot + Vec3(0, -1, 0);
        snapshot.pos[3] = kPivot + Vec3(1, 0, 0);
    }

    AttitudeInputs inputs(const Vec3& v, AttitudeKind kind, double sinceMainFire) {
        AttitudeInputs in;
        in.velocity = v;
        in.kind = kind;
        in.mode = 2;
        in.tMainFire = 1.1;
        in.seatTimeS = 1.1 + sinceMainFire;
        in.sinceMainFire = sinceMainFire;
        in.mainFireSpeedMs = 40.0f;
        in.totalMassKg = 211.42f;
        return in;
    }

    Vec3 marker(int slot) { return model.drawPos[slot] - kPivot; }
    BodyAttitudeState state;
    SeatAxes seat;
};

Vec3 unit(const Vec3& v) { return v * (1.0f / v.length()); }

void expectParallel(const Vec3& a, const Vec3& b, const char* what) {
    Vec3 ua = unit(a), ub = unit(b);
    EXPECT_GT(ua.x * ub.x + ua.y * ub.y + ua.z * ub.z, 0.9995f)
        << what << ": (" << ua.x << ", " << ua.y << ", " << ua.z << ") vs (" << ub.x << ", " << ub.y << ", "
        << ub.z << ")";
}

// Paths in the seat's own vertical plane (the fighter's heading), as the
// ejection gives them: straight ahead, diving, climbing, falling, backward.
const Vec3 kPaths[] = {Vec3(0, -100, 0), Vec3(0, -100, -50), Vec3(0.5f, -100, 10), Vec3(0.3f, -0.2f, -7),
                       Vec3(0.2f, 60, -30)};

}  // namespace

TEST_F(BodyAttitude, RigidSeatPointsAlongItsPath) {
    for (const Vec3& v : kPaths) {
        alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(v, AttitudeKind::Rigid, 0.0), state);
        expectParallel(marker(2), v, "forward along the path");
        // Turned as a whole about the pivot: nothing stretched or sheared.
        for (int i = 1; i <= 3; ++i) EXPECT_NEAR(marker(i).length(), 1.0f, 1e-5f);
        Vec3 u = marker(1), f = marker(2);
        EXPECT_NEAR(u.x * f.x + u.y * f.y + u.z * f.z, 0.0f, 1e-5f);
    }
}

TEST_F(BodyAttitude, SwingingBodyTurnsFromLevelToHangTowardTheCanopy) {
    for (const Vec3& v : kPaths) {
        state = BodyAttitudeState();
        // As the parachute fires the body still faces the path's heading, level.
        alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(v, AttitudeKind::Swinging, 0.0), state);
        EXPECT_NEAR(marker(1).z, 1.0f, 1e-3f);
        // Long after, its head points up the lines, against the velocity.
        alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(v, AttitudeKind::Swinging, 5.0), state);
        expectParallel(marker(1), v * -1.0f, "up toward the canopy");
    }
    // Midway the swing has turned the body by the amplitude so far.
    state = BodyAttitudeState();
    alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(Vec3(0, -100, -50), AttitudeKind::Swinging, 0.3), state);
    float turned = std::acos(marker(1).z) * 180.0f / 3.14159265f;
    EXPECT_NEAR(turned, swingAmplitude(0.3, 40.0f, 211.42f), 0.05f);
}

TEST_F(BodyAttitude, PathsAlongAnAxisAreNotFlipped) {
    // Velocities and axes with components of exactly 0 (a level seat flying
    // straight ahead) turn the body like their near neighbours do.
    const Vec3 exact[] = {Vec3(0, -100, 0), Vec3(0, 0, -7), Vec3(0, 100, 0)};
    for (const Vec3& v : exact) {
        alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(v, AttitudeKind::Rigid, 0.0), state);
        Vec3 up = marker(1), fwd = marker(2);
        alignBodyToVelocity(model, snapshot, 6, 6, seat,
                            inputs(v + Vec3(1e-3f, 1e-3f, -1e-3f), AttitudeKind::Rigid, 0.0), state);
        expectParallel(up, marker(1), "up");
        expectParallel(fwd, marker(2), "forward");
    }
}

TEST_F(BodyAttitude, RecordedAxesAreTheStartAfterTheMainParachuteFires) {
    AttitudeInputs in = inputs(Vec3(20, -100, -10), AttitudeKind::Rigid, 0.0);
    in.seatTimeS = 0.9;  // before the main parachute
    SeatAxes before = alignBodyToVelocity(model, snapshot, 6, 6, seat, in, state);
    EXPECT_FLOAT_EQ(state.recorded.forward.x, before.forward.x);
    EXPECT_FLOAT_EQ(state.recorded.up.y, before.up.y);

    // After it fires the recorded axes are kept and the routine starts from them.
    in.seatTimeS = 1.5;
    SeatAxes fromRecorded = alignBodyToVelocity(model, snapshot, 6, 6, SeatAxes(), in, state);
    EXPECT_FLOAT_EQ(state.recorded.forward.x, before.forward.x);
    BodyAttitudeState fresh;
    SeatAxes fromSeat = alignBodyToVelocity(model, snapshot, 6, 6, SeatAxes(), in, fresh);
    EXPECT_NE(fromRecorded.up.y, fromSeat.up.y);

    // Mode 1 never records, nor does a run that is not playing.
    BodyAttitudeState untouched;
    in.seatTimeS = 0.9;
    in.mode = 1;
    alignBodyToVelocity(model, snapshot, 6, 6, seat, in, untouched);
    in.mode = 2;
    in.playing = false;
    alignBodyToVelocity(model, snapshot, 6, 6, seat, in, untouched);
    EXPECT_FLOAT_EQ(untouched.recorded.forward.y, -1.0f);
}

TEST_F(BodyAttitude, SwingLatchTakesTheFirstDeviationOfARun) {
    EXPECT_TRUE(state.latchArmed);
    alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(Vec3(0, -100, -50), AttitudeKind::Swinging, 0.5), state);
    EXPECT_FALSE(state.latchArmed);
    float first = state.latchedDeviation;
    alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(Vec3(0, 100, -50), AttitudeKind::Swinging, 0.5), state);
    EXPECT_FLOAT_EQ(state.latchedDeviation, first);
    armSwingLatch(state);
    alignBodyToVelocity(model, snapshot, 6, 6, seat, inputs(Vec3(0, 100, -50), AttitudeKind::Swinging, 0.5), state);
    EXPECT_NE(state.latchedDeviation, first);
}

TEST(SwingAndWobble, Amplitudes) {
    EXPECT_FLOAT_EQ(swingAmplitude(0.0, 40.0f, 211.42f), 0.0f);
    EXPECT_FLOAT_EQ(swingAmplitude(0.16, 40.0f, 211.42f), 0.0f);
    EXPECT_NEAR(swingAmplitude(1.16, 40.0f, 211.42f), std::pow(40.0, 1.4) * 137.5 / (211.42 * 0.75), 1e-2);
    EXPECT_FLOAT_EQ(swingAmplitude(1.0, 40.0f, 0.0f), 0.0f);  // no mass, no division

    EXPECT_FLOAT_EQ(rollWobbleDeg(0.0), 0.0f);
    EXPECT_NEAR(rollWobbleDeg(0.36), 2.0f, 1e-5f);   // a quarter of the 1.44 s period
    EXPECT_NEAR(rollWobbleDeg(1.08), -2.0f, 1e-5f);
    EXPECT_NEAR(rollWobbleDeg(1.44 + 0.2), rollWobbleDeg(0.2), 1e-5f);
}
