#include "sim/chute_pack.h"

#include <cmath>

#include "sim/seat_dynamics.h"
#include "sim/units.h"

namespace {
constexpr double kStepS = 0.001;
constexpr double kPackThrustLb = 220.0;
constexpr double kPackCd = 0.5;
}  // namespace

void computeChutePack(ChutePack& pack, const PackLaunch& l) {
    // The pack is held in single precision: each step starts from the 32-bit
    // position and velocity of the step before.
    float p[3] = {(float)l.startP[0], (float)l.startP[1], (float)l.startP[2]};
    float v[3] = {(float)l.startV[0], (float)l.startV[1], (float)l.startV[2]};
    float a[3] = {0, 0, 0};
    pack.x[0] = pack.x[1] = p[0];
    pack.y[0] = pack.y[1] = p[1];
    pack.z[0] = pack.z[1] = p[2];
    pack.lastIndex = 1;
    pack.computed = true;

    // 999 steps per second, as the pack has always been stepped.
    long steps = (long)(l.seconds * 999.0) - 1;
    if (steps > kPackSampleCapacity - 2) steps = kPackSampleCapacity - 2;
    const long burnSteps = (long)(0.3 * 999.0);
    const double rocket = kPackThrustLb / kLbPerNewton / 1.0;
    const double firstLength = std::sqrt((double)pack.x[1] * pack.x[1] + (double)pack.y[1] * pack.y[1] +
                                         (double)pack.z[1] * pack.z[1]);
    double mass = 1.0, area = 0.25;

    for (long i = 1; i <= steps; ++i) {
        double F[3] = {0, 0, 0};
        if (i <= burnSteps) {
            F[0] = rocket * l.direction.x;
            F[1] = rocket * l.direction.y;
            F[2] = rocket * l.direction.z;
        }
        for (int k = 0; k < 3; ++k) {
            bool vertical = (k == 2);
            integrateAxis(F[k], std::fabs(a[k]), kStepS, vertical ? kGravityStepV(kStepS) : 0.0,
                          vertical ? kGravityStepP(kStepS) : 0.0, v[k], p[k]);
        }
        pack.x[i + 1] = p[0];
        pack.y[i + 1] = p[1];
        pack.z[i + 1] = p[2];
        pack.lastIndex = (int32_t)(i + 1);

        double length = std::sqrt((double)pack.x[i + 1] * pack.x[i + 1] + (double)pack.y[i + 1] * pack.y[i + 1] +
                                  (double)pack.z[i + 1] * pack.z[i + 1]);
        double d = length - firstLength;
        if (d <= 9.5) {
            mass = 1.0;
            // d is measured from the fighter's start, not from the pilot: a
            // pack falling back toward that point has d < -11.9 m, where the
            // area would turn negative. It then has no drag area at all.
            area = 0.25 + 0.021 * d;
            if (area < 0.0) area = 0.0;
        } else if (d > 10.0) {
            mass = 0.84;
            area = 0.34;
        }
        const double vd[3] = {v[0], v[1], v[2]};
        double speed = std::sqrt(vd[0] * vd[0] + vd[1] * vd[1] + vd[2] * vd[2]);
        double D = dragAcceleration(kPackCd, speed, mass, area, l.baseAltitudeM + p[2]);
        const double sign[3] = {dragSign(vd[0]), dragSign(vd[1]), dragSign(vd[2])};
        double drag[3];
        truncatedDragVector(D, vd, speed, sign, drag);
        for (int k = 0; k < 3; ++k) a[k] = (float)drag[k];
    }
}

Vec3 packPosition(const ChutePack& pack, long index) {
    if (index < 0) index = 0;
    if (index > pack.lastIndex) index = pack.lastIndex;
    return Vec3(pack.x[index], pack.y[index], pack.z[index]);
}
