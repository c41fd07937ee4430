#include "tools/vorix-sim/run_geometry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

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

bool prepareRunGeometry(Simulation& sim, const GeometryChoice& choice, GeometryUsed& used, std::string& error) {
    // A changed attitude is normalised (HOME, the keys, the menu, a loaded
    // preset) and the model re-posed at it; the start-up attitude is not
    // touched before the first run.
    if (choice.attitudeChanged) normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
    used.fromModel = false;
    used.modelPath.clear();
    if (!choice.useModel) return true;

    const std::string path = choice.modelPath.empty() ? shippedModelPath() : choice.modelPath;
    SeatAxes axes;
    FighterGeometry geometry = sim.geometry;
    if (!loadFighterModel(path.c_str(), runModel, sim.attitude.pitchDeg, sim.attitude.rollDeg,
                          sim.attitude.headingDeg, sim.params.seatBackAngleDeg, (float)sim.constants.rocketCantDeg,
                          axes, runSnapshot, geometry)) {
        error = "cannot read the fighter model " + path + " (--model FILE chooses one, --no-model uses the built-in geometry)";
        return false;
    }
    if (runModel.partCount < kPartSeat) {
        error = "the fighter model " + path + " has no fighter, canopy and seat parts";
        return false;
    }
    sim.geometry = geometry;
    used.fromModel = true;
    used.modelPath = path;
    return true;
}
