#include "menu/control_page.h"

#include "sim/simulation.h"
#include "sim/units.h"

const ControlSpinnerRow kControlSpinners[kControlSpinnerCount] = {
    {309, 102, &SimParams::cgOffsetZ, nullptr, -10.0, 10.0, 0.01f},
    {309, 122, &SimParams::seatBackAngleDeg, nullptr, -45.0, 45.0, 0.5f},
    {309, 142, &SimParams::catapultOnsetRate, nullptr, 10.0, 3000.0, 5.0f},
    {309, 162, &SimParams::rocketOnsetRate, nullptr, 10.0, 3000.0, 5.0f},
    {309, 182, &SimParams::sinkRateFtS, nullptr, 0.0, 3000.0, 5.0f},
    {309, 235, &SimParams::catapultThrustLb, nullptr, 0.0, 35000.0, 100.0f},
    {309, 255, &SimParams::rocketThrustLb, nullptr, 0.0, 35000.0, 100.0f},
    {309, 275, &SimParams::canopyRocketThrustLb, nullptr, 0.0, 5000.0, 10.0f},
    {309, 324, &SimParams::seatMassKg, nullptr, 15.0, 300.0, 10.0f},
    {309, 345, &SimParams::pilotMassKg, nullptr, 15.0, 300.0, 1.0f},
    {309, 365, &SimParams::gearMassKg, nullptr, 0.0, 70.0, 1.0f},
    {309, 385, &SimParams::canopyMassKg, nullptr, 10.0, 250.0, 5.0f},
    {309, 434, &SimParams::mainChuteCd, nullptr, 0.01, 5.0, 0.05f},
    {309, 453, &SimParams::drogueCd, nullptr, 0.01, 5.0, 0.05f},
    {309, 473, &SimParams::seatManCd, nullptr, 0.01, 5.0, 0.05f},
    {700, 115, &SimParams::mainChuteDiameterM, nullptr, 4.0, 8.0, 0.1f},
    {700, 135, &SimParams::drogueDiameterM, nullptr, 0.3, 2.0, 0.1f},
    {700, 187, &SimParams::rocketBurnTimeS, nullptr, 0.0, 30.0, 0.01f},
    {700, 207, &SimParams::canopyRocketBurnTimeS, nullptr, 0.0, 2.0, 0.05f},
    {700, 227, nullptr, &SimParams::countdownS, 0.3, 65.0, 0.05f},
    {700, 267, &SimParams::playSpeedDivisor, nullptr, 1.0, 30.0, 1.0f},
    {700, 316, &SimParams::initialTasKt, nullptr, 0.0, 3400.0, 50.0f},
    {700, 385, &SimParams::canopyMaxPitchDeg, nullptr, 0.0, 150.0, 5.0f},
    {700, 405, nullptr, &SimParams::canopyDelayS, 0.0, 2.0, 0.05f},
};

void applyControlDefaults(SimParams& p) {
    p.cgOffsetZ = -0.3f;
    p.seatBackAngleDeg = 18.0f;
    p.catapultOnsetRate = 108.0f;
    p.rocketOnsetRate = 155.0f;
    p.sinkRateFtS = 0.0f;
    p.catapultThrustLb = 9000.0f;
    p.rocketThrustLb = 4800.0f;
    p.canopyRocketThrustLb = 1700.0f;
    p.seatMassKg = 103.0f;
    p.gearMassKg = 30.0f;
    p.canopyMassKg = 80.0f;
    p.mainChuteCd = 1.75f;
    p.drogueCd = 1.4f;
    p.seatManCd = 1.05f;
    p.mainChuteDiameterM = 6.1f;
    p.drogueDiameterM = 0.7f;
    p.rocketBurnTimeS = 0.25f;
    p.canopyRocketBurnTimeS = 0.135f;
    p.playSpeedDivisor = 1.0f;
    p.canopyMaxPitchDeg = 90.0f;
    p.canopyDelayS = 0.25;
}

float seatBackForSpinner(float angleDeg) { return angleDeg > 180.0f ? angleDeg - 360.0f : angleDeg; }

namespace {

constexpr int kLeftTop = 500;   // first row of the left column
constexpr int kRightTop = 490;  // and of the right column
constexpr int kRightColumn = 355;
constexpr int kRowStep = 20;
constexpr int kHeadingIndent = 60;

struct Layout {
    MenuText* lines;
    int capacity;
    int count = 0;
    int panelX;

    MenuText* next() { return count < capacity ? &lines[count++] : nullptr; }
};

float shownAngle(float deg) {
    if (deg < 0.0f) return deg + 360.0f;
    if (deg >= 360.0f) return deg - 360.0f;
    return deg;
}

}  // namespace

#define ROW(column, k, ...)                                                                                   \
    do {                                                                                                       \
        if (MenuText* line = L.next())                                                                         \
            setMenuText(*line, L.panelX + (column ? kRightColumn : 0), (column ? kRightTop : kLeftTop) - kRowStep * (k), \
                        0, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f, __VA_ARGS__);                                         \
    } while (0)
#define HEADING(column, k, text)                                                                               \
    do {                                                                                                       \
        if (MenuText* line = L.next())                                                                         \
            setMenuText(*line, L.panelX + (column ? kRightColumn : 0) + kHeadingIndent,                        \
                        (column ? kRightTop : kLeftTop) - kRowStep * (k), 4, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f, "%s", text); \
    } while (0)

int layoutControlPage(const Simulation& sim, int panelX, MenuText* lines, int capacity) {
    Layout L{lines, capacity, 0, panelX};
    const SimParams& p = sim.params;
    const SimDerived& d = sim.derived;
    const double total = (double)totalMass(p);
    enum { left = 0, right = 1 };

    HEADING(left, 0, " ETC Values");
    ROW(left, 1, "CG off on Z axis = %2.2f", p.cgOffsetZ);
    ROW(left, 2, "Seat back angle = %2.0f", shownAngle(p.seatBackAngleDeg));
    ROW(left, 3, "Catapult onset rate     : %2.2f g/sec", p.catapultOnsetRate);
    ROW(left, 4, "Rocket   onset rate     : %2.2f g/sec", p.rocketOnsetRate);
    ROW(left, 5, "Sink rate               : %4.2f ft/sec", p.sinkRateFtS);
    HEADING(left, 7, " Max Thrust");
    ROW(left, 8, "Catapult : %5.0f LB(=%5.0f KG)  %2.1fG", p.catapultThrustLb, p.catapultThrustLb * kKgPerLb,
        d.catapultG);
    ROW(left, 9, "Rocket   : %5.0f LB(=%5.0f KG)  %2.1fG", p.rocketThrustLb, p.rocketThrustLb * kKgPerLb, d.rocketG);
    ROW(left, 10, "Canopy Jet.Rocket: %5.0f LB(=%5.0f KG) ", p.canopyRocketThrustLb,
        p.canopyRocketThrustLb * kKgPerLb);
    HEADING(left, 11, " Weight");
    ROW(left, 12, "VORIX :  %3.0f Kg (%3.0f lb)", p.seatMassKg, p.seatMassKg * kLbPerKg);
    ROW(left, 13, "Pilot :  %3.0f Kg (%3.0f lb)", p.pilotMassKg, p.pilotMassKg * kLbPerKg);
    ROW(left, 14, "Pilot wear:%3.0f Kg (%3.0flb)Total:%3.0fKG(%3.0fLB)", p.gearMassKg, p.gearMassKg * kLbPerKg, total,
        total * kLbPerKg);
    ROW(left, 15, "Fighter's Canopy :  %3.0f Kg (%3.0f lb )", p.canopyMassKg, p.canopyMassKg * kLbPerKg);
    HEADING(left, 17, " Drag Coefficient(Cd)");
    ROW(left, 18, "Main parachute on pilot  :  %1.3f ", p.mainChuteCd);
    ROW(left, 19, "Vori Drogue chute        :  %1.3f ", p.drogueCd);
    ROW(left, 20, "Seat/Man  package        :  %1.3f ", p.seatManCd);

    HEADING(right, 0, " Area Square meter");
    ROW(right, 1, "Parachute     flying diameter         :  %3.1f meter ", p.mainChuteDiameterM);
    ROW(right, 2, "Drogue-chute  flying diameter         :  %3.1f meter ", p.drogueDiameterM);
    HEADING(right, 4, " Time");
    ROW(right, 5, "VORIX rocket burn time(0.25 default)  :  %2.2f sec", p.rocketBurnTimeS);
    ROW(right, 6, "Canopy Jettison rocket burn time      :  %2.2f sec", p.canopyRocketBurnTimeS);
    ROW(right, 7, "Count down second                     :  %2.2f sec", p.countdownS);
    ROW(right, 8, "on Catapult phase time                :  %2.2f sec", d.catapultPhaseTimeS);
    ROW(right, 9, "Play Speed                            :  1/%1.0f ", p.playSpeedDivisor);
    HEADING(right, 10, " Speed");
    ROW(right, 11, "Initial True Air speed Knot           :  %4.0f knot", p.initialTasKt);
    ROW(right, 12, "Catapult phase end speed              :  %3.2f ft/sec", d.catapultEndSpeedFtS);
    HEADING(right, 14, " ETC");
    ROW(right, 15, "Canopy max pitch prior to release     :  %3.2f ", p.canopyMaxPitchDeg);
    ROW(right, 16, "Canopy delay second prior to eject    :  %1.2f ", p.canopyDelayS);
    return L.count;
}

#undef ROW
#undef HEADING
