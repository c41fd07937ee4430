#include "render/body_phase.h"

namespace {

// The rows where the main parachute is out: the pack for its first 5 s, the
// canopy after a short delay, the seat riding along until it separates.
void mainRows(double t, const PhaseTimes& p, double canopyDelayS, BodyPhase& b) {
    b.pose = SeatPose::AlignedSwinging;
    b.pilotShadow = true;
    b.seatShadow = true;
    b.seatMayLeave = t > p.tSeatManSeparation;
    double sinceMain = t - p.tMainFire;
    b.pack = sinceMain > 0.0 && sinceMain < 5.0;
    b.mainChute = sinceMain > canopyDelayS;
}

}  // namespace

BodyPhase bodyPhaseAt(double t, const PhaseTimes& p) {
    BodyPhase b;
    const double rocketEnd = p.tRocketFire + p.rocketBurnS;
    const double windowEnd = p.tMainFire + 10.0;
    b.plume = p.tRocketFire < t && t <= rocketEnd;

    if (t > windowEnd) {
        // The computed window is over: the pilot under the open canopy. In
        // mode 1 the seat keeps its row (it has left the pilot by now);
        // pilot and canopy are drawn once, here.
        b.steadyDescent = true;
        b.pose = SeatPose::AlignedSwinging;
        b.pilotShadow = true;
        b.mainChute = true;
        b.seatDrawn = p.mode == 1;
        b.seatShadow = b.seatDrawn;
        b.seatMayLeave = b.seatDrawn && t > p.tSeatManSeparation;
        b.drogue = false;
        return b;
    }

    if (p.mode == 1) {
        // Where the rocket row and the parachute row overlap (a burn that
        // outlasts the parachute's fire), the parachute row poses the pilot.
        if (t > rocketEnd || (p.tMainFire < t && t <= windowEnd)) {
            mainRows(t, p, 0.0, b);
            // The body is turned from here on starting from the seat axes,
            // which carry the rocket's pitch: the snapshot is refreshed once
            // so that it carries the same pitch.
            b.afterCatapultSnapshot = true;
        } else if (p.tRocketFire < t) {
            b.pose = SeatPose::RocketPitched;
        }
        return b;
    }

    b.drogue = p.tDrogueFire < t && t < p.tDrogueRelease + 1.0;
    if (p.tMainFire < t) {
        mainRows(t, p, 0.25, b);
        b.afterMainFireSnapshot = true;
    } else if (p.tRocketFire < t) {
        b.pose = SeatPose::AlignedRigid;
        b.pilotShadow = true;
        b.seatShadow = true;
        b.afterCatapultSnapshot = true;
    } else if (p.catapultEndS < t) {
        b.afterCatapultSnapshot = true;
    }
    return b;
}
