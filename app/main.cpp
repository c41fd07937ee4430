// vorix: the ejection-seat simulator.
#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "app/loading.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "app/window.h"
#include "assets/data_folder.h"
#include "platform/platform.h"

static void printUsage() {
    std::printf("usage: vorix [--windowed | --mode-switch]\n"
                "  --windowed     run in a resizable window instead of full screen\n"
                "  --mode-switch  full screen by switching the display to 800x600\n"
                "                 (default: the desktop's resolution, picture letterboxed)\n");
}

int main(int argc, char** argv) {
    bool windowed = false, modeSwitch = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--windowed") == 0) {
            windowed = true;
        } else if (std::strcmp(argv[i], "--mode-switch") == 0) {
            modeSwitch = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage();
            return 0;
        } else {
            std::fprintf(stderr, "vorix: unknown option '%s'\n", argv[i]);
            printUsage();
            return 2;
        }
    }
    if (windowed && modeSwitch) {
        std::fprintf(stderr, "vorix: --windowed and --mode-switch exclude each other\n");
        printUsage();
        return 2;
    }
    if (!platInit()) {
        std::fprintf(stderr, "vorix: no display available (%s)\n", platLastError());
        return 1;
    }
    // Without the Data folder every file would fail on its own: say it once.
    char missing[4200];
    if (!dataFolderPresent(nullptr, missing, sizeof missing)) {
        platMessageBox(missing, "Error");
        platShutdown();
        return 1;
    }
    app.fullScreen = !windowed;
    app.modeSwitch = modeSwitch;
    if (!createMainWindow(kWindowTitle, kVirtualScreenWidth, kVirtualScreenHeight, app.fullScreen)) {
        platShutdown();
        return 1;
    }
    windowCreated();
    startUp();
    showLoadingScreen();
    int code = mainLoop();
    platShutdown();
    return code;
}
