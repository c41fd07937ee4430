#include <GL/gl.h>

#include <cstdio>

#include "app/app_state.h"
#include "app/credits.h"
#include "app/loading.h"
#include "app/window.h"
#include "assets/settings_file.h"
#include "assets/textures.h"
#include "camera/camera_state.h"
#include "camera/place_camera.h"
#include "menu/font_text.h"
#include "menu/menu.h"
#include "menu/menu_text.h"
#include "menu/scene_presets.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/frame_steps.h"
#include "render/model_geometry.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"
#include "sound/sound_slots.h"

namespace {

constexpr const char* kModelPath = "Data/poly.txt";
constexpr const char* kStage3dData = "LOADING 3D DATA....";
constexpr const char* kTgaFailLine = "     : FAIL to load TGA files";
constexpr const char* kWavMissingLine = "Error: File .wav file missing !";
constexpr const char* kSoundOffLine = "     : Sound OFF";
constexpr const char* kNoSoundDeviceLine = "Error: install DirectX !";

// A loading-screen line that tells of a failure, also written to standard
// error so that a run without a screen shows it too.
void printFailure(int x, int y, const char* text) {
    printText(x, y, text, 4, 1.0f, 1.0f);
    std::fprintf(stderr, "%s\n", text);
}

// The files the program keeps that exist but could not be read (standard
// error has told why once): they are kept as they are, and the loading
// screen says so on every stage.
void printFileProblems() {
    const char* problems[2] = {settingsFileState.problem, scenePresetTable.fileProblem};
    int y = 160;
    for (const char* problem : problems) {
        if (!problem[0]) continue;
        char line[320], shown[320];
        std::snprintf(line, sizeof line, "Error: %s", problem);
        fitText(line, 4, 1.0f, 650.0f, shown, sizeof shown);
        printText(140, y, shown, 4, 1.0f, 1.0f);
        y -= 20;
    }
}

// The picture of one stage: black, the title, the stage's line and the
// credit line, in red with additive blending. Not yet shown.
void drawStage(const char* line) {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(1.0f, 0.0f, 0.0f);
    printText(80, 500, "VORIX SIMULATION", 4, 3.5f, 4.0f);
    printText(100, 300, line, 4, 2.0f, 2.0f);
    printText(10, 20, kCreditLine, 1, 1.0f, 1.0f);
    printFileProblems();
}

void showStage(const char* line) {
    drawStage(line);
    platSwapBuffers();
}

// The model, then the TGA set. False (after the failure is shown and the quit
// message posted) when the program cannot go on.
bool load3dData() {
    Simulation& sim = simulation;
    LoadError error;
    if (!loadFighterModel(kModelPath, polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg,
                          sim.attitude.headingDeg, sim.params.seatBackAngleDeg,
                          (float)sim.constants.rocketCantDeg, seatAxes, partSnapshot, sim.geometry, &error)) {
        // Without the model there is nothing to show: the box says which file
        // and why; quit through the normal shutdown, as a failure.
        errorBox(error.text);
        platPostQuitMessage(1);
        return false;
    }
    if (!loadTgaSet()) {
        drawStage(kStage3dData);  // the back buffer holds no copy after a swap
        printFailure(140, 200, kTgaFailLine);
        platSwapBuffers();
        waitSeconds(2.0);
        platPostQuitMessage(1);
        return false;
    }
    return true;
}

// Loads the sounds and says on screen when the program goes on without them.
void loadSoundStage() {
    const char* stage = "LOADING SOUND....";
    showStage(stage);
    switch (loadSounds()) {
        case kSoundsLoaded:
            buildMenuWidgets();
            break;
        case kSoundFileMissing:
            drawStage(stage);
            printFailure(140, 240, kWavMissingLine);
            printFailure(140, 220, kSoundOffLine);
            platSwapBuffers();
            buildMenuWidgets();
            waitSeconds(2.0);
            break;
        default:  // no sound device
            drawStage(stage);
            printFailure(140, 280, kNoSoundDeviceLine);
            platSwapBuffers();
            buildMenuWidgets();
            break;
    }
    if (soundOn) soundSlots[kSoundSpare13].volumePercent = 10;
}

}  // namespace

void waitSeconds(double seconds) {
    uint32_t start = platTimeMs();
    while ((double)(uint32_t)(platTimeMs() - start) < seconds * 1000.0) {
    }
}

void showLoadingScreen() {
    if (!platHasGlContext()) return;
    computeLookTarget(camera);
    placeCamera(platTimeMs());
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);

    showStage("LOADING TEXTURES....");
    loadJpegSet();

    showStage(kStage3dData);
    if (!load3dData()) return;

    loadSoundStage();
    // Time to read which file is kept as it is.
    if (settingsFileState.problem[0] || scenePresetTable.fileProblem[0]) waitSeconds(2.0);

    // Back to the 3D state the frames expect.
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glBlendFunc(GL_DST_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    applyProjection();
    // Trees scattered, then the buildings' display list compiled.
    prepareWorld();  // hills, trees (placeTrees) and the buildings' list (buildWorldList)
}
