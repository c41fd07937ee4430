// Forces on the seat/man package: the catapult derived from the parameters,
// the catapult stroke, the seat rocket, aerodynamic drag and the shared
// one-millisecond integration rule.
#pragma once

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/sim_records.h"
#include "sim/vec3.h"

// The attitude copied when the catapult values are derived; rocket, drogue and
// pack directions of a computed run use it, not the live attitude.
struct EjectionAttitude {
    float headingDeg = 0.0f;
    float pitchDeg = 0.0f;
    float rollDeg = 0.0f;
};

struct CatapultState {
    double netAccel = 0.0;         // B, m/s^2 along the rails
    double accel[3] = {0, 0, 0};   // full catapult vector, world frame
    Vec3 buildUpRate;              // m/s^3
    float onsetTimeS = 0.0f;       // after this the full vector applies
    Vec3 packRocketDirection;      // mode-1 pack direction (seat back pitched by the burn)
    int32_t strokeResult = 0;      // 1 stroke completed, 0 cannot move, -1 not within capacity
};

// Catapult thrust acceleration t seconds into the stroke: built up at the onset
// rate until the onset time, the full vector after it.
inline void catapultThrust(const CatapultState& cat, double t, double F[3]) {
    if (t <= cat.onsetTimeS) {
        F[0] = t * cat.buildUpRate.x;
        F[1] = t * cat.buildUpRate.y;
        F[2] = t * cat.buildUpRate.z;
    } else {
        F[0] = cat.accel[0];
        F[1] = cat.accel[1];
        F[2] = cat.accel[2];
    }
}

// Derived display values, catapult and build-up vectors, the ejection-attitude
// copy and the stroke. False when the catapult cannot move the package.
bool deriveCatapult(SimParams& params, const SimConstants& constants, const FighterAttitude& attitude,
                    SimDerived& derived, CatapultState& catapult, EjectionAttitude& ejection);

// The stroke search: sets catapultPhaseTimeS and catapultEndSpeedFtS and
// returns Tc, or -1 when the stroke does not end within the store's capacity.
// It works on its own scratch state, so a run being played is left untouched.
double computeCatapultStroke(const SimParams& params, const SimConstants& constants, SimDerived& derived,
                             CatapultState& catapult);

// Seat rocket acceleration (m/s^2, world frame) tau seconds after ignition.
Vec3 rocketAcceleration(double tau, const SimParams& params, const SimConstants& constants,
                        const EjectionAttitude& ejection);

// Seat pitch (degrees about the lateral axis) caused by the CG offset at tau.
float rocketPitchDeg(double tau, const SimParams& params);

// cd * density(altitude) * area * speed^2 * 0.5 / mass, in m/s^2 (0 for a
// massless body rather than infinity). Inline: it runs at every step of
// every body.
inline double dragAcceleration(double cd, double speed, double mass, double area, double altitudeM) {
    // Density is skipped when nothing could come of it (no area or no Cd);
    // the product would be exactly zero anyway.
    if (cd == 0.0 || area == 0.0 || speed == 0.0 || !(mass > 0.0)) return 0.0;
    return cd * airDensity((float)altitudeM) * area * speed * speed * 0.5 / mass;
}

// Opposing sign of the drag on an axis: -1 while moving along +axis (or at rest).
inline double dragSign(double v) { return v >= 0.0 ? -1.0 : 1.0; }

// A drag component in whole m/s^2 (truncated toward zero) with the sign that
// opposes the motion.
inline double truncatedDrag(double component, double sign) { return std::fabs(std::trunc(component)) * sign; }

// The drag vector D * v / speed per axis, truncated, with the given signs.
// Below D = 0.999 every component truncates to zero (|v_k| <= speed up to
// rounding), so the divisions are skipped; the result is the same. D is never
// negative: areas and coefficients are not (one outside every range gives no
// drag). Returns false when the components were skipped (all of them are
// then zero).
inline bool truncatedDragVector(double D, const double v[3], double speed, const double sign[3], double out[3]) {
    if (speed > 0.0 && D >= 0.999) {
        for (int k = 0; k < 3; ++k) out[k] = truncatedDrag(D * v[k] / speed, sign[k]);
        return true;
    }
    for (int k = 0; k < 3; ++k) out[k] = 0.0 * sign[k];
    return false;
}

// One millisecond of one axis: thrust F, drag magnitude |A| opposing V, and
// the gravity terms gv, gp (zero except on z in free flight).
inline void integrateAxis(double F, double absDrag, double dt, double gv, double gp, double& v, double& p) {
    double s = dragSign(v);
    double vNext = F * dt + (absDrag * dt * s + v) + gv;
    double pNext = F * dt * dt / 2.0 + (absDrag * dt * dt / 2.0 * s + (v * dt + p)) + gp;
    v = vNext;
    p = pNext;
}

// The same step for a body held in single precision (pack, empty seat,
// descent): the sums are formed in double from the stored floats and stored
// back rounded, so each step starts from the 32-bit state.
inline void integrateAxis(double F, double absDrag, double dt, double gv, double gp, float& v, float& p) {
    double vd = v, pd = p;
    integrateAxis(F, absDrag, dt, gv, gp, vd, pd);
    v = (float)vd;
    p = (float)pd;
}

constexpr double kGravityStepV(double dt) { return -9.8 * dt; }
constexpr double kGravityStepP(double dt) { return -9.8 * dt * dt * 0.5; }
