#include "app/main_loop.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/credits.h"
#include "app/frame.h"
#include "app/mouse_poll.h"
#include "app/paused_report.h"
#include "app/window.h"
#include "app/window_proc.h"
#include "menu/font_text.h"
#include "menu/menu.h"
#include "menu/program_settings.h"
#include "platform/platform.h"
#include "sound/sound_events.h"
#include "sound/sound_slots.h"

int mainLoop() {
    WindowMessage msg;
    int exitCode = 0;
    bool reportFirstFrame = std::getenv("VORIX_REPORT_FIRST_FRAME") != nullptr;
    setUpPausedReport(pausedReport);
    for (;;) {
        if (platPeekMessage(&msg)) {
            if (msg.message == WM_QUIT) {
                exitCode = (int)msg.wParam;
                break;
            }
            windowProc(msg);
        } else {
            renderFrame();
            reportPausedClock(pausedReport);
            if (reportFirstFrame) {
                reportFirstFrame = false;
                // For the start-up benchmark: wall-clock time of the first frame shown.
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("vorix: first frame at %lld ms, %ld ms of processor time\n",
                            (long long)std::chrono::duration_cast<std::chrono::milliseconds>(now).count(),
                            (long)(std::clock() * 1000.0 / CLOCKS_PER_SEC));
                std::fflush(stdout);
            }
        }
    }
    // Shutdown in this order: the closing tune starts, the closing screen runs
    // its full time, then the mouse device, the settings file (written while
    // the sound switch still says what the user chose), the sound slots and
    // last the window.
    startClosingTune();
    if (platHasGlContext()) {
        const uint32_t start = platTimeMs();
        for (uint32_t e = 0; e <= kCreditsMs; e = platTimeMs() - start) drawCreditsFrame(e, kCreditsMs);
    }
    releaseMouseDevice();
    // Scenes are written as they are made; one the file refused then gets
    // another try.
    saveScenePresets();
    writeSettings();
    releaseSounds();
    deleteFontLists();
    destroyMainWindow();
    // Drop the quit message destroyMainWindow posts; the loop has ended already.
    platPeekMessage(&msg);
    return exitCode;
}
