#include "input/key_commands.h"

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
