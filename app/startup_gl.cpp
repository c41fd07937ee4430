#include <GL/gl.h>

#include <cstdlib>
#include <ctime>

#include "app/app_state.h"
#include "app/startup.h"
#include "app/window.h"
#include "assets/settings_file.h"
#include "assets/textures.h"
#include "input/mouse_device.h"
#include "menu/font_text.h"
#include "menu/menu_control.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/scene_light.h"
#include "sim/simulation.h"
#include "sound/sound_mixer.h"

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
    connectMenuToPlatform();
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
