#include "sim/canopy.h"

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/seat_dynamics.h"
#include "sim/units.h"

namespace {

constexpr double kStepS = 0.001;
constexpr double kHingeFriction = 0.85;  // m/s^2 along the arc while on the hinge

int stepLimit(const CanopyBody& b) {
    int n = b.stepCount;
    if (n > kCanopySampleCapacity) n = kCanopySampleCapacity;
    if (n < 1) n = 1;
    return n;
}

double canopyCd(const CanopyBody& b, float pitchDeg) {
    // Beyond 180 degrees (of the whole-degree pitch, per turn) the closed
    // side faces the airflow. fmod keeps a runaway pitch from overflowing.
    double whole = std::trunc(pitchDeg);
    if (std::fabs(whole) < 1e15) return ((int64_t)whole % 360 > 180) ? b.cdClosedSide : b.cdOpenSide;
    if (!std::isfinite(whole)) return b.cdOpenSide;
    return (std::fmod(whole, 360.0) > 180.0) ? b.cdClosedSide : b.cdOpenSide;
}

Vec3 turnByLaunchAngles(Vec3 v, const Vec3& angles) {
    rotateAboutForwardAxis(v, angles.x);
    rotateAboutLateralAxis(v, angles.y);
    rotateAboutVerticalAxis(v, angles.z);
    return v;
}

// angleOf, with its exact-zero case replaced by the limit it sits between:
// a normal with no fore-aft part points straight up (270, the full weight
// closing the canopy) or straight down (90). angleOf alone gives 0 there:
// a flat canopy lying shut would lose its weight for a step, the rocket would
// lift it a hair and the weight would latch it shut as fallen back.
double canopyWeightAngle(double foreAft, double vertical) {
    if (foreAft == 0.0 && vertical != 0.0) return vertical > 0.0 ? 270.0 : 90.0;
    return angleOf(foreAft, vertical);
}

}  // namespace

double canopyWeightForceN(float pitchDeg, const Vec3& launchAnglesDeg, float massKg) {
    // The canopy's normal, opened by the pitch and turned by the launch
    // angles about the forward and the lateral axis. The heading is left
    // out: it turns the vertical plane itself, and applied here it would tilt
    // the normal out of the fore-aft plane the angle is measured in, so an
    // east- or westbound fighter would hold the canopy with its full weight
    // at every pitch.
    Vec3 normal(0.0f, 0.0f, 1.0f);
    rotateAboutLateralAxis(normal, -pitchDeg);
    rotateAboutForwardAxis(normal, launchAnglesDeg.x);
    rotateAboutLateralAxis(normal, launchAnglesDeg.y);
    // Its angle in the fore-aft vertical plane: for the level fighter with a
    // flat canopy the term is -9.8 m cos p, the full weight when shut, none
    // at the vertical, opening the canopy beyond it.
    double q = canopyWeightAngle(normal.y, normal.z);
    return std::cos((q - 270.0) * kRadPerDeg) * (-9.8) * massKg;
}

namespace {

void hingedPhase(CanopyBody& b) {
    const int n = stepLimit(b);
    const double startSpeed = b.startVelocity.length();
    const double density = airDensity(b.startPosition.z);
    double s = 0.0, u = 0.0;
    b.pitchSamples[0] = 0.0f;
    for (int i = 1; i < n; ++i) {
        double t = i * kStepS;
        float p = (float)(s * 360.0 / (2.0 * kPi * b.hingeRadiusM));
        double cd = canopyCd(b, p);

        double aeroForce = 0.0, weightForce = 0.0;
        if (!b.released) {
            double area = std::sin(p * kRadPerDeg) * b.areaM2 / 1.5;
            aeroForce = cd * density * area * startSpeed * startSpeed * 0.5 / b.massKg * b.massKg;
            weightForce = canopyWeightForceN(p, b.launchAnglesDeg, b.massKg);
        }

        if (t > b.rocketBurnS) b.rocketThrustN = 0.0f;
        double effectiveMass = (double)b.massKg * b.massFactor;
        double rocket = b.rocketThrustN / effectiveMass;
        double onsetCap = b.rocketOnsetRate * kGravity * t;
        if (rocket > onsetCap) rocket = onsetCap;
        double accel = (aeroForce + weightForce) / effectiveMass + rocket;

        // Air resistance of the canopy's own swing, in whole m/s^2, and the
        // hinge friction while it is still attached.
        double swingDrag = std::trunc(cd * density * (b.areaM2 / 1.5) * u * u * 0.5 / b.massKg);
        double resistance = std::fabs(swingDrag) + (b.released ? 0.0 : kHingeFriction);
        integrateAxis(accel, resistance, kStepS, 0.0, 0.0, u, s);

        // The sample and the checks use the pitch this step started from.
        b.pitchSamples[i] = p;
        if (p > 0.0f) b.opened = true;
        if (p > b.maxPitchDeg && !b.released) {
            b.released = true;
            b.releaseTime = (float)t;
            b.releaseSpeed = (float)u;
        }
        if (p <= 0.0f && b.opened && !b.fellBack) {
            b.fellBack = true;
            b.releaseTime = 9999.0f;
            b.fallBackTime = (float)t;
        }
        if (p <= 0.0f) {
            b.pitchSamples[i] = 0.0f;
            u = 0.0;
        }
    }
    if (!b.fellBack) b.fallBackTime = 99999.0f;
}

void freeFlight(CanopyBody& b) {
    const int n = stepLimit(b);
    if (!b.opened || b.fellBack) {
        for (int i = 0; i < n; ++i) b.positionSamples[i].zero();
        return;
    }
    double ur = std::fabs(b.releaseSpeed);
    Vec3 kick(0.0f, (float)(-ur / 5.0), (float)(ur / 5.0));
    rotateAboutLateralAxis(kick, -b.maxPitchDeg);
    kick = turnByLaunchAngles(kick, b.launchAnglesDeg);
    const long kickIndex = b.released ? (long)(b.releaseTime * 1000.0) : -1;

    double p[3] = {b.startPosition.x, b.startPosition.y, b.startPosition.z};
    double v[3] = {b.startVelocity.x, b.startVelocity.y, b.startVelocity.z};
    const double density = airDensity(b.startPosition.z);
    b.positionSamples[0] = b.startPosition;
    for (int i = 1; i < n; ++i) {
        double t = i * kStepS;
        if (i == kickIndex) {
            v[0] += kick.x;
            v[1] += kick.y;
            v[2] += kick.z;
        }
        float pitch = b.pitchSamples[i];
        double speed = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        double D = 0.0;
        if (!(t < b.releaseTime)) {
            // The canopy's density copy stays at its launch altitude, as on the hinge.
            double area = std::sin(pitch * kRadPerDeg) * b.areaM2;
            D = canopyCd(b, pitch) * density * area * speed * speed * 0.5 / b.massKg;
        }
        bool falling = t > b.releaseTime || b.applyG;
        const double sign[3] = {1.0, 1.0, 1.0};
        double drag[3];
        truncatedDragVector(D, v, speed, sign, drag);
        for (int k = 0; k < 3; ++k) {
            bool vertical = (k == 2);
            integrateAxis(0.0, drag[k], kStepS, vertical && falling ? kGravityStepV(kStepS) : 0.0,
                          vertical && falling ? kGravityStepP(kStepS) : 0.0, v[k], p[k]);
        }
        b.positionSamples[i] = Vec3((float)p[0], (float)p[1], (float)p[2]);
    }
}

}  // namespace

void launchCanopy(CanopyBody& b, const CanopyLaunch& l) {
    b.rocketThrustLb = l.rocketThrustLb;
    b.startVelocity = l.startVelocity;
    b.startPosition = l.startPosition;
    b.hinge = l.hinge;
    b.launchAnglesDeg = l.launchAnglesDeg;
    b.applyG = l.applyG ? 1 : 0;
    b.areaM2 = l.widthM * l.lengthM;
    b.hingeRadiusM = l.lengthM;
    b.rocketThrustN = (float)(l.rocketThrustLb * kNewtonPerLbCanopy);
    b.opened = b.released = b.fellBack = false;
    b.releaseSpeed = 0.0f;
    // A canopy that does not pass the release pitch in this run stays on its
    // hinge; an earlier run's release time must not set it free.
    b.releaseTime = 9999.0f;
    if (!(b.massKg > 0.0f) || !(b.hingeRadiusM > 0.0f)) {
        // Nothing to swing: the canopy stays shut on the fighter.
        for (int i = 0; i < stepLimit(b); ++i) {
            b.pitchSamples[i] = 0.0f;
            b.positionSamples[i].zero();
        }
        b.fallBackTime = 99999.0f;
        return;
    }
    hingedPhase(b);
    freeFlight(b);
}

int canopySampleIndex(const CanopyBody& b, double canopyTimeS) {
    double at = canopyTimeS * 1000.0;
    int last = stepLimit(b) - 1;
    if (!(at > 0.0)) return 0;
    if (at >= last) return last;
    return (int)at;
}

bool canopyLeftFighter(const CanopyBody& b, double canopyTimeS) {
    return b.released && canopyTimeS >= b.releaseTime;
}
