// The seat's sequencer: operating-mode sensing shortly after the catapult
// stroke, the event times each mode sets, the mode-5 fall-through, the drag
// configuration (phase) of each step and the seat/man separation counter.
#pragma once

#include <cstdint>

#include "sim/sim_records.h"
#include "sim/units.h"

// Per-run sequencer flags.
struct SequencerRun {
    bool modeSensed = false;
    bool mode5Resensed = false;
    bool seatSeparated = false;
    float separationCounterS = 0.0f;
};

enum DragPhase : uint8_t {
    kPhaseRails = 0,
    kPhaseSeatMan = 1,
    kPhaseDrogue = 2,
    kPhaseAfterDrogue = 3,
    kPhaseMainChute = 4,
    kPhaseUnsensed = 5,
};

// The mode for a sensed KEAS and altitude in feet (boundaries as the ABOUT
// page's table: 350 and 500 KEAS inclusive below, 8000 and 18000 ft inclusive).
int32_t selectMode(double keas, double altitudeFt);

// True when the sensing window is open at time t for this run.
inline bool inSensingWindow(double t, float Tc, const SequencerRun& run) {
    return !run.modeSensed && (double)Tc + 0.065 <= t && t <= (double)Tc + 0.125;
}

// Senses the mode at speed (m/s) and altitude (ft) and sets the mode's times.
void senseMode(double speedMs, double altitudeFt, float catapultPhaseTimeS, float rocketBurnTimeS,
               SequencerTimes& times, SequencerRun& run);

// Sets the mode's times for an already chosen mode (also applies the long-burn rule).
void setModeTimes(int32_t mode, float catapultPhaseTimeS, float rocketBurnTimeS, SequencerTimes& times);

// Sets the main parachute to the next instant of the 4.8 s cycle after t.
void scheduleMode5Fall(double t, SequencerTimes& times, SequencerRun& run);

// The checks below run at every millisecond of the seat's path; they are
// inline so the step loop pays no calls for them.

// Mode-5 fall-through below 18000 ft at time t: schedules the main parachute
// at the next instant of the 4.8 s cycle. True when it fired this step.
inline bool resenseMode5(double t, double altitudeFt, SequencerTimes& s, SequencerRun& run) {
    // Only a mode 5 sensed in this run waits for the fall-through; a mode left
    // over from the previous run does not count.
    if (s.seqMode != 5 || !run.modeSensed || run.mode5Resensed || !(altitudeFt < 18000.0)) return false;
    scheduleMode5Fall(t, s, run);
    return true;
}

// True while the drogue acts: after its inflation time, before its release.
inline bool drogueActive(double t, const SequencerTimes& s) {
    return s.tDrogueFire + 0.2 < t && t < s.tDrogueRelease;
}

// Drag configuration of the package at time t.
inline DragPhase dragPhase(double t, float catapultPhaseTimeS, const SequencerTimes& s, const SequencerRun& run) {
    // On the rails nothing else applies, whatever times an earlier run left.
    if (!(t > (double)catapultPhaseTimeS)) return kPhaseRails;
    DragPhase phase = kPhaseRails;
    if (t <= s.tDrogueFire + 0.2) phase = kPhaseSeatMan;
    if (drogueActive(t, s)) phase = kPhaseDrogue;
    if (t > s.tDrogueRelease) phase = kPhaseAfterDrogue;
    if (t > s.tMainFire) phase = kPhaseMainChute;
    if (!run.modeSensed) phase = kPhaseUnsensed;
    return phase;
}

// The package's reference figures, fixed for a run.
struct PackageDragFigures {
    double seatManAreaM2;
    double seatManCd;
    double drogueCd;
    double drogueSetAreaM2;   // seat/man area scaled to the drogue's Cd, plus the drogue's area
};

// From the parameters: the drogue's area is pi (d / 2)^2.
inline PackageDragFigures packageDragFigures(const SimParams& p, const SimConstants& c) {
    const double drogueArea = kPi * (p.drogueDiameterM / 2.0) * (p.drogueDiameterM / 2.0);
    return PackageDragFigures{c.seatManAreaM2, p.seatManCd, p.drogueCd,
                              c.seatManAreaM2 / ((double)p.seatManCd / p.drogueCd) + drogueArea};
}

struct PhaseDrag {
    double areaM2;
    double cd;
};

// Reference area and drag coefficient of a phase. The main canopy's figures
// (phase 4) come from its inflation; its Cd is raised to the seat/man's while
// lower, and the drogue, while it still acts, adds its figures.
inline PhaseDrag phaseDrag(DragPhase phase, const PackageDragFigures& k, double mainAreaM2, double mainCd,
                           bool drogueActs) {
    switch (phase) {
        case kPhaseSeatMan:
        case kPhaseAfterDrogue:
        case kPhaseUnsensed:
            return PhaseDrag{k.seatManAreaM2, k.seatManCd};
        case kPhaseDrogue:
            return PhaseDrag{k.drogueSetAreaM2, k.drogueCd};
        case kPhaseMainChute:
            if (drogueActs) return PhaseDrag{k.drogueSetAreaM2 + mainAreaM2, k.drogueCd};
            return PhaseDrag{mainAreaM2, mainCd < k.seatManCd ? k.seatManCd : mainCd};
        case kPhaseRails:
            break;
    }
    return PhaseDrag{0.0, 0.0};
}

// Adds to the separation counter and separates the seat when it has run
// long enough; true on the step of separation.
inline bool updateSeparation(double t, double dragAccel, SequencerTimes& s, SequencerRun& run) {
    if (t > s.tSeparationEnable && dragAccel / kGravity > 0.88 && t > 0.64) run.separationCounterS += 0.001f;
    if (run.separationCounterS > 0.25f && !run.seatSeparated) {
        run.seatSeparated = true;
        s.tSeatManSeparation = t;
        return true;
    }
    return false;
}
