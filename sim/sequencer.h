// The seat's sequencer: operating-mode sensing shortly after the catapult
// stroke, the event times each mode sets, the mode-5 fall-through, the drag
// configuration (phase) of each step and the seat/man separation counter.
#pragma once

#include <cstdint>

#include "sim/sim_records.h"

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
bool inSensingWindow(double t, float catapultPhaseTimeS, const SequencerRun& run);

// Senses the mode at speed (m/s) and altitude (ft) and sets the mode's times.
void senseMode(double speedMs, double altitudeFt, float catapultPhaseTimeS, float rocketBurnTimeS,
               SequencerTimes& times, SequencerRun& run);

// Sets the mode's times for an already chosen mode (also applies the long-burn rule).
void setModeTimes(int32_t mode, float catapultPhaseTimeS, float rocketBurnTimeS, SequencerTimes& times);

// Mode-5 fall-through below 18000 ft at time t: schedules the main parachute
// at the next instant of the 4.8 s cycle. True when it fired this step.
bool resenseMode5(double t, double altitudeFt, SequencerTimes& times, SequencerRun& run);

// Drag configuration of the package at time t.
DragPhase dragPhase(double t, float catapultPhaseTimeS, const SequencerTimes& times, const SequencerRun& run);

// True while the drogue acts: after its inflation time, before its release.
bool drogueActive(double t, const SequencerTimes& times);

// Adds to the separation counter and separates the seat when it has run
// long enough; true on the step of separation.
bool updateSeparation(double t, double dragAccel, SequencerTimes& times, SequencerRun& run);
