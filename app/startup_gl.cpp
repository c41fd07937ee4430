#include <GL/gl.h>

#include <cstdlib>
#include <ctime>

#include "app/app_state.h"
#include "app/mouse_poll.h"
#include "app/sound_device.h"
#include "app/startup.h"
#include "app/window.h"
#include "assets/settings_file.h"
#include "assets/textures.h"
#include "menu/font_text.h"
#include "menu/menu_control.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/scene_light.h"
#include "sim/simulation.h"

void windowCreated() {
    initDefaults();
    // The mouse device belongs with the defaults; it lives on the platform,
    // so it is opened beside them rather than inside.
    createMouseDevice();
    app.aspectRatio = aspectRatioFor(app);
    applyProjection();
}

void startUp() {
    // The date the scene presets are named from, and the random generator
    // (hills, trees, buildings, fly-bys, the dog) seeded from the clock.
    std::srand((unsigned)std::time(nullptr));
    int w = app.clientWidth, h = app.clientHeight;
    platGetClientSize(&w, &h);
    app.clientWidth = w;
    app.clientHeight = h;
    initDefaults();
    createMouseDevice();
    setErrorBoxHandler(platMessageBox);
    usePlatformSoundMixer();
    readSettingsAndScenes();
    Simulation& sim = simulation;
    refreshParachuteModel(sim.mainChute, sim.params.mainChuteDiameterM, sim.params.mainChuteCd);
    refreshParachuteModel(sim.drogue, sim.params.drogueDiameterM, sim.params.drogueCd);
    if (!createGlContext(app.clientWidth, app.clientHeight)) return;
    setupMaterial();
    setupLights(sceneLight, Vec3());
    // The BMP pictures come first: the font sheets are among them.
    loadBmpSet();
    glClearDepth(1.0);
    buildFontLists();
}
