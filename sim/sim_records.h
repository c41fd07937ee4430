// The simulation's parameter and state records: every tunable parameter, the
// fixed constants, the fighter's flight condition, the derived display values
// and the sequencer's event times.
#pragma once

#include <cstdint>

struct SimParams {
    float cgOffsetZ = 0.0f;
    float seatBackAngleDeg = 0.0f;
    float catapultOnsetRate = 0.0f;     // g/s
    float rocketOnsetRate = 0.0f;       // g/s
    float sinkRateFtS = 0.0f;
    float catapultThrustLb = 0.0f;
    float rocketThrustLb = 0.0f;
    float canopyRocketThrustLb = 0.0f;
    float seatMassKg = 0.0f;
    float pilotMassKg = 0.0f;
    float gearMassKg = 0.0f;
    float canopyMassKg = 0.0f;
    float mainChuteCd = 0.0f;
    float drogueCd = 0.0f;
    float seatManCd = 0.0f;
    float mainChuteDiameterM = 0.0f;
    float drogueDiameterM = 0.0f;
    float rocketBurnTimeS = 0.0f;
    float canopyRocketBurnTimeS = 0.0f;
    double countdownS = 0.0;
    float playSpeedDivisor = 1.0f;
    float initialTasKt = 0.0f;
    float canopyMaxPitchDeg = 0.0f;
    double canopyDelayS = 0.0;
    bool applyGOnFighter = false;

    // Seat + pilot + gear, refreshed by the catapult derivation and by HOME.
    float totalMassKg = 0.0f;
};

// Fixed constants of the seat and the parachute pack. catapultStrokeM is the
// one HOME also resets.
struct SimConstants {
    double dt = 0.001;
    double catapultStrokeM = 0.99;
    double rocketCantDeg = -22.0;
    double seatManAreaM2 = 0.755;
    double packRocketThrustLb = 220.0;
    double packRocketBurnS = 0.3;
    double packMassKg = 1.0;
    double packAreaM2 = 0.25;
    double packCd = 0.5;
    double lineLengthM = 8.0;
};

struct FighterAttitude {
    float headingDeg = 0.0f;
    float pitchDeg = 0.0f;
    float rollDeg = 0.0f;
};

struct FighterPosition {
    double x = 0.0, y = 0.0, altitude = 5.0;
};

struct SimDerived {
    float catapultG = 0.0f;
    float gravityG = 0.0f;
    float rocketG = 0.0f;
    float catapultPhaseTimeS = 0.0f;
    float catapultEndSpeedFtS = 0.0f;
    float maxDragG = 0.0f;
    float maxDragTimeS = 0.0f;
};

// "Never" value of an event time that has not happened in the current run.
constexpr double kEventNeverS = 9999.0;

struct SequencerTimes {
    double tRocketFire = 0.0;
    double tDrogueFire = 0.0;
    double tMainFire = 999.0;
    double tDrogueRelease = 0.0;
    double tSeparationEnable = 0.0;
    double tSeatManSeparation = kEventNeverS;
    double tLineStretch = kEventNeverS;
    int32_t seqMode = 1;
};

// Start-up values of the parameters and constants.
void setDefaultParams(SimParams& params, SimConstants& constants,
                      FighterAttitude& attitude, FighterPosition& position);

// The parameter part of the zero-zero reset (HOME column, attitude 360,
// fighter at the origin on the ground).
void applyZeroZeroParams(SimParams& params, SimConstants& constants,
                         FighterAttitude& attitude, FighterPosition& position);

// Angles into (0, 360], a negative altitude to 0, the seat-back angle into
// [0, 360). The model re-pose this also triggers belongs to the caller.
void normalizeAttitude(FighterAttitude& attitude, FighterPosition& position, SimParams& params);

// Seat + pilot + gear, summed in single precision.
inline float totalMass(const SimParams& p) { return p.seatMassKg + p.pilotMassKg + p.gearMassKg; }

// Lower bound of the catapult-thrust spinner: the total mass in lb.
inline float catapultThrustMinLb(const SimParams& p) { return (float)(p.totalMassKg * 2.20462); }
