#include "tools/vorix-sim/run_geometry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "platform/error_report.h"
#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "sim/simulation.h"

namespace {

constexpr const char* kShippedModel = "Data/poly.txt";

// The model is large; one static instance, as in the program.
PolyModel runModel;
PartSnapshot runSnapshot;

bool isFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string shippedModelPath() {
    if (isFile(kShippedModel)) return kShippedModel;
    char exe[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        exe[n] = '\0';
        std::string dir(exe);
        size_t slash = dir.rfind('/');
        if (slash != std::string::npos) {
            std::string beside = dir.substr(0, slash + 1) + kShippedModel;
            if (isFile(beside)) return beside;
        }
    }
    return kShippedModel;
}

bool loadRunModel(const GeometryChoice& choice, GeometryUsed& used, std::string& error) {
    used = GeometryUsed();
    if (!choice.useModel) return true;
    const std::string path = choice.modelPath.empty() ? shippedModelPath() : choice.modelPath;
    // Posed as the program's start-up poses it: start-up attitude and seat back.
    SimParams params;
    SimConstants constants;
    FighterAttitude attitude;
    FighterPosition position;
    setDefaultParams(params, constants, attitude, position);
    SeatAxes axes;
    FighterGeometry geometry;
    LoadError loadError;
    if (!loadFighterModel(path.c_str(), runModel, attitude.pitchDeg, attitude.rollDeg, attitude.headingDeg,
                          params.seatBackAngleDeg, (float)constants.rocketCantDeg, axes, runSnapshot, geometry,
                          &loadError)) {
        errorBox(loadError.text);
        error = "cannot read the fighter model " + path + " (--model FILE chooses one, --no-model uses the built-in geometry)";
        return false;
    }
    if (runModel.partCount < kPartSeat) {
        error = "the fighter model " + path + " has no fighter, canopy and seat parts";
        return false;
    }
    used.fromModel = true;
    used.modelPath = path;
    used.model = &runModel;
    return true;
}

void applyRunGeometry(Simulation& sim, const GeometryUsed& used, bool attitudeChanged) {
    if (attitudeChanged) normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
    if (!used.model) return;
    const FighterAttitude& a = sim.attitude;
    fillFighterGeometry(*used.model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.geometry);
}
