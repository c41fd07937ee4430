// What each phase of a stored run does to the pilot: the dynamic response on
// all three seat axes with its beta at three risk levels, the peak g of the
// catapult and the rocket, the windblast when he leaves the cockpit and its
// largest, and the main parachute's opening shock. Worked out from the
// stored run by the analysis (the tool, the GRAPH page), never per frame.
// Injury figures take g = 9.80665 m/s^2, as the response model does.
#pragma once

#include <cstdint>

#include "sim/dynamic_response.h"
#include "sim/seat_frame.h"
#include "sim/trajectory.h"

struct Simulation;
struct RunAnalysis;

// The phases that load the pilot, in the order of the sequence.
enum InjuryPhase : uint8_t {
    kInjuryCatapult,       // on the rails, and ringing till the rocket fires
    kInjuryRocket,         // the burn
    kInjuryWindblast,      // free flight in the air stream, the drogue included
    kInjuryOpeningShock,   // the main parachute opening
    kInjuryPhaseCount,
};
extern const char* const kInjuryPhaseNames[kInjuryPhaseCount];  // "catapult", ...

// Equivalent airspeeds of the windblast marks: above the first neck and
// flail injuries become likely, the second is the usual limit of rocket
// seats.
constexpr double kFlailRiskKeas = 450.0;
constexpr double kRocketSeatLimitKeas = 600.0;

// Touchdown descent rates of military round canopies (m/s): the older
// 10-m class and the newer one.
constexpr double kOlderCanopySinkMs[2] = {6.7, 7.3};
constexpr double kNewerCanopySinkMs[2] = {5.5, 5.8};

struct PhasePeak {
    bool present = false;   // the phase happened inside the run
    double g = 0.0;
    double timeS = 0.0;
};

struct WindblastFigures {
    bool present = false;   // the seat left the rails inside the run
    double exposureKpa = 0.0, exposureKeas = 0.0, exposureTimeS = 0.0;   // leaving the cockpit
    double peakKpa = 0.0, peakKeas = 0.0, peakTimeS = 0.0;               // from then to separation
};

struct InjuryFigures {
    bool computed = false;      // the run has samples to analyse
    // Over the seat/man phase, trigger to separation (or the run's end).
    ResponsePeaks response;
    double responseEndS = 0.0;
    // The phase that sets each beta: the models are linear, so the response
    // that leads beta at its peak is the sum of the responses to each
    // phase's part of the input; the phase with the largest share sets it.
    InjuryPhase betaPhase[kRiskLevelCount] = {};
    // Largest specific force (all axes) on the rails, and of the rocket's
    // push (the drag apart) during the burn.
    PhasePeak catapult, rocket;
    WindblastFigures windblast;
    // The main parachute's largest force during its inflation, in g of the
    // pilot's own mass with his gear.
    PhasePeak openingShock;
};

// The response's input and output per millisecond sample over the seat/man
// phase, for the CSV and the plots: index i at t = i * dt (0: sitting).
struct ResponseSeries {
    float inputG[kSeatAxisCount][kTrajectorySamples];
    float plus[kSeatAxisCount][kTrajectorySamples];
    float minus[kSeatAxisCount][kTrajectorySamples];
    float betaLow[kTrajectorySamples];
    int32_t count;              // samples 0 .. count - 1 are set
};

// The seat pan's input at sample i (as seatPanInput gives it) cut into the
// phases its forces belong to: the drag to the windblast before the main
// parachute fires and to the opening shock after, the rest (the push of the
// rails, the thrust) to the catapult on the rails and to the rocket during
// its burn. The parts add up to the input.
void splitSeatPanInput(const Simulation& sim, const SeatFrameOverRun& frame, long i, const double input[3],
                       double parts[kInjuryPhaseCount][3]);

// Fills analysis.injury from the run stored in sim, after analyseRun filled
// the rest of analysis; series (may be null) receives the response.
void analyseInjuries(const Simulation& sim, RunAnalysis& analysis, ResponseSeries* series);
