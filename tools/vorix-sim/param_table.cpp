#include "tools/vorix-sim/param_table.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sim/simulation.h"

namespace {

enum class Kind { Float, Double, Bool };

struct Entry {
    const char* name;
    Kind kind;
    float* (*floatField)(Simulation&);
    double* (*doubleField)(Simulation&);
    bool* (*boolField)(Simulation&);
};

#define FLOAT_PARAM(field) {#field, Kind::Float, [](Simulation& s) { return &s.params.field; }, nullptr, nullptr}
#define DOUBLE_PARAM(field) {#field, Kind::Double, nullptr, [](Simulation& s) { return &s.params.field; }, nullptr}

const Entry kEntries[] = {
    FLOAT_PARAM(cgOffsetZ),
    FLOAT_PARAM(seatBackAngleDeg),
    FLOAT_PARAM(catapultOnsetRate),
    FLOAT_PARAM(rocketOnsetRate),
    FLOAT_PARAM(sinkRateFtS),
    FLOAT_PARAM(catapultThrustLb),
    FLOAT_PARAM(rocketThrustLb),
    FLOAT_PARAM(canopyRocketThrustLb),
    FLOAT_PARAM(seatMassKg),
    FLOAT_PARAM(pilotMassKg),
    FLOAT_PARAM(gearMassKg),
    FLOAT_PARAM(canopyMassKg),
    FLOAT_PARAM(mainChuteCd),
    FLOAT_PARAM(drogueCd),
    FLOAT_PARAM(seatManCd),
    FLOAT_PARAM(mainChuteDiameterM),
    FLOAT_PARAM(drogueDiameterM),
    FLOAT_PARAM(rocketBurnTimeS),
    FLOAT_PARAM(canopyRocketBurnTimeS),
    DOUBLE_PARAM(countdownS),
    FLOAT_PARAM(playSpeedDivisor),
    FLOAT_PARAM(initialTasKt),
    FLOAT_PARAM(canopyMaxPitchDeg),
    DOUBLE_PARAM(canopyDelayS),
    {"applyGOnFighter", Kind::Bool, nullptr, nullptr, [](Simulation& s) { return &s.params.applyGOnFighter; }},
    {"headingDeg", Kind::Float, [](Simulation& s) { return &s.attitude.headingDeg; }, nullptr, nullptr},
    {"pitchDeg", Kind::Float, [](Simulation& s) { return &s.attitude.pitchDeg; }, nullptr, nullptr},
    {"rollDeg", Kind::Float, [](Simulation& s) { return &s.attitude.rollDeg; }, nullptr, nullptr},
    {"fighterAltitudeM", Kind::Double, nullptr, [](Simulation& s) { return &s.fighterPosition.altitude; }, nullptr},
};

const char* const kNames[] = {
    "cgOffsetZ", "seatBackAngleDeg", "catapultOnsetRate", "rocketOnsetRate", "sinkRateFtS",
    "catapultThrustLb", "rocketThrustLb", "canopyRocketThrustLb", "seatMassKg", "pilotMassKg",
    "gearMassKg", "canopyMassKg", "mainChuteCd", "drogueCd", "seatManCd", "mainChuteDiameterM",
    "drogueDiameterM", "rocketBurnTimeS", "canopyRocketBurnTimeS", "countdownS", "playSpeedDivisor",
    "initialTasKt", "canopyMaxPitchDeg", "canopyDelayS", "applyGOnFighter", "headingDeg", "pitchDeg",
    "rollDeg", "fighterAltitudeM", nullptr,
};

bool parseNumber(const std::string& text, double& out) {
    if (text.empty()) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(v)) return false;
    out = v;
    return true;
}

}  // namespace

const char* const* parameterNames() { return kNames; }

bool setParameterByName(Simulation& sim, const std::string& name, const std::string& value, std::string& error) {
    for (const Entry& e : kEntries) {
        if (name != e.name) continue;
        if (e.kind == Kind::Bool) {
            if (value == "1" || value == "true" || value == "on") *e.boolField(sim) = true;
            else if (value == "0" || value == "false" || value == "off") *e.boolField(sim) = false;
            else {
                error = "value '" + value + "' for " + name + " is not one of 0, 1, true, false, on, off";
                return false;
            }
            return true;
        }
        double v = 0.0;
        if (!parseNumber(value, v)) {
            error = "value '" + value + "' for " + name + " is not a finite number";
            return false;
        }
        if (e.kind == Kind::Float) {
            if (std::fabs(v) > 3.4e38) {
                error = "value '" + value + "' for " + name + " is out of range for a 32-bit float";
                return false;
            }
            *e.floatField(sim) = (float)v;
        } else {
            *e.doubleField(sim) = v;
        }
        return true;
    }
    error = "unknown parameter '" + name + "'";
    return false;
}
