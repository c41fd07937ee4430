#include <cstdlib>
#include <ctime>

#include "app/app_state.h"
#include "app/startup.h"
#include "app/window.h"
#include "assets/textures.h"
#include "menu/font_text.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/scene_light.h"

void startUp() {
    std::srand((unsigned)std::time(nullptr));
    int w = app.clientWidth, h = app.clientHeight;
    platGetClientSize(&w, &h);
    app.clientWidth = w;
    app.clientHeight = h;
    initDefaults();
    setErrorBoxHandler(platMessageBox);
    if (!createGlContext(app.clientWidth, app.clientHeight)) return;
    setupMaterial();
    setupLights(sceneLight, Vec3());
    // The BMP pictures come first: the font sheets are among them.
    loadBmpSet();
    buildFontLists();
}
