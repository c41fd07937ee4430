// The moments of an ejection sequence that happened inside the stored run, in
// seat time: the catapult's end, the rocket's fire, the drogue's fire, the
// main parachute's fire, the seat falling away and the main fully open.
#pragma once

struct Simulation;

enum RunEventKind {
    kRunCatapultEnd,
    kRunRocketFire,
    kRunDrogueFire,
    kRunMainFire,
    kRunSeparation,
    kRunFullOpening,
    kRunEventCount
};

struct RunEvents {
    bool happened[kRunEventCount];
    double timeS[kRunEventCount];
};

// fullyOpen and fullyOpenTimeS are the main parachute's full opening
// (fullOpeningOf, sim/run_analysis.h); coveredS is the seat time the stored
// run reaches. Times left over from an earlier run never count.
RunEvents runEvents(const Simulation& sim, bool fullyOpen, double fullyOpenTimeS, double coveredS);
