#include "sim/sim_records.h"

#include <cmath>

#include "sim/parameter_table.h"

void setDefaultParams(SimParams& p, SimConstants& c, FighterAttitude& a, FighterPosition& pos) {
    applyStartUpValues({&p, &a, &pos});
    p.totalMassKg = totalMass(p);
    c = SimConstants();
}

void applyZeroZeroParams(SimParams& p, SimConstants& c, FighterAttitude& a, FighterPosition& pos) {
    applyHomeValues({&p, &a, &pos});
    c.catapultStrokeM = 0.99;
    p.totalMassKg = totalMass(p);
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
