// The parachute pack pulled from the pilot by its tractor rocket, computed
// for 10 s from the moment the rocket fires.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

constexpr int kPackSampleCapacity = 10001;

struct ChutePack {
    // Positions relative to the fighter's start; index 0 and 1 are the start.
    // Every run writes 0 .. lastIndex and readers stop there; the rest is
    // left as it is when the record is made afresh.
    float x[kPackSampleCapacity];
    float y[kPackSampleCapacity];
    float z[kPackSampleCapacity];
    int32_t lastIndex = 0;
    bool computed = false;
};

struct PackLaunch {
    double seconds;
    double startP[3];
    double startV[3];
    Vec3 direction;         // tractor rocket direction (unit)
    double baseAltitudeM;   // fighter altitude + seat mounting height
};

void computeChutePack(ChutePack& pack, const PackLaunch& launch);

// Pack position at an index, kept inside the computed samples.
Vec3 packPosition(const ChutePack& pack, long index);
