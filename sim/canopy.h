// The jettisoned cockpit canopy: its rocket swings it open about the hinge
// until it passes the maximum pitch, where it leaves the fighter and flies
// free. Computed whole at the trigger and sampled per millisecond.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

constexpr int kCanopySampleCapacity = 40000;

// A stored canopy position. It has no constructor of its own, so a record
// made afresh for a new run leaves the samples as they are: every run writes
// all the samples it has, and no reader looks past them.
struct CanopyPoint {
    float x, y, z;
    CanopyPoint& operator=(const Vec3& v) {
        x = v.x;
        y = v.y;
        z = v.z;
        return *this;
    }
    operator Vec3() const { return Vec3(x, y, z); }
    void zero() { x = y = z = 0.0f; }
};

struct CanopyBody {
    double delayS = 0.3;
    float massKg = 80.0f;
    float areaM2 = 0.0f;
    float rocketThrustLb = 1700.0f;
    float rocketThrustN = 0.0f;
    float rocketBurnS = 0.2f;
    float rocketOnsetRate = 220.0f;   // g/s
    float maxPitchDeg = 85.0f;
    float releaseTime = 9999.0f;      // canopy-clock time of release; 9999 when not released
    float cdClosedSide = 0.8f;
    float cdOpenSide = 1.45f;
    float hingeRadiusM = 0.0f;
    float massFactor = 0.5f;
    int32_t stepCount = 20000;
    uint8_t applyG = 0;

    bool opened = false;
    bool released = false;
    bool fellBack = false;
    float releaseSpeed = 0.0f;        // arc speed at release
    float fallBackTime = 99999.0f;

    Vec3 startPosition;               // world frame
    Vec3 startVelocity;
    Vec3 hinge;                       // hinge point relative to the fighter (from the model)
    Vec3 launchAnglesDeg;             // (about Y, about X, about Z): the canopy frame's turn

    // Samples 0 .. stepCount - 1 (at most the capacity), all written by every
    // launch; left as they are when the record is made afresh.
    float pitchSamples[kCanopySampleCapacity];
    CanopyPoint positionSamples[kCanopySampleCapacity];
};

struct CanopyLaunch {
    float rocketThrustLb;
    Vec3 startVelocity;
    Vec3 startPosition;
    float widthM;
    float lengthM;
    Vec3 hinge;
    Vec3 launchAnglesDeg;
    bool applyG;
};

// Stores the launch, then computes the hinged phase and the free flight. The
// body's parameter fields (mass, burn, max pitch, delay) are set by the caller.
void launchCanopy(CanopyBody& body, const CanopyLaunch& launch);

// The weight term of the hinged swing (N along the arc, positive opening)
// at a pitch, for the canopy's launch angles (the fighter's roll and pitch
// plus the canopy's mounting slope; the heading does not enter).
double canopyWeightForceN(float pitchDeg, const Vec3& launchAnglesDeg, float massKg);

// Sample index at canopy time t, clamped to the computed samples.
int canopySampleIndex(const CanopyBody& body, double canopyTimeS);

// True while the canopy has left the fighter at canopy time t.
bool canopyLeftFighter(const CanopyBody& body, double canopyTimeS);
