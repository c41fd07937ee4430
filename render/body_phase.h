// Which bodies a playing ejection shows at seat time t and how the seat and
// pilot are posed: the phase table of the run, separate for mode 1 and for
// modes 2 to 5. GL-free.
#pragma once

#include <cstdint>

// The event times the table reads (seconds of seat time).
struct PhaseTimes {
    double catapultEndS = 0.0;        // catapultPhaseTimeS
    double tRocketFire = 0.0;
    double rocketBurnS = 0.0;
    double tDrogueFire = 0.0;
    double tDrogueRelease = 0.0;
    double tMainFire = 999.0;
    double tSeatManSeparation = 9999.0;
    int32_t mode = 1;
};

enum class SeatPose {
    InFighter,      // as the fighter's attitude left them (catapult stroke)
    RocketPitched,  // mode 1 rocket burn: pitched about their own pivots
    AlignedRigid,   // along the flight path, held rigid (rocket phase, modes 2 to 5)
    AlignedSwinging // along the flight path, swinging under the chute
};

struct BodyPhase {
    SeatPose pose = SeatPose::InFighter;
    bool pilotShadow = false;
    bool seatDrawn = true;
    bool seatShadow = false;
    // After separation the seat may fly on its own (once far enough apart).
    bool seatMayLeave = false;
    bool plume = false;
    bool drogue = false;
    bool pack = false;
    bool mainChute = false;
    // After the computed window: the pilot hangs along the descent velocity
    // and the main canopy at its nominal line length.
    bool steadyDescent = false;
    // The window in which the part snapshot is taken once: modes 2 to 5,
    // after the catapult stroke (up to and through the rocket phase); mode 1,
    // after the rocket burn (the body as the rocket pitched it). Then, modes
    // 2 to 5, the window in which it is taken once more after the main
    // parachute fired.
    bool afterCatapultSnapshot = false;
    bool afterMainFireSnapshot = false;
};

BodyPhase bodyPhaseAt(double t, const PhaseTimes& times);
