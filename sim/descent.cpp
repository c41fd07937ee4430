#include "sim/descent.h"

#include <cmath>

#include "sim/parachute.h"
#include "sim/seat_dynamics.h"
#include "sim/sim_records.h"

namespace {
constexpr double kStepS = 0.001;
constexpr long kMaxStepsPerCall = 600000;

// One millisecond of the descent; returns the altitude it reached.
inline double descentStep(DescentState& d, double mass, const SimParams& params, const ParachuteModel& main,
                          const DescentEnvironment& env) {
    for (int k = 0; k < 3; ++k) {
        bool vertical = (k == 2);
        integrateAxis(0.0, std::fabs(d.a[k]), kStepS, vertical ? kGravityStepV(kStepS) : 0.0,
                      vertical ? kGravityStepP(kStepS) : 0.0, d.v[k], d.p[k]);
    }
    double altitude = env.fighterAltitudeM + env.mountingHeightM + (double)d.p[2];
    if (!d.landed && altitude <= 0.0) {
        d.landed = true;
        d.landingP[0] = d.p[0];
        d.landingP[1] = d.p[1];
        d.landingP[2] = d.p[2];
        d.landingFlightTimeS = (float)env.flightTimeS;
    }
    if (d.landed) {
        double drift = 0.1 * (env.flightTimeS - d.landingFlightTimeS);
        d.v[0] = (float)(d.v[0] + drift);
        d.v[1] = (float)(d.v[1] + drift);
    }
    const double v[3] = {d.v[0], d.v[1], d.v[2]};
    double speed = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    double D = dragAcceleration(params.mainChuteCd, speed, mass, main.areaM2, altitude);
    const double sign[3] = {dragSign(v[0]), dragSign(v[1]), dragSign(v[2])};
    double drag[3];
    truncatedDragVector(D, v, speed, sign, drag);
    for (int k = 0; k < 3; ++k) d.a[k] = (float)drag[k];
    return altitude;
}

double descentMass(const SimParams& params) { return (double)params.pilotMassKg + params.gearMassKg; }

void descentBatch(DescentState& d, long steps, const SimParams& params, const ParachuteModel& main,
                  const DescentEnvironment& env) {
    const double mass = descentMass(params);
    d.batchCount = 0;
    for (long n = 0; n < steps && n < kDescentBufferSteps; ++n)
        d.batchAltitude[d.batchCount++] = (float)descentStep(d, mass, params, main, env);
}

}  // namespace

void resetDescent(DescentState& d) {
    d.active = false;
    d.landed = false;
    d.batchCount = 0;
    d.seatTimeS = 0.0;
    for (int k = 0; k < 3; ++k) d.p[k] = d.v[k] = d.a[k] = d.landingP[k] = 0.0f;
    d.landingFlightTimeS = 0.0f;
}

void beginDescent(DescentState& d, const double p[3], const double v[3], const double a[3], double seatTimeS) {
    resetDescent(d);
    for (int k = 0; k < 3; ++k) {
        d.p[k] = (float)p[k];
        d.v[k] = (float)v[k];
        d.a[k] = (float)a[k];
    }
    d.seatTimeS = seatTimeS;
    d.active = true;
}

long stepDescent(DescentState& d, double elapsedSeconds, const SimParams& params, const ParachuteModel& main,
                 const DescentEnvironment& env) {
    if (!d.active || !(elapsedSeconds > 0.0)) return 0;
    // Whole milliseconds, rounded: the seat clock advances in whole ms, and
    // truncating its difference would lose a step to rounding now and then.
    double wanted = std::floor(elapsedSeconds * 1000.0 + 0.5);
    long steps = wanted > (double)kMaxStepsPerCall ? kMaxStepsPerCall : (long)wanted;
    long done = 0;
    while (done < steps) {
        long batch = steps - done;
        if (batch > kDescentBufferSteps) batch = kDescentBufferSteps;
        descentBatch(d, batch, params, main, env);
        done += batch;
    }
    d.seatTimeS += done * kStepS;
    return done;
}

long descendToGround(DescentState& d, long maxSteps, const SimParams& params, const ParachuteModel& main,
                     const DescentEnvironment& start) {
    if (!d.active) return 0;
    const double mass = descentMass(params);
    DescentEnvironment env = start;
    long n = 0;
    while (n < maxSteps && !d.landed) {
        ++n;
        env.flightTimeS = start.flightTimeS + n * kStepS;
        d.batchAltitude[0] = (float)descentStep(d, mass, params, main, env);
        d.batchCount = 1;
        d.seatTimeS += kStepS;
    }
    return n;
}
