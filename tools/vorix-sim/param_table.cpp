#include "tools/vorix-sim/param_table.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sim/parameter_table.h"
#include "sim/simulation.h"

namespace {

constexpr double kNoLimit = kUnbounded;

constexpr int countToolNames() {
    int n = 0;
    for (const SimParameter& p : kSimParameters) n += p.tool.settable ? 1 : 0;
    return n;
}

// The names --set takes, in the table's order, ending in a null.
struct ToolNames {
    const char* names[countToolNames() + 1] = {};
    constexpr ToolNames() {
        int n = 0;
        for (const SimParameter& p : kSimParameters)
            if (p.tool.settable) names[n++] = p.name;
    }
};
constexpr ToolNames kToolNames;

const SimParameter* findEntry(const std::string& name) {
    for (const SimParameter& p : kSimParameters)
        if (p.tool.settable && name == p.name) return &p;
    return nullptr;
}

std::string limitText(double v) { return v == (long)v ? std::to_string((long)v) : std::to_string(v); }

std::string withUnit(const std::string& text, const SimParameter& e) {
    return *e.unit ? text + " " + e.unit : text;
}

// A parsed value of the entry's type, or false with the reason.
bool parseValue(const SimParameter& e, const std::string& value, double& out, bool& flag, std::string& error) {
    const std::string what = "value '" + value + "' for " + e.name;
    if (e.field.type == ParamType::Bool) {
        if (value == "1" || value == "true" || value == "on") flag = true;
        else if (value == "0" || value == "false" || value == "off") flag = false;
        else {
            error = what + " is not one of 0, 1, true, false, on, off";
            return false;
        }
        return true;
    }
    const bool single = e.field.type == ParamType::Float;
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
    const double lo = e.tool.min, hi = e.tool.max;
    if (v < lo || v > hi) {
        error = std::string(e.name) + " must be " +
                (hi == kNoLimit ? "at least " + withUnit(limitText(lo), e)
                                : "from " + limitText(lo) + " to " + withUnit(limitText(hi), e)) +
                ", got '" + value + "'";
        return false;
    }
    out = v;
    return true;
}

}  // namespace

const char* const* parameterNames() { return kToolNames.names; }

std::string parameterRangeText(const std::string& name) {
    const SimParameter* e = findEntry(name);
    if (!e || e->field.type == ParamType::Bool) return std::string();
    const double lo = e->tool.min, hi = e->tool.max;
    if (lo == -kNoLimit && hi == kNoLimit) return std::string();
    if (hi == kNoLimit) return withUnit(limitText(lo) + " or more", *e);
    return withUnit(limitText(lo) + " .. " + limitText(hi), *e);
}

bool checkParameterValue(const std::string& name, const std::string& value, std::string& error) {
    const SimParameter* e = findEntry(name);
    if (!e) {
        error = "unknown parameter '" + name + "'";
        return false;
    }
    double v = 0.0;
    bool flag = false;
    return parseValue(*e, value, v, flag, error);
}

bool setParameterByName(Simulation& sim, const std::string& name, const std::string& value, std::string& error) {
    const SimParameter* e = findEntry(name);
    if (!e) {
        error = "unknown parameter '" + name + "'";
        return false;
    }
    double v = 0.0;
    bool flag = false;
    if (!parseValue(*e, value, v, flag, error)) return false;
    const ParamTarget target = paramTarget(*e, {&sim.params, &sim.attitude, &sim.fighterPosition});
    if (target.b) *target.b = flag;
    else if (target.f) *target.f = (float)v;
    else *target.d = v;
    return true;
}
