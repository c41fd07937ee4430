#include <GL/gl.h>

#include "app/app_state.h"
#include "app/frame.h"
#include "app/window.h"
#include "input/window_proc.h"
#include "platform/platform.h"
#include "sim/playback.h"
#include "sim/simulation.h"

namespace {
PlatMouseState mouseState;
}

void renderFrame() {
    if (!platHasGlContext()) return;
    // Mouse device poll (its motion drives the screen-edge and wheel camera moves).
    platPollMouseDevice(&mouseState);
    // Frame rate from the playback clock, then the live descent once the
    // computed window of the run is over.
    PlaybackClocks& clocks = simulation.clocks;
    measureFrameRate(app, clocks.elapsedMs, clocks.paused != 0, simulation.params.playSpeedDivisor);
    if (clocks.elapsedMs != 0 && clocks.playing) advanceDescentForFrame(simulation);
    // Clear and reset the view.
    glClearColor(124 / 255.0f, 168 / 255.0f, 205 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // The clocks advance after the drawing; the next frame draws what they say.
    updatePlaybackClocks(clocks, platTimeMs(), simulation.params, simulation.times);
    platSwapBuffers();
}

int mainLoop() {
    WindowMessage msg;
    int exitCode = 0;
    for (;;) {
        if (platPeekMessage(&msg)) {
            if (msg.message == WM_QUIT) {
                exitCode = (int)msg.wParam;
                break;
            }
            windowProc(msg);
        } else {
            renderFrame();
        }
    }
    platMouseDeviceClose();
    destroyMainWindow();
    // Drop the quit message destroyMainWindow posts; the loop has ended already.
    platPeekMessage(&msg);
    return exitCode;
}
