// Parachute canopies: the main and drogue models and the main canopy's
// gradual inflation during deployment.
#pragma once

#include <cstdint>

struct SimParams;

struct ParachuteModel {
    float sizeHint = 0.0f;      // second size figure of the model; not used by the simulation
    float diameterM = 0.0f;
    float cd = 0.0f;
    float areaM2 = 0.0f;        // fully open area
    float fullLength = 0.0f;    // distance the pilot travels after the delay until fully open
    float inflation = 0.0f;     // distance accumulated so far
    float reefLength = 0.0f;    // cap on inflation while the pilot is at 115 kt or faster
    bool fullyOpen = false;
    float fullyOpenTime = 0.0f; // time since the tractor rocket fired
};

// Main-canopy radius per step of deployment, for display.
constexpr int kRadiusRecordCapacity = 10000;
struct MainRadiusRecord {
    float radius[kRadiusRecordCapacity] = {};
    int32_t count = 0;
};

// Builds the two models with their full-inflation and reefed lengths.
void buildParachuteModels(const SimParams& params, ParachuteModel& main, ParachuteModel& drogue);

// Copies diameter and Cd from the parameters and recomputes the open area.
void refreshParachuteModel(ParachuteModel& model, float diameterM, float cd);

// Clears the main canopy's inflation state and the radius record (scene reset).
void resetMainInflation(ParachuteModel& main, MainRadiusRecord& radii);

// Inflation delay (s) after the tractor rocket fires, from the fighter's speed.
float inflationDelayS(double fighterSpeedKt);

struct ChuteAreaCd {
    double areaM2;
    double cd;
};

// One step of deployment at tau seconds after the tractor rocket fired.
ChuteAreaCd mainChuteInflation(ParachuteModel& main, MainRadiusRecord& radii, double tau,
                               double stepDistance, double pilotSpeedKt, double fighterSpeedKt);
