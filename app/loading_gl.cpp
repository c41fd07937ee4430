#include <GL/gl.h>

#include <cstdio>

#include "app/app_state.h"
#include "app/loading.h"
#include "app/window.h"
#include "assets/textures.h"
#include "platform/platform.h"
#include "render/model_geometry.h"
#include "sim/simulation.h"

namespace {

constexpr const char* kModelPath = "Data/poly.txt";

// One stage of the loading screen ("LOADING TEXTURES....", "LOADING 3D
// DATA...."): a cleared picture, then the stage's work.
void beginStage() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    platSwapBuffers();
}

// Busy-waits on the millisecond clock, as the loading screen's pauses do.
void waitSeconds(double seconds) {
    uint32_t start = platTimeMs();
    while ((double)(uint32_t)(platTimeMs() - start) < seconds * 1000.0) {
    }
}

}  // namespace

void showLoadingScreen() {
    if (!platHasGlContext()) return;
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);

    beginStage();  // textures
    loadJpegSet();

    beginStage();  // 3D data
    Simulation& sim = simulation;
    if (!loadFighterModel(kModelPath, polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg,
                          sim.attitude.headingDeg, sim.params.seatBackAngleDeg,
                          (float)sim.constants.rocketCantDeg, seatAxes, partSnapshot, sim.geometry)) {
        // Without the model there is nothing to show: the loader has said which
        // file and why; quit through the normal shutdown.
        platPostQuitMessage(0);
        return;
    }
    if (!loadTgaSet()) {
        std::fprintf(stderr, "     : FAIL to load TGA files\n");
        waitSeconds(2.0);
        platPostQuitMessage(0);
        return;
    }

    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    applyProjection();
}
