#include "sim/parameter_table.h"

#include <cmath>

namespace {

// Each number of a preset's line belongs to one parameter at most; a second
// copy comes after the first.
constexpr bool sceneNumbersAreDistinct() {
    for (int k = 0; k < kSimParameterCount; ++k) {
        const int* n = kSimParameters[k].sceneValues;
        if (n[0] < 0 || n[1] < 0 || (n[1] && n[1] <= n[0])) return false;
        for (int j = k + 1; j < kSimParameterCount; ++j)
            for (int a = 0; a < 2; ++a)
                for (int b = 0; b < 2; ++b)
                    if (n[a] && n[a] == kSimParameters[j].sceneValues[b]) return false;
    }
    return true;
}
static_assert(sceneNumbersAreDistinct(), "two parameters share a value number of the scene presets");

constexpr bool namesAreDistinct() {
    for (int k = 0; k < kSimParameterCount; ++k)
        if (parameterIndex(kSimParameters[k].name) != k) return false;
    return true;
}
static_assert(namesAreDistinct(), "two parameters share a name");

}  // namespace

ParamTarget paramTarget(const SimParameter& p, const ParamRecords& r) {
    ParamTarget t;
    const ParamField& f = p.field;
    switch (f.record) {
        case ParamField::Params:
            if (f.type == ParamType::Float) t.f = &(r.params->*f.paramsFloat);
            else if (f.type == ParamType::Double) t.d = &(r.params->*f.paramsDouble);
            else t.b = &(r.params->*f.paramsBool);
            break;
        case ParamField::Attitude:
            t.f = &(r.attitude->*f.attitudeFloat);
            break;
        case ParamField::Position:
            t.d = &(r.position->*f.positionDouble);
            break;
    }
    return t;
}

double paramValue(const SimParameter& p, const ConstParamRecords& r) {
    const ParamField& f = p.field;
    switch (f.record) {
        case ParamField::Params:
            if (f.type == ParamType::Float) return r.params->*f.paramsFloat;
            if (f.type == ParamType::Double) return r.params->*f.paramsDouble;
            return r.params->*f.paramsBool ? 1.0 : 0.0;
        case ParamField::Attitude:
            return r.attitude->*f.attitudeFloat;
        case ParamField::Position:
            return r.position->*f.positionDouble;
    }
    return 0.0;
}

void setParamValue(const SimParameter& p, const ParamRecords& r, double value) {
    const ParamTarget t = paramTarget(p, r);
    if (t.f) *t.f = (float)value;
    else if (t.d) *t.d = value;
    else *t.b = value != 0.0;
}

namespace {

void applySettings(const ParamRecords& r, ParamSetting SimParameter::*which) {
    for (const SimParameter& p : kSimParameters)
        if ((p.*which).sets) setParamValue(p, r, (p.*which).value);
}

}  // namespace

void applyStartUpValues(const ParamRecords& r) {
    for (const SimParameter& p : kSimParameters) setParamValue(p, r, p.startUp);
}

void applyHomeValues(const ParamRecords& r) { applySettings(r, &SimParameter::home); }

void applyControlDefaultValues(const ParamRecords& r) { applySettings(r, &SimParameter::controlDefault); }

void captureSceneParameters(const ConstParamRecords& r, float* values) {
    for (const SimParameter& p : kSimParameters)
        for (int n : p.sceneValues)
            if (n > 0) values[n - 1] = (float)paramValue(p, r);
}

void applySceneParameters(const ParamRecords& r, const float* values, int count) {
    // A parameter's copies go to the same field: taken in the order of their
    // numbers, the later one stands. Parameters do not share fields, so the
    // order between rows does not matter.
    for (const SimParameter& p : kSimParameters)
        for (int n : p.sceneValues) {
            if (n <= 0 || n > count) continue;
            // A value that is not a number (never read from a file, but a
            // preset made from a broken state could hold one) leaves its
            // parameter alone.
            if (!std::isfinite(values[n - 1])) continue;
            setParamValue(p, r, (double)values[n - 1]);
        }
}
