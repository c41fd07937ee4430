// Which bodies a playing run shows, at the boundary times of its phase table.
#include <gtest/gtest.h>

#include "render/body_phase.h"

namespace {

// Times of a default zero-zero run (mode 1) and of a 450 kt run (mode 2).
PhaseTimes mode1() {
    PhaseTimes p;
    p.catapultEndS = 0.18;
    p.tRocketFire = 0.20;
    p.rocketBurnS = 0.25;
    p.tDrogueFire = 0.22;
    p.tDrogueRelease = 0.32;
    p.tMainFire = 0.45;
    p.tSeatManSeparation = 1.3;
    p.mode = 1;
    return p;
}

PhaseTimes mode2() {
    PhaseTimes p = mode1();
    p.tDrogueRelease = 1.25;
    p.tMainFire = 1.10;
    p.tSeatManSeparation = 1.9;
    p.mode = 2;
    return p;
}

}  // namespace

TEST(BodyPhase, ModeOneRows) {
    const PhaseTimes p = mode1();
    BodyPhase b = bodyPhaseAt(0.18, p);  // last moment on the rails
    EXPECT_EQ(b.pose, SeatPose::InFighter);
    EXPECT_FALSE(b.pilotShadow || b.plume || b.mainChute || b.drogue);
    EXPECT_EQ(bodyPhaseAt(0.20, p).pose, SeatPose::InFighter);
    b = bodyPhaseAt(0.2001, p);  // the rocket burns
    EXPECT_EQ(b.pose, SeatPose::RocketPitched);
    EXPECT_TRUE(b.plume);
    EXPECT_FALSE(b.pilotShadow);
    b = bodyPhaseAt(0.45, p);  // burn over, parachute not yet fired
    EXPECT_TRUE(b.plume);
    b = bodyPhaseAt(0.4501, p);
    EXPECT_EQ(b.pose, SeatPose::AlignedSwinging);
    EXPECT_FALSE(b.plume);
    EXPECT_TRUE(b.pilotShadow && b.seatDrawn && b.pack && b.mainChute);
    EXPECT_FALSE(b.seatMayLeave);
    EXPECT_TRUE(bodyPhaseAt(1.31, p).seatMayLeave);
    EXPECT_FALSE(bodyPhaseAt(5.45, p).pack);
    // Never a drogue in mode 1; the snapshot is taken after the burn only.
    for (double t : {0.1, 0.25, 0.3, 0.5, 2.0, 11.0}) {
        EXPECT_FALSE(bodyPhaseAt(t, p).drogue) << t;
        EXPECT_EQ(bodyPhaseAt(t, p).afterCatapultSnapshot, t > 0.45 && t <= 10.45) << t;
    }
    // After the computed window: one pilot and one canopy, the seat on its own.
    b = bodyPhaseAt(10.4501, p);
    EXPECT_TRUE(b.steadyDescent && b.mainChute && b.seatDrawn && b.seatMayLeave);
}

TEST(BodyPhase, ModeOneLongBurnOutlastingTheParachute) {
    PhaseTimes p = mode1();
    p.rocketBurnS = 0.4;  // burns until 0.60, the parachute fires at 0.45
    BodyPhase b = bodyPhaseAt(0.5, p);
    EXPECT_EQ(b.pose, SeatPose::AlignedSwinging);
    EXPECT_TRUE(b.plume && b.mainChute);
}

TEST(BodyPhase, ModeTwoRows) {
    const PhaseTimes p = mode2();
    EXPECT_FALSE(bodyPhaseAt(0.18, p).afterCatapultSnapshot);
    BodyPhase b = bodyPhaseAt(0.19, p);  // after the stroke, before the rocket
    EXPECT_EQ(b.pose, SeatPose::InFighter);
    EXPECT_TRUE(b.afterCatapultSnapshot);
    b = bodyPhaseAt(0.21, p);
    EXPECT_EQ(b.pose, SeatPose::AlignedRigid);
    EXPECT_TRUE(b.plume && b.pilotShadow && b.seatShadow && b.afterCatapultSnapshot);
    EXPECT_FALSE(bodyPhaseAt(0.46, p).plume);  // burn over, still rigid
    EXPECT_EQ(bodyPhaseAt(1.10, p).pose, SeatPose::AlignedRigid);
    // The drogue from its fire to a second after its release.
    EXPECT_FALSE(bodyPhaseAt(0.22, p).drogue);
    EXPECT_TRUE(bodyPhaseAt(0.2201, p).drogue);
    EXPECT_TRUE(bodyPhaseAt(2.2499, p).drogue);
    EXPECT_FALSE(bodyPhaseAt(2.25, p).drogue);
    // Parachute fired: swinging; the canopy only after a quarter second.
    b = bodyPhaseAt(1.1001, p);
    EXPECT_EQ(b.pose, SeatPose::AlignedSwinging);
    EXPECT_TRUE(b.pack && b.afterMainFireSnapshot);
    EXPECT_FALSE(b.mainChute);
    EXPECT_FALSE(bodyPhaseAt(1.35, p).mainChute);
    EXPECT_TRUE(bodyPhaseAt(1.3501, p).mainChute);
    // After the window the seat is gone in modes 2 to 5.
    b = bodyPhaseAt(11.1001, p);
    EXPECT_TRUE(b.steadyDescent && b.mainChute);
    EXPECT_FALSE(b.seatDrawn || b.drogue);
}
