#include "sim/sim_records.h"

#include <cmath>

void setDefaultParams(SimParams& p, SimConstants& c, FighterAttitude& a, FighterPosition& pos) {
    p.cgOffsetZ = -0.33f;
    p.seatBackAngleDeg = 18.0f;
    p.catapultOnsetRate = 108.0f;
    p.rocketOnsetRate = 150.0f;
    p.sinkRateFtS = 0.0f;
    p.catapultThrustLb = 7900.0f;
    p.rocketThrustLb = 4500.0f;
    p.canopyRocketThrustLb = 1700.0f;
    p.seatMassKg = 103.42f;
    p.pilotMassKg = 73.0f;
    p.gearMassKg = 35.0f;
    p.canopyMassKg = 80.0f;
    p.mainChuteCd = 1.56f;
    p.drogueCd = 1.23f;
    p.seatManCd = 1.05f;
    p.mainChuteDiameterM = 5.8f;
    p.drogueDiameterM = 0.702f;
    p.rocketBurnTimeS = 0.25f;
    p.canopyRocketBurnTimeS = 0.2f;
    p.countdownS = 0.3;
    p.playSpeedDivisor = 1.0f;
    p.initialTasKt = 0.0f;
    p.canopyMaxPitchDeg = 85.0f;
    p.canopyDelayS = (double)0.3f;  // held from the single-precision value
    p.applyGOnFighter = false;
    p.totalMassKg = totalMass(p);

    c = SimConstants();
    a = FighterAttitude();
    pos = FighterPosition();
}

void applyZeroZeroParams(SimParams& p, SimConstants& c, FighterAttitude& a, FighterPosition& pos) {
    a.headingDeg = 360.0f;
    a.pitchDeg = 360.0f;
    a.rollDeg = 360.0f;
    p.cgOffsetZ = -0.43f;
    pos.x = 0.0;
    pos.y = 0.0;
    pos.altitude = 0.0;
    p.initialTasKt = 0.0f;
    p.catapultThrustLb = 8400.0f;
    p.rocketThrustLb = 4800.0f;
    p.catapultOnsetRate = 108.0f;
    p.rocketOnsetRate = 120.0f;
    p.rocketBurnTimeS = 0.25f;
    c.catapultStrokeM = 0.99;
    p.seatBackAngleDeg = 18.0f;
    p.pilotMassKg = 73.0f;
    p.seatMassKg = 103.42f;
    p.gearMassKg = 35.0f;
    p.totalMassKg = totalMass(p);
    p.mainChuteDiameterM = 5.8f;
    p.mainChuteCd = 1.55f;
}

namespace {

// One turn added or taken off, as the keys and the menu need it; a value
// further out (a hand-edited preset) is folded with fmod so it still lands in
// range, and a non-finite one becomes level.
float angleIntoOpenClosed360(float deg) {
    if (!std::isfinite(deg)) return 360.0f;
    if (deg < 0.0f) deg += 360.0f;
    if (deg > 360.0f) deg -= 360.0f;
    if (deg < 0.0f || deg > 360.0f) {
        deg = std::fmod(deg, 360.0f);
        if (deg < 0.0f) deg += 360.0f;
    }
    if (deg == 0.0f) deg = 360.0f;
    return deg;
}

}  // namespace

void normalizeAttitude(FighterAttitude& a, FighterPosition& pos, SimParams& p) {
    a.headingDeg = angleIntoOpenClosed360(a.headingDeg);
    a.pitchDeg = angleIntoOpenClosed360(a.pitchDeg);
    a.rollDeg = angleIntoOpenClosed360(a.rollDeg);
    if (pos.altitude < 0.0) pos.altitude = 0.0;
    if (!std::isfinite(p.seatBackAngleDeg)) p.seatBackAngleDeg = 18.0f;
    if (p.seatBackAngleDeg == 360.0f) p.seatBackAngleDeg = 0.0f;
    else if (p.seatBackAngleDeg > 360.0f) p.seatBackAngleDeg -= 360.0f;
    else if (p.seatBackAngleDeg < 0.0f) p.seatBackAngleDeg += 360.0f;
}
