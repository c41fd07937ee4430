// The empty seat after it falls away from the pilot: 30 s of drag-free fall
// from the separation point, in a slightly random direction.
#pragma once

#include <cstdint>

#include "sim/vec3.h"

constexpr int kEmptySeatSampleCapacity = 30001;

struct EmptySeat {
    // Positions relative to the fighter's start; index 0 and 1 are the start.
    // Every run writes 0 .. lastIndex and readers stop there; the rest is
    // left as it is when the record is made afresh.
    float px[kEmptySeatSampleCapacity];
    float py[kEmptySeatSampleCapacity];
    float pz[kEmptySeatSampleCapacity];
    float vx[kEmptySeatSampleCapacity];
    float vy[kEmptySeatSampleCapacity];
    float vz[kEmptySeatSampleCapacity];
    int32_t lastIndex = 0;
    bool computed = false;       // false: the seat stayed with the pilot in this run
    bool landed = false;
    Vec3 landingPosition;
    float turnDeg = 0.0f;        // the random turn of this run
};

struct EmptySeatLaunch {
    double seconds;
    double startP[3];
    double startV[3];
    int randomValue;             // 0..32767 from the caller's generator
    double fighterAltitudeM;
    double mountingHeightM;
};

// The turn (degrees) a random integer gives: (r mod 50) * 0.1 - 2.5.
float emptySeatTurnDeg(int randomValue);

void computeEmptySeat(EmptySeat& seat, const EmptySeatLaunch& launch);

// The seat stays with the pilot (no separation in this run).
void clearEmptySeat(EmptySeat& seat);

Vec3 emptySeatPosition(const EmptySeat& seat, long index);
