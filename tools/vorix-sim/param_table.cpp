#include "tools/vorix-sim/param_table.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sim/simulation.h"

namespace {

enum class Kind { Float, Double, Bool };

constexpr double kNoLimit = HUGE_VAL;

struct Entry {
    const char* name;
    Kind kind;
    float* (*floatField)(Simulation&);
    double* (*doubleField)(Simulation&);
    bool* (*boolField)(Simulation&);
    // The values a seat can have; any finite value where both are unlimited.
    double lo = -kNoLimit, hi = kNoLimit;
    const char* unit = "";
};

#define FLOAT_PARAM(field, ...) {#field, Kind::Float, [](Simulation& s) { return &s.params.field; }, nullptr, nullptr, __VA_ARGS__}
#define DOUBLE_PARAM(field, ...) {#field, Kind::Double, nullptr, [](Simulation& s) { return &s.params.field; }, nullptr, __VA_ARGS__}
#define ANY -kNoLimit, kNoLimit

// Masses, thrusts, drag coefficients, diameters, onset rates and times are
// not negative; the upper ends lie well past the CONTROL page's spinners and
// short of values no seat has (a drag coefficient of 1e15, a 5000 kt ejection).
const Entry kEntries[] = {
    FLOAT_PARAM(cgOffsetZ, ANY),
    FLOAT_PARAM(seatBackAngleDeg, ANY, "degrees"),
    FLOAT_PARAM(catapultOnsetRate, 0, 100000, "g/s"),
    FLOAT_PARAM(rocketOnsetRate, 0, 100000, "g/s"),
    FLOAT_PARAM(sinkRateFtS, -3000, 3000, "ft/s"),
    FLOAT_PARAM(catapultThrustLb, 0, 100000, "lb"),
    FLOAT_PARAM(rocketThrustLb, 0, 100000, "lb"),
    FLOAT_PARAM(canopyRocketThrustLb, 0, 100000, "lb"),
    FLOAT_PARAM(seatMassKg, 0, 1000, "kg"),
    FLOAT_PARAM(pilotMassKg, 0, 1000, "kg"),
    FLOAT_PARAM(gearMassKg, 0, 1000, "kg"),
    FLOAT_PARAM(canopyMassKg, 0, 1000, "kg"),
    FLOAT_PARAM(mainChuteCd, 0, 10),
    FLOAT_PARAM(drogueCd, 0, 10),
    FLOAT_PARAM(seatManCd, 0, 10),
    FLOAT_PARAM(mainChuteDiameterM, 0, 30, "m"),
    FLOAT_PARAM(drogueDiameterM, 0, 30, "m"),
    FLOAT_PARAM(rocketBurnTimeS, 0, 600, "s"),
    FLOAT_PARAM(canopyRocketBurnTimeS, 0, 600, "s"),
    DOUBLE_PARAM(countdownS, 0, 600, "s"),
    FLOAT_PARAM(playSpeedDivisor, ANY),
    FLOAT_PARAM(initialTasKt, 0, 3400, "kt"),
    FLOAT_PARAM(canopyMaxPitchDeg, ANY, "degrees"),
    DOUBLE_PARAM(canopyDelayS, 0, 600, "s"),
    {"applyGOnFighter", Kind::Bool, nullptr, nullptr, [](Simulation& s) { return &s.params.applyGOnFighter; }},
    {"headingDeg", Kind::Float, [](Simulation& s) { return &s.attitude.headingDeg; }, nullptr, nullptr, ANY, "degrees"},
    {"pitchDeg", Kind::Float, [](Simulation& s) { return &s.attitude.pitchDeg; }, nullptr, nullptr, ANY, "degrees"},
    {"rollDeg", Kind::Float, [](Simulation& s) { return &s.attitude.rollDeg; }, nullptr, nullptr, ANY, "degrees"},
    // The ground is at 0.
    {"fighterAltitudeM", Kind::Double, nullptr, [](Simulation& s) { return &s.fighterPosition.altitude; }, nullptr,
     0, kNoLimit, "m"},
};

#undef ANY

const char* const kNames[] = {
    "cgOffsetZ", "seatBackAngleDeg", "catapultOnsetRate", "rocketOnsetRate", "sinkRateFtS",
    "catapultThrustLb", "rocketThrustLb", "canopyRocketThrustLb", "seatMassKg", "pilotMassKg",
    "gearMassKg", "canopyMassKg", "mainChuteCd", "drogueCd", "seatManCd", "mainChuteDiameterM",
    "drogueDiameterM", "rocketBurnTimeS", "canopyRocketBurnTimeS", "countdownS", "playSpeedDivisor",
    "initialTasKt", "canopyMaxPitchDeg", "canopyDelayS", "applyGOnFighter", "headingDeg", "pitchDeg",
    "rollDeg", "fighterAltitudeM", nullptr,
};

const Entry* findEntry(const std::string& name) {
    for (const Entry& e : kEntries)
        if (name == e.name) return &e;
    return nullptr;
}

std::string limitText(double v) { return v == (long)v ? std::to_string((long)v) : std::to_string(v); }

std::string withUnit(const std::string& text, const Entry& e) {
    return *e.unit ? text + " " + e.unit : text;
}

// A parsed value of the entry's type, or false with the reason.
bool parseValue(const Entry& e, const std::string& value, double& out, bool& flag, std::string& error) {
    const std::string what = "value '" + value + "' for " + e.name;
    if (e.kind == Kind::Bool) {
        if (value == "1" || value == "true" || value == "on") flag = true;
        else if (value == "0" || value == "false" || value == "off") flag = false;
        else {
            error = what + " is not one of 0, 1, true, false, on, off";
            return false;
        }
        return true;
    }
    const bool single = e.kind == Kind::Float;
    const char* width = single ? "a 32-bit float" : "a 64-bit float";
    const char* begin = value.c_str();
    char* end = nullptr;
    errno = 0;
    const double v = value.empty() ? 0.0 : std::strtod(begin, &end);
    if (value.empty() || end == begin || *end != '\0') {
        error = what + " is not a number";
        return false;
    }
    if (std::isnan(v) || (std::isinf(v) && errno != ERANGE)) {
        error = what + " is not a finite number";
        return false;
    }
    const bool tooLarge = std::isinf(v) || (single && std::fabs(v) > FLT_MAX);
    if (tooLarge) {
        error = what + " is too large for " + width;
        return false;
    }
    // strtod reports a result below the smallest normal double (0 or
    // subnormal) as out of range; a float field has its own smallest.
    const bool tooSmall = errno == ERANGE || (single && v != 0.0 && std::fabs(v) < FLT_MIN);
    if (tooSmall) {
        error = what + " is too small for " + width + " (the smallest is " +
                (single ? "1.17549435e-38" : "2.2250738585072014e-308") + ")";
        return false;
    }
    if (v < e.lo || v > e.hi) {
        error = std::string(e.name) + " must be " +
                (e.hi == kNoLimit ? "at least " + withUnit(limitText(e.lo), e)
                                  : "from " + limitText(e.lo) + " to " + withUnit(limitText(e.hi), e)) +
                ", got '" + value + "'";
        return false;
    }
    out = v;
    return true;
}

}  // namespace

const char* const* parameterNames() { return kNames; }

std::string parameterRangeText(const std::string& name) {
    const Entry* e = findEntry(name);
    if (!e || e->kind == Kind::Bool) return std::string();
    if (e->lo == -kNoLimit && e->hi == kNoLimit) return std::string();
    if (e->hi == kNoLimit) return withUnit(limitText(e->lo) + " or more", *e);
    return withUnit(limitText(e->lo) + " .. " + limitText(e->hi), *e);
}

bool checkParameterValue(const std::string& name, const std::string& value, std::string& error) {
    const Entry* e = findEntry(name);
    if (!e) {
        error = "unknown parameter '" + name + "'";
        return false;
    }
    double v = 0.0;
    bool flag = false;
    return parseValue(*e, value, v, flag, error);
}

bool setParameterByName(Simulation& sim, const std::string& name, const std::string& value, std::string& error) {
    const Entry* e = findEntry(name);
    if (!e) {
        error = "unknown parameter '" + name + "'";
        return false;
    }
    double v = 0.0;
    bool flag = false;
    if (!parseValue(*e, value, v, flag, error)) return false;
    if (e->kind == Kind::Bool) *e->boolField(sim) = flag;
    else if (e->kind == Kind::Float) *e->floatField(sim) = (float)v;
    else *e->doubleField(sim) = v;
    return true;
}
