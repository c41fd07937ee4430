#include "tools/vorix-sim/injury_report.h"

#include "sim/injury_analysis.h"
#include "tools/vorix-sim/number_text.h"

namespace {

const char* const kResponseNames[kSeatAxisCount][4] = {
    {"drxMax", "drxMaxTimeS", "drxMin", "drxMinTimeS"},
    {"dryMax", "dryMaxTimeS", "dryMin", "dryMinTimeS"},
    {"drzMax", "drzMaxTimeS", "drzMin", "drzMinTimeS"},
};

const char* const kBetaNames[kRiskLevelCount][3] = {
    {"betaLow", "betaLowTimeS", "betaLowPhase"},
    {"betaModerate", "betaModerateTimeS", "betaModeratePhase"},
    {"betaHigh", "betaHighTimeS", "betaHighPhase"},
};

JsonObject peakObject(const char* valueKey, const PhasePeak& p) {
    JsonObject o;
    o.number(valueKey, p.g);
    o.number("timeS", p.timeS);
    return o;
}

void optionalObject(JsonObject& j, const char* key, bool present, const JsonObject& o) {
    if (present) j.nested(key, o);
    else j.nullField(key);
}

std::string cell(double v) { return std::isfinite(v) ? numberText(v) : std::string(); }

}  // namespace

void addResponseFields(JsonObject& j, const ResponsePeaks& p) {
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        j.number(kResponseNames[axis][0], p.plus[axis].value);
        j.number(kResponseNames[axis][1], p.plus[axis].timeS);
        j.number(kResponseNames[axis][2], p.minus[axis].value);
        j.number(kResponseNames[axis][3], p.minus[axis].timeS);
    }
    for (int level = 0; level < kRiskLevelCount; ++level) {
        j.number(kBetaNames[level][0], p.beta[level].value);
        j.number(kBetaNames[level][1], p.beta[level].timeS);
    }
}

void addInjuryFields(JsonObject& j, const InjuryFigures& f) {
    addResponseFields(j, f.response);
    for (int level = 0; level < kRiskLevelCount; ++level)
        j.raw(kBetaNames[level][2], jsonString(kInjuryPhaseNames[f.betaPhase[level]]));
    j.number("responseEndS", f.responseEndS);
    optionalObject(j, "catapult", f.catapult.present, peakObject("peakG", f.catapult));
    optionalObject(j, "rocket", f.rocket.present, peakObject("peakG", f.rocket));
    const WindblastFigures& w = f.windblast;
    JsonObject blast;
    blast.number("peakKpa", w.peakKpa);
    blast.number("peakKeas", w.peakKeas);
    blast.number("peakTimeS", w.peakTimeS);
    blast.number("exposureKpa", w.exposureKpa);
    blast.number("exposureKeas", w.exposureKeas);
    blast.number("exposureTimeS", w.exposureTimeS);
    optionalObject(j, "windblast", w.present, blast);
    optionalObject(j, "openingShock", f.openingShock.present, peakObject("peakG", f.openingShock));
}

void addInjuryColumns(const InjuryFigures& f, bool ok, FigureRow& row) {
    auto number = [&](const char* key, bool present, double v) {
        row.emplace_back(key, ok && present ? cell(v) : std::string());
    };
    const ResponsePeaks& p = f.response;
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        number(kResponseNames[axis][0], true, p.plus[axis].value);
        number(kResponseNames[axis][1], true, p.plus[axis].timeS);
        number(kResponseNames[axis][2], true, p.minus[axis].value);
        number(kResponseNames[axis][3], true, p.minus[axis].timeS);
    }
    for (int level = 0; level < kRiskLevelCount; ++level) {
        number(kBetaNames[level][0], true, p.beta[level].value);
        number(kBetaNames[level][1], true, p.beta[level].timeS);
        row.emplace_back(kBetaNames[level][2], ok ? kInjuryPhaseNames[f.betaPhase[level]] : "");
    }
    number("catapult.peakG", f.catapult.present, f.catapult.g);
    number("rocket.peakG", f.rocket.present, f.rocket.g);
    const WindblastFigures& w = f.windblast;
    number("windblast.peakKpa", w.present, w.peakKpa);
    number("windblast.peakKeas", w.present, w.peakKeas);
    number("windblast.peakTimeS", w.present, w.peakTimeS);
    number("windblast.exposureKpa", w.present, w.exposureKpa);
    number("windblast.exposureKeas", w.present, w.exposureKeas);
    number("openingShock.peakG", f.openingShock.present, f.openingShock.g);
    number("openingShock.timeS", f.openingShock.present, f.openingShock.timeS);
}
