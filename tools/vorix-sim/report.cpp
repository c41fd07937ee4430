#include "tools/vorix-sim/report.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "sim/simulation.h"

std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

namespace {

// An event time is reported when it was set in this run and falls inside
// the computed samples; otherwise it did not happen.
std::string eventTime(double t, bool setInRun, double runEnd) {
    if (!setInRun || !(t <= runEnd)) return "null";
    return jsonNumber(t);
}

void field(std::string& out, const char* key, const std::string& value) {
    if (out.size() > 1) out += ",";
    out += "\"";
    out += key;
    out += "\":";
    out += value;
}

}  // namespace

void writeJsonReport(const Simulation& sim, std::FILE* out) {
    const Trajectory& tr = *sim.trajectory;
    const SequencerTimes& s = sim.times;
    const bool sensed = sim.sequencerRun.modeSensed;
    const double runEnd = tr.lastIndex * 0.001;
    std::string j = "{";
    field(j, "catapultPhaseTimeS", jsonNumber(sim.derived.catapultPhaseTimeS));
    field(j, "catapultEndSpeedFtS", jsonNumber(sim.derived.catapultEndSpeedFtS));
    field(j, "catapultG", jsonNumber(sim.derived.catapultG));
    field(j, "gravityG", jsonNumber(sim.derived.gravityG));
    field(j, "rocketG", jsonNumber(sim.derived.rocketG));
    field(j, "maxDragG", jsonNumber(sim.derived.maxDragG));
    field(j, "maxDragTimeS", jsonNumber(sim.run.largestDragTimeS));
    field(j, "seqMode", sensed ? std::to_string(s.seqMode) : "null");
    field(j, "tRocketFire", eventTime(s.tRocketFire, true, runEnd));
    field(j, "tDrogueFire", eventTime(s.tDrogueFire, sensed, runEnd));
    field(j, "tMainFire", eventTime(s.tMainFire, sensed, runEnd));
    field(j, "tDrogueRelease", eventTime(s.tDrogueRelease, sensed, runEnd));
    field(j, "tSeparationEnable", eventTime(s.tSeparationEnable, sensed, runEnd));
    field(j, "tSeatManSeparation", eventTime(s.tSeatManSeparation, sim.sequencerRun.seatSeparated, runEnd));
    field(j, "tLineStretch", eventTime(s.tLineStretch, sim.lineStretch.stretched, runEnd));
    if (sim.run.landed) {
        std::string l = "{\"x\":" + jsonNumber(sim.run.landingP[0]) + ",\"y\":" + jsonNumber(sim.run.landingP[1]) +
                        ",\"z\":" + jsonNumber(sim.run.landingP[2]) + ",\"t\":" + jsonNumber(sim.run.landingTimeS) + "}";
        field(j, "landing", l);
    } else {
        field(j, "landing", "null");
    }
    field(j, "apexHeightM", jsonNumber(sim.run.apexHeightM));
    field(j, "lastSampleTimeS", jsonNumber(runEnd));
    field(j, "mainChuteFullyOpen", sim.mainChute.fullyOpen ? "true" : "false");
    field(j, "mainChuteFullyOpenTauS",
          sim.mainChute.fullyOpen ? jsonNumber(sim.mainChute.fullyOpenTime) : std::string("null"));
    field(j, "canopyReleaseTimeS", sim.canopy.released ? jsonNumber(sim.canopy.releaseTime) : std::string("null"));
    field(j, "emptySeatLanding",
          sim.emptySeat.computed && sim.emptySeat.landed
              ? "{\"x\":" + jsonNumber(sim.emptySeat.landingPosition.x) + ",\"y\":" +
                    jsonNumber(sim.emptySeat.landingPosition.y) + ",\"z\":" +
                    jsonNumber(sim.emptySeat.landingPosition.z) + "}"
              : std::string("null"));
    j += "}\n";
    std::fputs(j.c_str(), out);
}

bool writeTrajectoryCsv(const Simulation& sim, const std::string& path, std::string& error) {
    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "w");
    if (!f) {
        error = "cannot write " + tmp + ": " + std::strerror(errno);
        return false;
    }
    const Trajectory& tr = *sim.trajectory;
    bool ok = std::fputs("t,px,py,pz,vx,vy,vz,ax,ay,az,phase\n", f) >= 0;
    for (int i = 1; ok && i <= tr.lastIndex; ++i) {
        ok = std::fprintf(f, "%.3f,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%d\n", i * 0.001, tr.px[i],
                          tr.py[i], tr.pz[i], tr.vx[i], tr.vy[i], tr.vz[i], tr.ax[i], tr.ay[i], tr.az[i],
                          (int)tr.phase[i]) > 0;
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
