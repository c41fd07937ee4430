// vorix-sceneshot DATA_PARENT OUT_DIR RUN [SECONDS:VIEW ...]: plays one
// ejection on a fixed clock (frames every 10 ms of flight time) and renders
// the scene, world and bodies, at the given flight times into
// OUT_DIR/RUN_SECONDS_VIEW.png.
//   RUN: zerozero (Home values), mode2 (450 kt at 300 m), crash (150 kt at
//        120 m with "Apply G on Fighter"), mode5 (250 kt at 5600 m).
//   VIEW: near (12 m off the pilot), wide (60 m off), fighter (30 m off the
//        fighter), above (35 m over the pilot, looking down), cockpit, low,
//        town and airfield (the buildings, which this tool always shows).
#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/textures.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/bodies.h"
#include "render/frame_steps.h"
#include "render/model_geometry.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "render/world_draw.h"
#include "sim/playback.h"
#include "sim/playback_clocks.h"
#include "sim/simulation.h"
#include "tools/png/png_file.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

struct ViewSpec {
    Vec3 eye, target;
};

ViewSpec viewFor(const std::string& name) {
    const BodyState& b = bodyState;
    const Vec3 pilot = b.packagePoint + Vec3(0.0f, 4.0f, 2.4f);
    const Vec3 fighter = b.fighterPoint + Vec3(0.0f, 6.0f, 2.0f);
    if (name == "wide") return {pilot + Vec3(-50, -30, 12), pilot};
    if (name == "fighter") return {fighter + Vec3(-24, -16, 8), fighter};
    if (name == "above") return {pilot + Vec3(0.5f, 0.5f, 35), pilot};
    if (name == "cockpit") return {b.fighterPoint + Vec3(-4.5f, 1.0f, 5.0f), b.fighterPoint + Vec3(0, 4.2f, 3.0f)};
    if (name == "low") return {Vec3(pilot.x - 40, pilot.y - 25, 1.6f), pilot};
    if (name == "town") return {Vec3(150, -150, 40), Vec3(-400, 600, 0)};
    if (name == "tower") return {Vec3(100, -40, 80), Vec3(136.5f, -3.5f, 78)};
    if (name == "airfield") return {Vec3(-20, 150, 12), Vec3(40, 230, 6)};
    return {pilot + Vec3(-10, -6, 3), pilot};
}

void drawScene(const ViewSpec& v, uint32_t nowMs) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(v.eye.x, v.eye.y, v.eye.z, v.target.x, v.target.y, v.target.z, 0, 1, 90);
    setupLights(sceneLight, v.eye);
    // The clear colour of the sky row takes effect at the next clear.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFogStep();
    updateWorldClock(nowMs);
    drawGroundStep(v.eye, nowMs);
    drawTower();
    drawReferenceLineStep();
    drawBuildingsStep();
    drawSunMarkerStep();
    drawTreesStep();
    drawBodies(planBodies(v.eye), v.eye);
}

bool savePicture(const std::string& path) {
    std::vector<unsigned char> pixels((size_t)kWidth * kHeight * 3), rows(pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    for (int y = 0; y < kHeight; ++y)
        std::memcpy(&rows[(size_t)y * kWidth * 3], &pixels[(size_t)(kHeight - 1 - y) * kWidth * 3], (size_t)kWidth * 3);
    return writePngFile(path, kWidth, kHeight, 3, rows);
}

void setUpRun(Simulation& sim, const std::string& run) {
    resetToZeroZero(sim, 0);
    if (run == "mode2") {
        sim.params.initialTasKt = 450.0f;
        sim.fighterPosition.altitude = 300.0;
    } else if (run == "crash") {
        sim.params.initialTasKt = 150.0f;
        sim.fighterPosition.altitude = 120.0;
        sim.params.applyGOnFighter = true;
    } else if (run == "mode5") {
        sim.params.initialTasKt = 250.0f;
        sim.fighterPosition.altitude = 5600.0;
    }
    normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
    applyFighterAttitude(polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg, sim.attitude.headingDeg,
                         sim.params.seatBackAngleDeg, seatAxes, partSnapshot);
    refreshSeatStartOffset(polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg, sim.attitude.headingDeg,
                           sim.geometry);
    deriveCatapult(sim);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: vorix-sceneshot DATA_PARENT_DIR OUT_DIR RUN [SECONDS:VIEW ...]\n");
        return 2;
    }
    std::string out = argv[2], run = argv[3];
    if (out[0] != '/') {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd)) out = std::string(cwd) + "/" + out;
    }
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "vorix-sceneshot: cannot enter %s\n", argv[1]);
        return 1;
    }
    setenv("VORIX_NO_DIALOGS", "1", 0);
    if (!platInit() || !platCreateWindow("VORIX_SCENESHOT", "VORIX scene shot", kWidth, kHeight, false) ||
        !platCreateGlContext()) {
        std::fprintf(stderr, "vorix-sceneshot: no GL window: %s\n", platLastError());
        return 1;
    }
    std::srand(7);
    Simulation& sim = simulation;
    setDefaults(sim);
    setSceneSwitchDefaults(sceneSwitches);
    sceneSwitches.buildings = true;  // shown here, so their pictures can be looked at
    setSceneLightDefaults(sceneLight);
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50.0, 4.0 / 3.0, 1.0, 350000.0);
    glMatrixMode(GL_MODELVIEW);
    setupMaterial();
    loadBmpSet();
    loadJpegSet();
    LoadError loadError;
    if (!loadFighterModel("Data/poly.txt", polyModel, 0, 0, 0, sim.params.seatBackAngleDeg,
                          (float)sim.constants.rocketCantDeg, seatAxes, partSnapshot, sim.geometry, &loadError)) {
        errorBox(loadError.text);
        std::fprintf(stderr, "vorix-sceneshot: cannot load Data/poly.txt\n");
        return 1;
    }
    if (!loadTgaSet()) std::fprintf(stderr, "vorix-sceneshot: some TGA images are missing\n");
    prepareWorld();

    setUpRun(sim, run);
    startEjection(sim, false, 0, 25);
    std::printf("%s: mode %d, main parachute %.2f s, drogue %.2f..%.2f s\n", run.c_str(), sim.times.seqMode,
                sim.times.tMainFire, sim.times.tDrogueFire, sim.times.tDrogueRelease);

    uint32_t ms = 0;
    for (int k = 4; k < argc; ++k) {
        double at = std::atof(argv[k]);
        const char* colon = std::strchr(argv[k], ':');
        std::string view = colon ? colon + 1 : "near";
        uint32_t target = (uint32_t)(at * 1000.0);
        // Every frame in between is planned, so the run's memory (crash,
        // landing, snapshots, swing) is what the program would have.
        BodyScene scene{polyModel, partSnapshot, seatAxes, bodyState, bodyAttitude, drogueMesh, mainMesh,
                        runtimeRandom, sceneSwitches.fighter};
        for (; ms <= target; ms += 10) {
            updatePlaybackClocks(sim.clocks, ms, sim.params, sim.times);
            if (sim.clocks.playing) advanceDescentForFrame(sim);
            planBodyFrame(sim, scene);
        }
        ViewSpec v = viewFor(view);
        drawScene(v, target);
        char name[256];
        std::snprintf(name, sizeof name, "%s/%s_%05.2f_%s.png", out.c_str(), run.c_str(), at, view.c_str());
        if (savePicture(name)) std::printf("wrote %s (pilot %.1f m up%s%s)\n", name, bodyState.pilotHeightM,
                                           bodyState.landed ? ", landed" : "", bodyState.crashed ? ", crashed" : "");
        platSwapBuffers();
    }
    platDeleteGlContext();
    platDestroyWindow();
    platShutdown();
    return 0;
}
