#include <GL/gl.h>

#include <ctime>

#include "app/frame.h"
#include "app/mouse_poll.h"
#include "app/playback_follow.h"
#include "app/run_sound_frame.h"
#include "app/window.h"
#include "camera/camera_state.h"
#include "camera/place_camera.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/mouse_commands.h"
#include "overlay/overlay.h"
#include "overlay/overlay_state.h"
#include "platform/platform.h"
#include "render/bodies.h"
#include "render/body_state.h"
#include "render/frame_steps.h"
#include "render/trail.h"
#include "render/trail_draw.h"
#include "render/world_draw.h"
#include "sim/frame_clock.h"
#include "sim/run_track.h"
#include "sim/simulation.h"
#include "sound/sound_requests.h"

namespace {

std::tm localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

OverlayInputs overlayInputsFrom(const InputState& in) {
    OverlayInputs o;
    o.cursorX = in.cursorX;
    o.cursorY = in.cursorY;
    o.leftDragging = in.leftDragging;
    o.rightDragging = in.rightDragging;
    o.textVisible = in.textVisible;
    return o;
}

// The drawing steps, in the order the picture is built; none of them changes
// a record the update steps wrote.
void drawFrame(const Frame& f) {
    // Clear (in the sky colour the lights chose for the eye last frame) and
    // reset the view.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // The view's look-at, and the lights through it.
    loadCameraView(f.view);
    // The world: fog, ground and cloud layer, control tower, the red line
    // above the fighter, buildings, sun marker, trees.
    drawFogStep();
    drawGroundStep(camera.eyePosition, f.clock.nowMs);
    drawTower();
    drawReferenceLineStep();
    drawBuildingsStep();
    drawSunMarkerStep();
    drawTreesStep();
    // The run's trail (T), over the world and under the bodies.
    drawTrail(trailState);
    // The bodies of the ejection, then a kept ghost's see-through package.
    drawBodies(f.bodies, camera.eyePosition);
    drawGhostPackage(trailState, polyModel);
    // Overlay or the open menu. It lies flat at the eye, where fog cannot
    // reach it; a software renderer would still pay for the fog of every
    // pixel it covers. The next frame's fog step turns fog on again.
    glDisable(GL_FOG);
    drawOverlay(overlay, f.pointer, f.clock);
    // Show the frame.
    presentFrame();
}

}  // namespace

void renderFrame() {
    if (!platHasGlContext()) return;
    Frame f{frameClock, simulation.clocks, {}, {}, {}};
    // The clock, read once: every step below sees the same moment.
    startFrameClock(f.clock, platTimeMs(), localNow());

    // ---- Update steps: they change the records, in the order each needs the last.
    // 1. The mouse device's poll, and the camera drift it asks for while the
    //    menu is closed (orbit cameras; the free camera at the screen edge
    //    and on the wheel).
    pollMouse();
    InputRecords input = processInputRecords();
    driftCameraWithMouse(input);
    // 2. Playback clocks to the frame's time, the frame rate from them, and
    //    the live descent once the computed window of the run is over.
    advancePlayback(f.clock, simulation);
    //    A paused run's clock moved by hand: the bodies' memory and the
    //    gauges as playing up to the new moment leaves them.
    const MovedClock moved = watchPlaybackClock(playbackWatch, simulation.clocks);
    followMovedClock(moved);
    // 3. The free camera's look target, then the view of the camera mode
    //    (the eye recorded, the wind asked for); the clouds' drift clock.
    computeLookTarget(camera);
    f.view = updateCameraView(f.clock.nowMs);
    updateWorldClock(f.clock.nowMs);
    // 4. The bodies for the clocks: their state, poses and chute meshes, and
    //    the sounds of the moments passed asked for.
    f.bodies = planBodies(camera.eyePosition);
    //    The trail up to the clocks, and the ghost's beside it, facing the eye.
    planTrail(trailState, runTracks, simulation, bodyState, polyModel,
              TrailView{f.view.eye, f.view.target, f.view.up, camera.fieldOfView});
    // 5. The overlay: the HUD lines and the gauges' values, or the menu's
    //    slide; the menu's ticks write the parameters its held arrows edit.
    f.pointer = overlayInputsFrom(input.input);
    updateOverlay(overlay, f.pointer, f.clock.nowMs);
    // 6. Sounds: every one asked for since the last frame, then the run's own
    //    for what this frame shows.
    startFrameSounds(soundRequests, runSoundFrame(simulation, bodyState, camera.eyePosition, moved));

    // ---- Drawing steps: they only read.
    drawFrame(f);
}
