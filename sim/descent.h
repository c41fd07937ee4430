// The pilot's descent under the fully open main canopy after the computed
// window, stepped from the frame code.
#pragma once

#include <cstdint>

struct SimParams;
struct ParachuteModel;

constexpr int kDescentBufferSteps = 1000;

// The descent is held in single precision: every step reads the state back
// from these 32-bit fields.
struct DescentState {
    bool active = false;        // handed over from the computed run
    float p[3] = {0, 0, 0};     // relative to the fighter's start
    float v[3] = {0, 0, 0};
    float a[3] = {0, 0, 0};     // drag, whole m/s^2
    double seatTimeS = 0.0;     // seat time the state belongs to
    bool landed = false;
    float landingP[3] = {0, 0, 0};
    float landingFlightTimeS = 0.0f;
    // Altitude of every step of the latest batch, for the drawing code.
    float batchAltitude[kDescentBufferSteps] = {};
    int32_t batchCount = 0;
};

struct DescentEnvironment {
    double fighterAltitudeM;
    double mountingHeightM;
    double flightTimeS;         // flight clock of this frame, for the landing time
};

void resetDescent(DescentState& descent);

// Hands the end of the computed window over to the descent.
void beginDescent(DescentState& descent, const double p[3], const double v[3], const double a[3], double seatTimeS);

// Advances elapsedSeconds (rounded to whole milliseconds) in batches of at
// most kDescentBufferSteps; a very long frame is capped at 600 s of descent.
// Returns the number of steps taken.
long stepDescent(DescentState& descent, double elapsedSeconds, const SimParams& params,
                 const ParachuteModel& main, const DescentEnvironment& env);

// The descent one millisecond at a time until it lands, at most maxSteps:
// what as many one-step frames give, without the frames. Step n has the
// flight time start.flightTimeS + n ms. Returns the steps taken, the landing
// step included.
long descendToGround(DescentState& descent, long maxSteps, const SimParams& params, const ParachuteModel& main,
                     const DescentEnvironment& start);
