#include <GL/gl.h>

#include <ctime>

#include "app/frame.h"
#include "app/mouse_poll.h"
#include "app/run_sound_frame.h"
#include "app/window.h"
#include "camera/camera_state.h"
#include "camera/place_camera.h"
#include "input/input_records.h"
#include "input/mouse_commands.h"
#include "overlay/overlay.h"
#include "platform/platform.h"
#include "render/bodies.h"
#include "render/body_state.h"
#include "render/frame_steps.h"
#include "render/world_draw.h"
#include "sim/frame_clock.h"
#include "sim/playback.h"
#include "sim/simulation.h"
#include "sound/run_sounds.h"

namespace {

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

// One frame, in the order the picture depends on: input first, then the
// clocks' consumers (camera, world, bodies, overlay), the clocks last so the
// next frame draws what they say.
void renderFrame() {
    if (!platHasGlContext()) return;
    FrameClock& frame = frameClock;
    startFrameClock(frame, platTimeMs(), localNow());
    // 1. Mouse device poll.
    pollMouse();
    // 2. Mouse-driven camera drift (orbit cameras, free camera at the screen
    //    edge and on the wheel) while the menu is closed.
    InputRecords inputRecords = processInputRecords();
    driftCameraWithMouse(inputRecords);
    // 3. Frame rate from the playback clock.
    PlaybackClocks& clocks = simulation.clocks;
    measureFrameRate(frame, clocks.elapsedMs, clocks.paused != 0, simulation.params.playSpeedDivisor);
    // 4. Live descent once the computed window of the run is over.
    if (clocks.elapsedMs != 0 && clocks.playing) advanceDescentForFrame(simulation);
    // 5. Clear (in the sky colour the lights chose for the eye last frame) and
    //    reset the view.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // 6. Free camera look target.
    computeLookTarget(camera);
    // 7. Camera placement for the mode (sets the lights and the sky colour).
    placeCamera(frame.nowMs);
    // 8. Fog.
    drawFogStep();
    // 9. Ground and cloud layer.
    drawGroundStep(camera.eyePosition, frame.nowMs);
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
    drawOverlay(frame);
    // 17. Playback clocks.
    updatePlaybackClocks(clocks, frame.nowMs, simulation.params, simulation.times);
    // 18. Show the frame.
    presentFrame();
}
