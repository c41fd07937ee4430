#include <cstdlib>
#include <ctime>

#include "app/app_state.h"
#include "app/error_box.h"
#include "app/startup.h"
#include "app/window.h"
#include "platform/platform.h"

void startUp() {
    std::srand((unsigned)std::time(nullptr));
    int w = app.clientWidth, h = app.clientHeight;
    platGetClientSize(&w, &h);
    app.clientWidth = w;
    app.clientHeight = h;
    initDefaults();
    setErrorBoxHandler(platMessageBox);
    createGlContext(app.clientWidth, app.clientHeight);
}
