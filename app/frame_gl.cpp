#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/app_state.h"
#include "app/credits.h"
#include "app/frame.h"
#include "app/run_sound_frame.h"
#include "app/window.h"
#include "assets/settings_file.h"
#include "camera/camera_state.h"
#include "camera/place_camera.h"
#include "input/input_records.h"
#include "input/mouse_commands.h"
#include "input/mouse_device.h"
#include "input/window_proc.h"
#include "menu/font_text.h"
#include "menu/menu.h"
#include "overlay/overlay.h"
#include "platform/platform.h"
#include "render/bodies.h"
#include "render/body_state.h"
#include "render/frame_steps.h"
#include "render/world_draw.h"
#include "sim/playback.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"
#include "sound/sound_slots.h"

// One frame, in the order the picture depends on: input first, then the
// clocks' consumers (camera, world, bodies, overlay), the clocks last so the
// next frame draws what they say.
void renderFrame() {
    if (!platHasGlContext()) return;
    // 1. Mouse device poll.
    pollMouse();
    // 2. Mouse-driven camera drift (orbit cameras, free camera at the screen
    //    edge and on the wheel) while the menu is closed.
    InputRecords inputRecords = processInputRecords();
    driftCameraWithMouse(inputRecords);
    // 3. Frame rate from the playback clock.
    PlaybackClocks& clocks = simulation.clocks;
    measureFrameRate(app, clocks.elapsedMs, clocks.paused != 0, simulation.params.playSpeedDivisor);
    // 4. Live descent once the computed window of the run is over.
    if (clocks.elapsedMs != 0 && clocks.playing) advanceDescentForFrame(simulation);
    // 5. Clear (in the sky colour the lights chose for the eye last frame) and
    //    reset the view.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // 6. Free camera look target.
    computeLookTarget(camera);
    // 7. Camera placement for the mode (sets the lights and the sky colour).
    placeCamera();
    // 8. Fog.
    drawFogStep();
    // 9. Ground and cloud layer.
    drawGroundStep(camera.eyePosition, platTimeMs());
    // 10. Control tower.
    drawTower();
    // 11. Red reference line above the fighter.
    drawReferenceLineStep();
    // 12. Buildings (their display list).
    drawBuildingsStep();
    // 13. Sun marker and its line to the ground.
    drawSunMarkerStep();
    // 14. Trees.
    drawTreesStep();
    // 15. Bodies of the ejection, and the sounds of what they show.
    drawBodies(camera.eyePosition);
    updateRunSounds(runSoundFrame(simulation, bodyState, camera.eyePosition));
    // 16. Overlay or the open menu. It lies flat at the eye, where fog cannot
    //     reach it; a software renderer would still pay for the fog of every
    //     pixel it covers. The next frame's fog step turns fog on again.
    glDisable(GL_FOG);
    drawOverlay();
    // 17. Playback clocks.
    updatePlaybackClocks(clocks, platTimeMs(), simulation.params, simulation.times);
    // 18. Show the frame.
    presentFrame();
}

int mainLoop() {
    WindowMessage msg;
    int exitCode = 0;
    bool reportFirstFrame = std::getenv("VORIX_REPORT_FIRST_FRAME") != nullptr;
    for (;;) {
        if (platPeekMessage(&msg)) {
            if (msg.message == WM_QUIT) {
                exitCode = (int)msg.wParam;
                break;
            }
            windowProc(msg);
        } else {
            renderFrame();
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
