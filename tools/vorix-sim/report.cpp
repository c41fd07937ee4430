#include "tools/vorix-sim/report.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "sim/injury_analysis.h"
#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "sim/spine_model.h"
#include "tools/vorix-sim/injury_report.h"
#include "tools/vorix-sim/interrupt.h"
#include "tools/vorix-sim/number_text.h"
#include "tools/vorix-sim/output_file.h"
#include "tools/vorix-sim/run_geometry.h"

namespace {

template <typename T>
JsonObject point(T x, T y, T z) {
    JsonObject p;
    p.number("x", x);
    p.number("y", y);
    p.number("z", z);
    return p;
}

JsonObject geometryObject(const Simulation& sim, const GeometryUsed& used) {
    JsonObject g;
    g.raw("source", used.fromModel ? jsonString(used.modelPath) : std::string("\"built-in\""));
    g.number("mountingHeightM", sim.runMountingHeightM);
    g.number("canopyMountPitchDeg", sim.geometry.canopyMountAnglesDeg.y);
    return g;
}

}  // namespace

std::string runFailure(const Simulation& sim) {
    if (sim.catapult.strokeResult == 0)
        return "the seat never leaves the fighter: the catapult cannot overcome the package's weight along the rails";
    if (sim.catapult.strokeResult < 0)
        return "the seat never leaves the fighter: the catapult stroke does not end within 600 s";
    if (sim.run.diverged) {
        char text[120];
        std::snprintf(text, sizeof text, "the run diverged: its state stopped being finite at t = %.3f s",
                      sim.run.divergedAtS);
        return text;
    }
    return std::string();
}

namespace {

// An event time is reported when it was set in this run and falls inside
// the computed samples; otherwise it did not happen.
void eventTime(JsonObject& j, const char* key, double t, bool setInRun, double runEnd) {
    j.optional(key, setInRun && t <= runEnd, t);
}

// The seat stayed in the fighter: its catapult figures are still defined.
bool neverLeft(const Simulation& sim) { return sim.catapult.strokeResult <= 0; }

RunReport errorReport(const Simulation& sim, const GeometryUsed& used, const std::string& error) {
    JsonObject j;
    j.raw("error", jsonString(error));
    if (neverLeft(sim)) {
        const SimDerived& d = sim.derived;
        j.number("catapultPhaseTimeS", d.catapultPhaseTimeS);
        j.number("catapultEndSpeedFtS", d.catapultEndSpeedFtS);
        j.number("catapultG", d.catapultG);
        j.number("gravityG", d.gravityG);
        j.number("rocketG", d.rocketG);
    } else if (sim.run.diverged) {
        j.number("divergedAtS", sim.run.divergedAtS);
    }
    j.nested("geometry", geometryObject(sim, used));
    return RunReport{j.close() + "\n", error};
}

}  // namespace

RunReport buildRunReport(const Simulation& sim, const RunAnalysis& analysis, const GeometryUsed& used) {
    const std::string failure = runFailure(sim);
    if (!failure.empty()) return errorReport(sim, used, failure);

    const Trajectory& tr = *sim.trajectory;
    const SequencerTimes& s = sim.times;
    const bool sensed = sim.sequencerRun.modeSensed;
    const double runEnd = tr.lastIndex * 0.001;
    JsonObject j;
    j.number("catapultPhaseTimeS", sim.derived.catapultPhaseTimeS);
    j.number("catapultEndSpeedFtS", sim.derived.catapultEndSpeedFtS);
    j.number("catapultG", sim.derived.catapultG);
    j.number("gravityG", sim.derived.gravityG);
    j.number("rocketG", sim.derived.rocketG);
    j.number("maxDragG", sim.derived.maxDragG);
    j.number("maxDragTimeS", sim.run.largestDragTimeS);
    j.raw("seqMode", sensed ? std::to_string(s.seqMode) : "null");
    eventTime(j, "tRocketFire", s.tRocketFire, true, runEnd);
    eventTime(j, "tDrogueFire", s.tDrogueFire, sensed, runEnd);
    eventTime(j, "tMainFire", s.tMainFire, sensed, runEnd);
    eventTime(j, "tDrogueRelease", s.tDrogueRelease, sensed, runEnd);
    eventTime(j, "tSeparationEnable", s.tSeparationEnable, sensed, runEnd);
    eventTime(j, "tSeatManSeparation", s.tSeatManSeparation, sim.sequencerRun.seatSeparated, runEnd);
    eventTime(j, "tLineStretch", s.tLineStretch, sim.lineStretch.stretched, runEnd);
    if (sim.run.landed) {
        const double* p = sim.run.landingP;
        JsonObject landing = point(p[0], p[1], p[2]);
        landing.number("t", sim.run.landingTimeS);
        j.nested("landing", landing);
    } else {
        j.nullField("landing");
    }
    j.number("apexHeightM", sim.run.apexHeightM);
    j.number("lastSampleTimeS", runEnd);
    j.raw("mainChuteFullyOpen", sim.mainChute.fullyOpen ? "true" : "false");
    j.optional("mainChuteFullyOpenTauS", sim.mainChute.fullyOpen, sim.mainChute.fullyOpenTime);
    j.optional("canopyReleaseTimeS", sim.canopy.released, sim.canopy.releaseTime);
    if (sim.emptySeat.computed && sim.emptySeat.landed) {
        const Vec3& p = sim.emptySeat.landingPosition;
        j.nested("emptySeatLanding", point(p.x, p.y, p.z));
    } else {
        j.nullField("emptySeatLanding");
    }
    j.number("dri", analysis.dri);
    j.number("driTimeS", analysis.driTimeS);
    j.number("driLimit", kDriLimit);
    j.raw("spinalRiskRaised", analysis.spinalRiskRaised ? "true" : "false");
    addInjuryFields(j, analysis.injury);
    j.optional("fullyOpenTimeS", analysis.fullyOpen, analysis.fullyOpenTimeS);
    j.optional("fullyOpenHeightM", analysis.fullyOpen, analysis.fullyOpenHeightM);
    if (analysis.touchdown.reached) {
        const Touchdown& td = analysis.touchdown;
        JsonObject t;
        t.number("timeS", td.timeS);
        t.number("verticalSpeedMs", td.verticalSpeedMs);
        t.number("horizontalSpeedMs", td.horizontalSpeedMs);
        t.number("x", td.position[0]);
        t.number("y", td.position[1]);
        j.nested("touchdown", t);
    } else {
        j.nullField("touchdown");
    }
    j.raw("chuteOpenBeforeTouchdown", analysis.chuteOpenBeforeTouchdown ? "true" : "false");
    j.nested("geometry", geometryObject(sim, used));

    if (!j.firstNonFinite().empty())
        return errorReport(sim, used, "the run diverged: " + j.firstNonFinite() + " is not finite");
    return RunReport{j.close() + "\n", std::string()};
}

namespace {

template <typename T>
std::string flatNumber(T v) {
    return std::isfinite(v) ? numberText(v) : std::string();
}

std::string flatBool(bool b) { return b ? "true" : "false"; }

}  // namespace

void flatRunFigures(const Simulation& sim, const RunAnalysis& a, FigureRow& row) {
    row.clear();
    const std::string failure = runFailure(sim);
    const bool ok = failure.empty();
    const bool sensed = sim.sequencerRun.modeSensed;
    const double runEnd = sim.trajectory->lastIndex * 0.001;
    auto number = [&](const char* key, bool present, auto v) {
        row.emplace_back(key, ok && present ? flatNumber(v) : std::string());
    };
    // A seat that stays in the fighter still has its catapult figures.
    auto catapultNumber = [&](const char* key, float v) {
        row.emplace_back(key, ok || neverLeft(sim) ? flatNumber(v) : std::string());
    };
    row.emplace_back("seqMode", ok && sensed ? std::to_string(sim.times.seqMode) : std::string());
    catapultNumber("catapultPhaseTimeS", sim.derived.catapultPhaseTimeS);
    catapultNumber("catapultEndSpeedFtS", sim.derived.catapultEndSpeedFtS);
    number("maxDragG", true, sim.derived.maxDragG);
    number("maxDragTimeS", true, sim.run.largestDragTimeS);
    number("apexHeightM", true, sim.run.apexHeightM);
    number("canopyReleaseTimeS", sim.canopy.released, sim.canopy.releaseTime);
    number("tMainFire", sensed && sim.times.tMainFire <= runEnd, sim.times.tMainFire);
    number("tSeatManSeparation", sim.sequencerRun.seatSeparated && sim.times.tSeatManSeparation <= runEnd,
           sim.times.tSeatManSeparation);
    number("dri", true, a.dri);
    number("driTimeS", true, a.driTimeS);
    row.emplace_back("spinalRiskRaised", ok ? flatBool(a.spinalRiskRaised) : std::string());
    number("fullyOpenTimeS", a.fullyOpen, a.fullyOpenTimeS);
    number("fullyOpenHeightM", a.fullyOpen, a.fullyOpenHeightM);
    number("touchdownTimeS", a.touchdown.reached, a.touchdown.timeS);
    number("touchdownVerticalSpeedMs", a.touchdown.reached, a.touchdown.verticalSpeedMs);
    number("touchdownHorizontalSpeedMs", a.touchdown.reached, a.touchdown.horizontalSpeedMs);
    row.emplace_back("chuteOpenBeforeTouchdown", ok ? flatBool(a.chuteOpenBeforeTouchdown) : std::string());
    addInjuryColumns(a.injury, ok, row);
    row.emplace_back("error", failure);
}

const char* const kTrajectoryCsvHeader =
    "t,px,py,pz,vx,vy,vz,ax,ay,az,phase,spinalInputG,spinalResponseG,"
    "inputXG,inputYG,drxPlus,drxMinus,dryPlus,dryMinus,drzPlus,drzMinus,betaLow";

bool writeTrajectoryCsv(const Simulation& sim, const SpinalSeries& spine, const ResponseSeries& response,
                        OutputFile& out, std::string& error) {
    const Trajectory& tr = *sim.trajectory;
    bool ok = out.write(std::string(kTrajectoryCsvHeader) + "\n");
    std::string line;
    for (int i = 1; ok && i <= tr.lastIndex; ++i) {
        const bool spinal = i < spine.count;
        char t[24];
        std::snprintf(t, sizeof t, "%.3f", i * 0.001);
        line = t;
        for (const double* column : {tr.px, tr.py, tr.pz, tr.vx, tr.vy, tr.vz, tr.ax, tr.ay, tr.az}) {
            line += ',';
            line += numberText(column[i]);
        }
        line += ',';
        line += std::to_string((int)tr.phase[i]);
        line += ',';
        line += numberText(spinal ? spine.inputG[i] : 0.0f);
        line += ',';
        line += numberText(spinal ? spine.responseG[i] : 0.0f);
        // The whole body's response covers the seat/man phase only.
        const bool seatMan = i < response.count;
        for (const float* column : {response.inputG[kSeatX], response.inputG[kSeatY], response.plus[kSeatX],
                                    response.minus[kSeatX], response.plus[kSeatY], response.minus[kSeatY],
                                    response.plus[kSeatZ], response.minus[kSeatZ], response.betaLow}) {
            line += ',';
            if (seatMan) line += numberText(column[i]);
        }
        line += '\n';
        ok = out.write(line);
        if ((i & 4095) == 0 && interruptSignal() != 0) {
            out.discard();
            error = "stopped before " + out.name() + " was written";
            return false;
        }
    }
    return out.finish(error) && ok;
}
