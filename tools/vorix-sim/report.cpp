#include "tools/vorix-sim/report.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "sim/run_analysis.h"
#include "sim/simulation.h"
#include "sim/spine_model.h"
#include "tools/vorix-sim/run_geometry.h"

std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

namespace {

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += (char)c;
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}

// One JSON object built field by field. A number that should be there but is
// not finite is remembered: the run's figures are then not to be trusted.
class JsonObject {
public:
    void raw(const char* key, const std::string& value) {
        text_ += text_.empty() ? "{" : ",";
        text_ += "\"";
        text_ += key;
        text_ += "\":";
        text_ += value;
    }
    void number(const char* key, double v) {
        if (!std::isfinite(v) && firstNonFinite_.empty()) firstNonFinite_ = key;
        raw(key, jsonNumber(v));
    }
    void nullField(const char* key) { raw(key, "null"); }
    // A number that exists only when `present`.
    void optional(const char* key, bool present, double v) {
        if (present) number(key, v);
        else nullField(key);
    }
    void nested(const char* key, const JsonObject& child) {
        if (!child.firstNonFinite_.empty() && firstNonFinite_.empty())
            firstNonFinite_ = std::string(key) + "." + child.firstNonFinite_;
        raw(key, child.close());
    }
    std::string close() const { return (text_.empty() ? std::string("{") : text_) + "}"; }
    const std::string& firstNonFinite() const { return firstNonFinite_; }

private:
    std::string text_;
    std::string firstNonFinite_;
};

JsonObject point(double x, double y, double z) {
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

RunReport errorReport(const Simulation& sim, const GeometryUsed& used, const std::string& error) {
    JsonObject j;
    j.raw("error", jsonString(error));
    if (sim.run.diverged) j.number("divergedAtS", sim.run.divergedAtS);
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

std::string flatNumber(double v) { return std::isfinite(v) ? jsonNumber(v) : std::string(); }

std::string flatBool(bool b) { return b ? "true" : "false"; }

}  // namespace

void flatRunFigures(const Simulation& sim, const RunAnalysis& a, FigureRow& row) {
    row.clear();
    const std::string failure = runFailure(sim);
    const bool ok = failure.empty();
    const bool sensed = sim.sequencerRun.modeSensed;
    const double runEnd = sim.trajectory->lastIndex * 0.001;
    auto number = [&](const char* key, bool present, double v) {
        row.emplace_back(key, ok && present ? flatNumber(v) : std::string());
    };
    row.emplace_back("seqMode", ok && sensed ? std::to_string(sim.times.seqMode) : std::string());
    number("catapultPhaseTimeS", true, sim.derived.catapultPhaseTimeS);
    number("catapultEndSpeedFtS", true, sim.derived.catapultEndSpeedFtS);
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
    row.emplace_back("error", failure);
}

bool writeTrajectoryCsv(const Simulation& sim, const SpinalSeries& spine, const std::string& path,
                        std::string& error) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "w");
    if (!f) {
        error = "cannot write " + tmp + ": " + std::strerror(errno);
        return false;
    }
    const Trajectory& tr = *sim.trajectory;
    bool ok = std::fputs("t,px,py,pz,vx,vy,vz,ax,ay,az,phase,spinalInputG,spinalResponseG\n", f) >= 0;
    for (int i = 1; ok && i <= tr.lastIndex; ++i) {
        const bool spinal = i < spine.count;
        ok = std::fprintf(f, "%.3f,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%d,%.9g,%.9g\n", i * 0.001,
                          tr.px[i], tr.py[i], tr.pz[i], tr.vx[i], tr.vy[i], tr.vz[i], tr.ax[i], tr.ay[i], tr.az[i],
                          (int)tr.phase[i], spinal ? spine.inputG[i] : 0.0, spinal ? spine.responseG[i] : 0.0) > 0;
    }
    if (std::fclose(f) != 0) ok = false;
    if (!ok) {
        error = "writing " + tmp + " failed";
        std::remove(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + tmp + " to " + path + ": " + std::strerror(errno);
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}
