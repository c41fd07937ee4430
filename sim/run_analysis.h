// What a computed run means for the pilot: the spinal load (Dynamic Response
// Index), the peak drag, the height gained, when and how high the main
// parachute is fully open, the touchdown, and two verdicts, with room for
// the injury figures of each phase (sim/injury_analysis.h). Computed from
// the stored run after the trigger; the run itself is left as it is.
#pragma once

#include <cstdint>

#include "sim/descent.h"
#include "sim/injury_analysis.h"
#include "sim/trajectory.h"

struct Simulation;

struct Touchdown {
    bool reached = false;
    double timeS = 0.0;              // seat time
    double verticalSpeedMs = 0.0;    // downward
    double horizontalSpeedMs = 0.0;
    double position[3] = {0, 0, 0};  // relative to the fighter's start
};

struct RunAnalysis {
    double dri = 0.0;
    double driTimeS = 0.0;
    double peakDragG = 0.0;
    double peakDragTimeS = 0.0;
    double heightGainedM = 0.0;      // above the seat's start
    bool fullyOpen = false;
    double fullyOpenTimeS = 0.0;     // seat time
    double fullyOpenHeightM = 0.0;   // package altitude above the ground
    Touchdown touchdown;
    // The main parachute fully open before ground contact, the criterion of
    // escape-system envelopes.
    bool chuteOpenBeforeTouchdown = false;
    // A DRI above the ejection-seat standard's limit.
    bool spinalRiskRaised = false;
    // Seat time the stored run reaches, and whether it stopped there only
    // because its length ran out (the 7 s quick run) before the package
    // landed or its window ended. What comes after is then unknown: no
    // touchdown is reported, and chuteOpenBeforeTouchdown is decided only
    // when the canopy opened or the package landed inside the run.
    double coveredS = 0.0;
    bool cutShort = false;
    bool chuteVerdictKnown = true;
    // The per-frame descent, carried to the ground on this copy so the
    // played run's own descent is untouched.
    DescentState descent;
    // Filled by analyseInjuries, which needs the figures above.
    InjuryFigures injury;
};

// The spine's input and response per millisecond sample, for the CSV and
// the plots: index i holds the values at t = i * dt (index 0: sitting).
struct SpinalSeries {
    float inputG[kTrajectorySamples];
    float responseG[kTrajectorySamples];
    int32_t count;                   // samples 0 .. count - 1 are set
};

// Each millisecond sample is followed in this many exact steps.
constexpr int kSpineSubsteps = 4;

// The descent is carried to the ground for at most this long.
constexpr double kTouchdownSearchS = 3600.0;

// When the main parachute is fully open, in seat time; false when it never
// opens in the run.
bool fullOpeningOf(const Simulation& sim, double& seatTimeS);

// The touchdown: the run's own landing, or the per-frame descent carried to
// the ground on `descent` (not the played run's own descent record).
Touchdown touchdownOf(const Simulation& sim, DescentState& descent);

// Analyses the run stored in sim; series (may be null) receives the spine's
// input and response.
void analyseRun(const Simulation& sim, RunAnalysis& out, SpinalSeries* series, int substeps = kSpineSubsteps);

// Specific force (m/s^2) along the seat's up axis at sample i: what an
// accelerometer in the seat pan reads during the step from i to i + 1.
double spinalInput(const Simulation& sim, long i);
