#include "sim/empty_seat.h"

#include <cmath>

#include "sim/seat_dynamics.h"

namespace {
constexpr double kStepS = 0.001;
}

float emptySeatTurnDeg(int randomValue) {
    int r = randomValue % 50;
    if (r < 0) r += 50;  // a negative value from a foreign generator still lands in range
    return (float)(r * 0.1 - 2.5);
}

void clearEmptySeat(EmptySeat& seat) {
    seat.computed = false;
    seat.landed = false;
    seat.lastIndex = 0;
    seat.px[0] = seat.py[0] = seat.pz[0] = 0.0f;
    seat.vx[0] = seat.vy[0] = seat.vz[0] = 0.0f;
}

void computeEmptySeat(EmptySeat& seat, const EmptySeatLaunch& l) {
    seat.turnDeg = emptySeatTurnDeg(l.randomValue);
    Vec3 dir((float)l.startV[0], (float)l.startV[1], (float)l.startV[2]);
    rotateRollPitchHeading(dir, seat.turnDeg, seat.turnDeg, seat.turnDeg);

    // Held in single precision: each step starts from the stored 32-bit state.
    float p[3] = {(float)l.startP[0], (float)l.startP[1], (float)l.startP[2]};
    float v[3] = {dir.x, dir.y, dir.z};
    seat.px[0] = seat.px[1] = p[0];
    seat.py[0] = seat.py[1] = p[1];
    seat.pz[0] = seat.pz[1] = p[2];
    seat.vx[0] = seat.vx[1] = v[0];
    seat.vy[0] = seat.vy[1] = v[1];
    seat.vz[0] = seat.vz[1] = v[2];
    seat.lastIndex = 1;
    seat.computed = true;
    seat.landed = false;

    long steps = (long)(l.seconds * 999.0) - 1;
    if (steps > kEmptySeatSampleCapacity - 2) steps = kEmptySeatSampleCapacity - 2;
    for (long i = 1; i <= steps; ++i) {
        // The seat's reference area is zero: it falls without drag.
        for (int k = 0; k < 3; ++k) {
            bool vertical = (k == 2);
            integrateAxis(0.0, 0.0, kStepS, vertical ? kGravityStepV(kStepS) : 0.0,
                          vertical ? kGravityStepP(kStepS) : 0.0, v[k], p[k]);
        }
        seat.px[i + 1] = p[0];
        seat.py[i + 1] = p[1];
        seat.pz[i + 1] = p[2];
        seat.vx[i + 1] = v[0];
        seat.vy[i + 1] = v[1];
        seat.vz[i + 1] = v[2];
        seat.lastIndex = (int32_t)(i + 1);
        if (!seat.landed && l.fighterAltitudeM + l.mountingHeightM + p[2] <= 0.0) {
            seat.landed = true;
            seat.landingPosition = Vec3(p[0], p[1], p[2]);
        }
        if (p[2] + l.fighterAltitudeM < -5.0 && i * kStepS > 5.0) break;
    }
}

Vec3 emptySeatPosition(const EmptySeat& seat, long index) {
    if (index < 0) index = 0;
    if (index > seat.lastIndex) index = seat.lastIndex;
    return Vec3(seat.px[index], seat.py[index], seat.pz[index]);
}
