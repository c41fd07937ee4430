#include "input/key_commands.h"

#include <cstdio>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/orbit_camera.h"
#include "input/input_state.h"
#include "input/key_table.h"
#include "input/mouse_device.h"
#include "input/step_rate.h"
#include "menu/menu.h"
#include "overlay/overlay_state.h"
#include "render/fighter_pose.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/playback.h"
#include "sim/simulation.h"

namespace {

bool runActive(const InputRecords& r) { return r.sim.clocks.playing != 0; }

}  // namespace

float stepMultiplier(KeyModifiers m) {
    if (m.shift && m.ctrl) return 0.1f;
    if (m.shift) return 100.0f;
    return 10.0f;
}

void presetNameFor(const std::tm& t, char* out, size_t size) {
    if (!out || size == 0) return;
    std::snprintf(out, size, "%d-%2d-%4d %2d:%2d:%2d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900, t.tm_hour,
                  t.tm_min, t.tm_sec);
}

KeyResult zeroZeroReset(InputRecords& r, uint32_t nowMs) {
    KeyResult out;
    // Stops the run, sets the zero-zero parameters, the main parachute's
    // area and the derived values.
    resetToZeroZero(r.sim, nowMs);
    CameraState& c = r.camera;
    c.freeCameraPosition = Vec3(-100.0f, 0.0f, 1.55f);
    c.cameraYaw = 270.0f;
    c.cameraPitch = 1.0f;
    r.camera.fieldOfView = 50.0f;
    r.input.textVisible = true;
    r.switches.textured = true;
    c.watchFollow = false;
    c.cameraMode = kCameraFree;
    reposeFighter(r.sim, r.model);
    out.effects = kEffectApplyProjection | kEffectRebuildBuildings | kEffectLights;
    return out;
}

KeyResult invertedLowPass(InputRecords& r, uint32_t nowMs) {
    KeyResult out;
    resetScene(r.sim, nowMs);
    CameraState& c = r.camera;
    c.cameraMode = kCameraWatchFighter;
    r.sim.attitude.headingDeg = 360.0f;
    r.sim.attitude.pitchDeg = 360.0f;
    r.sim.attitude.rollDeg = 180.0f;
    r.sim.params.initialTasKt = 150.0f;
    r.sim.fighterPosition.x = 0.0;
    r.sim.fighterPosition.y = 0.0;
    r.sim.fighterPosition.altitude = 45.0;
    c.freeCameraPosition = Vec3(-118.0f, -197.0f, 1.55f);
    c.cameraYaw = 311.0f;
    c.cameraPitch = 10.0f;
    attitudeChanged(r.sim, r.model);
    out.effects = kEffectLights;
    return out;
}

KeyResult applyKey(int vk, KeyModifiers mods, InputRecords& r, uint32_t nowMs) {
    r.input.shiftHeld = mods.shift;
    r.input.ctrlHeld = mods.ctrl;
    KeyContext k{r, mods, stepMultiplier(mods), keyStepRate(r.frame), nowMs, runActive(r), KeyResult()};
    const KeyBinding* row = findKeyBinding(vk, mods);
    if (row && (row->duringRun || !k.running)) row->action(k);
    return k.out;
}

void refreshOrbitCameras(InputRecords& r) {
    CameraScene scene = cameraSceneFor(r.sim, r.bodies, r.model);
    OrbitMouse m = orbitMouseFrom(r.mouse, r.input, r.frame);
    updateOrbitFighter(r.camera, m, scene);
    updateOrbitPilot(r.camera, m, scene);
}

void finishKey(const KeyResult& result, InputRecords& r) {
    if (result.attitudeChanged) attitudeChanged(r.sim, r.model);
    buildMenuWidgets();
    refreshOrbitCameras(r);
    overlayAfterKey(r.overlay, r.sim);
}
