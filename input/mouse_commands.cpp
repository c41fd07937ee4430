#include "input/mouse_commands.h"

#include <algorithm>
#include <cmath>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/orbit_camera.h"
#include "input/input_state.h"
#include "input/mouse_device.h"
#include "input/step_rate.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "overlay/overlay_state.h"
#include "overlay/timeline_layout.h"
#include "render/fighter_pose.h"
#include "sim/playback.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"
#include "sound/sound_requests.h"

namespace {

constexpr float kPixelsPerDegree = 3.6f;

bool runActive(const InputRecords& r) { return r.sim.clocks.playing != 0; }

// What a menu event leaves: the HUD's copies follow an edit at once, as after
// a key; the rest goes to the shell as the commands' effect bits.
unsigned takeMenuEffects(const MenuEffects& e, InputRecords& r) {
    if (e.hudCopies) overlayAfterKey(r.overlay, r.sim);
    unsigned effects = 0;
    if (e.loadPhotoSet) effects |= kEffectLoadPhotoSet;
    if (e.sceneApplied) effects |= kEffectApplyProjection;  // the preset's field of view
    return effects;
}

void turnCameraByDrag(InputRecords& r, int x, int y) {
    InputState& in = r.input;
    CameraState& c = r.camera;
    if (c.cameraYaw < 0.0f) c.cameraYaw += 360.0f;
    else if (c.cameraYaw > 360.0f) c.cameraYaw -= 360.0f;
    // Up raises the view, right turns it right.
    c.cameraPitch += (float)(in.leftPrevY - y) / kPixelsPerDegree;
    c.cameraYaw += (float)(in.leftPrevX - x) / kPixelsPerDegree;
    c.cameraPitch = std::clamp(c.cameraPitch, -90.0f, 90.0f);
    in.leftPrevX = x;
    in.leftPrevY = y;
}

void turnFighterByDrag(InputRecords& r, int x, int y) {
    InputState& in = r.input;
    FighterAttitude& a = r.sim.attitude;
    a.headingDeg = std::trunc(a.headingDeg + (float)(x - in.rightPrevX));
    a.pitchDeg = std::trunc(a.pitchDeg + (float)(y - in.rightPrevY));
    in.rightPrevX = x;
    in.rightPrevY = y;
    attitudeChanged(r.sim, r.model);
}

// A left drag in an orbit mode moves that camera nearer or farther.
void zoomOrbitByDrag(InputRecords& r, int y) {
    CameraState& c = r.camera;
    const bool fighter = c.cameraMode == kCameraOrbitFighter;
    if (!fighter && c.cameraMode != kCameraOrbitPilot) return;
    OrbitCamera& o = fighter ? c.fighterOrbit : c.pilotOrbit;
    const float originY = fighter ? r.input.fighterOrbitOriginY : r.input.pilotOrbitOriginY;
    o.distance += r.mouse.deviceReady ? (float)r.mouse.relY : (originY - (float)y) * 0.01f;
    o.distance = std::max(o.distance, fighter ? kFighterOrbitNearestM : kPilotOrbitNearestM);
    // Eye and centre for the new distance; the motion was counted just now.
    CameraScene scene = cameraSceneFor(r.sim, r.bodies, r.model);
    OrbitMouse geometryOnly;
    if (fighter) updateOrbitFighter(c, geometryOnly, scene);
    else updateOrbitPilot(c, geometryOnly, scene);
}

// The timeline is on the screen (a paused run, the HUD's top band shown) and
// the pointer is on it.
bool onShownTimeline(const InputRecords& r) {
    const OverlayChoice& shown = r.overlay.choice;
    return pausedRunClock(r.sim.clocks) && shown.instruments && shown.hudText &&
           onTimeline(r.input.cursorX, r.input.cursorY);
}

void clockToPointer(InputRecords& r) {
    const int32_t end = storedRunEndMs(r.sim);
    setPausedClock(r.sim.clocks, timelineMsAt(r.input.cursorX, end), end);
}

}  // namespace

unsigned handleMouseMove(int x, int y, InputRecords& r) {
    InputState& in = r.input;
    setCursor(in, x, y);
    if (r.menu.menuOpen) return 0;
    // The timeline holds the drag: it moves the clock, not the camera.
    if (in.timelineDragging) {
        clockToPointer(r);
        return 0;
    }
    unsigned effects = 0;
    x = in.cursorX;
    y = in.cursorY;
    if (in.leftDragging) turnCameraByDrag(r, x, y);
    if (in.rightDragging && !runActive(r)) {
        turnFighterByDrag(r, x, y);
        effects |= kEffectLights;
    }
    if (in.leftDragging) zoomOrbitByDrag(r, y);
    return effects;
}

unsigned leftPressed(uint32_t nowMs, InputRecords& r) {
    InputState& in = r.input;
    if (sceneNameBoxOpen()) return 0;
    if (!r.menu.menuOpen && menuClosedMouseDownAt(in.cursorX, in.cursorY, nowMs)) return 0;
    // A press on the timeline is no click: it neither counts toward a double
    // click nor starts a camera drag.
    if (!r.menu.menuOpen && onShownTimeline(r)) {
        in.timelineDragging = true;
        clockToPointer(r);
        return 0;
    }
    in.lastLeftPressTime = nowMs;
    in.leftClickCount += 1;
    in.leftDragging = true;
    in.leftPrevX = in.cursorX;
    in.leftPrevY = in.cursorY;
    unsigned effects = 0;
    if (r.menu.menuOpen) effects |= takeMenuEffects(menuMouseDownAt(in.cursorX, in.cursorY, nowMs), r);
    if (r.camera.cameraMode == kCameraOrbitFighter) {
        in.fighterOrbitOriginX = in.cursorXf;
        in.fighterOrbitOriginY = in.cursorYf;
    } else if (r.camera.cameraMode == kCameraOrbitPilot) {
        in.pilotOrbitOriginX = in.cursorXf;
        in.pilotOrbitOriginY = in.cursorYf;
    }
    return effects;
}

unsigned leftReleased(uint32_t nowMs, InputRecords& r) {
    InputState& in = r.input;
    // The scene-name box takes the release for its own buttons.
    if (sceneNameBoxOpen()) return takeMenuEffects(menuMouseUpAt(in.cursorX, in.cursorY, nowMs), r);
    if (in.timelineDragging) {
        in.timelineDragging = false;
        return 0;
    }
    if (!r.menu.menuOpen && cameraSpinnerMouseUpAt(in.cursorX, in.cursorY, nowMs)) {
        requestSound(SoundCue::click);
        in.leftDragging = false;
        return 0;
    }
    unsigned effects = 0;
    const uint32_t held = nowMs - in.lastLeftPressTime;
    if (held < kDoubleClickReleaseMs && in.leftClickCount >= 2) {
        if (!r.menu.menuOpen) effects |= kEffectStartRun;
        in.leftClickCount = 0;
    }
    // A long press starts the count again.
    if (held >= kClickHoldLimitMs) in.leftClickCount = 0;
    if (r.menu.menuOpen) {
        effects |= takeMenuEffects(menuMouseUpAt(in.cursorX, in.cursorY, nowMs), r);
    } else if (menuStripMouseUpAt(in.cursorX, in.cursorY, nowMs)) {
        // Opening the menu resets the scene: a double click that ends on the
        // strip leaves no run going.
        effects &= ~kEffectStartRun;
    }
    in.leftDragging = false;
    return effects;
}

unsigned rightPressed(uint32_t nowMs, InputRecords& r) {
    InputState& in = r.input;
    if (runActive(r)) {
        resetScene(r.sim, nowMs);
        return 0;
    }
    in.rightDragging = true;
    in.rightPrevX = in.cursorX;
    in.rightPrevY = in.cursorY;
    return 0;
}

void rightReleased(InputRecords& r) { r.input.rightDragging = false; }

void driftCameraWithMouse(InputRecords& r) {
    const MouseDevice& mouse = r.mouse;
    // The menu and the timeline hold the mouse while they have it.
    if (!mouse.moved || r.menu.menuOpen || r.input.timelineDragging) return;
    CameraState& c = r.camera;
    if (c.cameraMode == kCameraOrbitPilot || c.cameraMode == kCameraOrbitFighter) {
        CameraScene scene = cameraSceneFor(r.sim, r.bodies, r.model);
        OrbitMouse m = orbitMouseFrom(mouse, r.input, r.frame);
        if (c.cameraMode == kCameraOrbitFighter) updateOrbitFighter(c, m, scene);
        else updateOrbitPilot(c, m, scene);
        return;
    }
    if (c.cameraMode != kCameraFree) return;
    const InputState& in = r.input;
    // At the screen edge the cursor stops but the device still reports motion.
    if (in.cursorX == 0 || in.cursorX == kVirtualScreenWidth - 1) c.cameraYaw -= (float)mouse.relX;
    if (in.cursorY == 0 || in.cursorY == kVirtualScreenHeight - 1) c.cameraPitch -= (float)mouse.relY;
    const int steps = mouse.wheel / 5;
    if (steps == 0) return;
    Vec3& p = c.freeCameraPosition;
    if (in.rightDragging) {
        const double a = (c.cameraYaw + 90.0f) * kRotationRadPerDeg;
        p.x += (float)(std::sin(a) * steps);
        p.y -= (float)(std::cos(a) * steps);
    } else {
        const double a = c.cameraYaw * kRotationRadPerDeg;
        p.x -= (float)(std::sin(a) * steps);
        p.y += (float)(std::cos(a) * steps);
    }
}
