#include "sim/seat_dynamics.h"

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/units.h"

namespace {

// Last steps kept by the stroke search: the end speed is read from the
// sample at catapultPhaseTimeS, which is at most two steps back.
constexpr int kStrokeHistory = 4;
constexpr int kStrokeCapacitySteps = 600000;

}  // namespace

bool deriveCatapult(SimParams& params, const SimConstants& constants, const FighterAttitude& attitude,
                    SimDerived& derived, CatapultState& catapult, EjectionAttitude& ejection) {
    float M = totalMass(params);
    params.totalMassKg = M;
    double weightN = M / kKgPerLb * kNewtonPerLbWeight;

    double b = params.seatBackAngleDeg * kRadPerDeg;
    Vec3 rail(0.0f, (float)(std::sin(b) * weightN), (float)(std::cos(b) * weightN));
    rotateRollPitchHeading(rail, attitude.rollDeg, attitude.pitchDeg, attitude.headingDeg);
    float alongRailsN = -rail.z;

    double B = (params.catapultThrustLb + alongRailsN * kLbPerNewton) / kLbPerNewton / M;
    catapult.netAccel = B;
    derived.catapultG = (float)(params.catapultThrustLb / kLbPerNewton / M / kGravity);
    derived.gravityG = (float)(alongRailsN / M / kGravity);
    derived.rocketG = (float)(params.rocketThrustLb / kLbPerNewton / M / kGravity);

    // A package without mass (every mass keyed down to 0) cannot be launched either.
    if (!(B > 0.0) || !(M > 0.0) || !std::isfinite(B)) {
        derived.catapultPhaseTimeS = 999999.0f;
        derived.catapultEndSpeedFtS = 0.0f;
        derived.catapultG = 0.0f;
        derived.rocketG = 0.0f;
        if (!(M > 0.0f)) derived.gravityG = 0.0f;
        // No catapult force at all: the seat stays in the fighter instead of
        // being pushed by the vector of an earlier derivation.
        catapult.accel[0] = catapult.accel[1] = catapult.accel[2] = 0.0;
        catapult.buildUpRate.zero();
        catapult.onsetTimeS = 0.0f;
        catapult.strokeResult = 0;
        return false;
    }

    Vec3 vec(0.0f, (float)(std::sin(b) * B), (float)(std::cos(b) * B));
    rotateRollPitchHeading(vec, attitude.rollDeg, attitude.pitchDeg, attitude.headingDeg);
    catapult.accel[0] = vec.x;
    catapult.accel[1] = vec.y;
    catapult.accel[2] = vec.z;

    ejection.headingDeg = attitude.headingDeg;
    ejection.pitchDeg = attitude.pitchDeg;
    ejection.rollDeg = attitude.rollDeg;

    // Mode-1 pack direction: the seat back pitched by the rocket burn's end pitch.
    Vec3 pack(0.0f, (float)std::sin(b), (float)std::cos(b));
    rotateAboutLateralAxis(pack, rocketPitchDeg(params.rocketBurnTimeS, params));
    rotateRollPitchHeading(pack, ejection.rollDeg, ejection.pitchDeg, ejection.headingDeg);
    catapult.packRocketDirection = pack;

    double Tc = computeCatapultStroke(params, constants, derived, catapult);
    catapult.strokeResult = Tc < 0.0 ? -1 : 1;
    return true;
}

double computeCatapultStroke(const SimParams& params, const SimConstants& c, SimDerived& derived,
                             CatapultState& cat) {
    double B = cat.netAccel;
    double onset = params.catapultOnsetRate * kGravity;
    cat.onsetTimeS = (float)(B / onset);
    cat.buildUpRate = Vec3((float)(cat.accel[0] * onset / B), (float)(cat.accel[1] * onset / B),
                           (float)(cat.accel[2] * onset / B));
    double dt = c.dt;
    double p[3] = {0, 0, 0}, v[3] = {0, 0, 0};
    double speedHistory[kStrokeHistory] = {0, 0, 0, 0};

    for (int i = 1; i <= kStrokeCapacitySteps; ++i) {
        speedHistory[i % kStrokeHistory] = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        double L = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        double F[3] = {0, 0, 0};
        if (L <= c.catapultStrokeM) {
            derived.catapultPhaseTimeS = (float)(i * 0.001);
            catapultThrust(cat, i * dt, F);
        } else if (L < 13.0) {
            int at = (int)(derived.catapultPhaseTimeS * 1000.0);
            double speed = 0.0;
            if (at >= i - (kStrokeHistory - 1) && at <= i) speed = speedHistory[at % kStrokeHistory];
            derived.catapultEndSpeedFtS = (float)(speed * kFtPerM);
            return derived.catapultPhaseTimeS;
        }
        for (int k = 0; k < 3; ++k) integrateAxis(F[k], 0.0, dt, 0.0, 0.0, v[k], p[k]);
    }
    return -1.0;
}

float rocketPitchDeg(double tau, const SimParams& p) {
    if (tau < 0.0) tau = 0.0;
    return (float)(-(p.cgOffsetZ * p.rocketThrustLb / 3.0 / totalMass(p)) * 140.0 * tau / 2.0);
}

Vec3 rocketAcceleration(double tau, const SimParams& p, const SimConstants& c, const EjectionAttitude& e) {
    if (tau < 0.0) tau = 0.0;
    float M = totalMass(p);
    double onset = p.rocketOnsetRate * kGravity * tau;
    double full = p.rocketThrustLb / kLbPerNewtonRocket / M;
    double a = onset < full ? onset : full;
    double theta = (c.rocketCantDeg + p.seatBackAngleDeg) * kRadPerDeg;
    Vec3 r(0.0f, (float)(std::sin(theta) * a), (float)(std::cos(theta) * a));
    rotateAboutLateralAxis(r, rocketPitchDeg(tau, p));
    rotateRollPitchHeading(r, e.rollDeg, e.pitchDeg, e.headingDeg);
    return r;
}
