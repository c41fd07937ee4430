#include "input/key_handler.h"

#include "camera/camera_state.h"
#include "input/input_effects.h"
#include "input/key_commands.h"
#include "overlay/overlay_state.h"
#include "platform/keycodes.h"
#include "platform/platform.h"
#include "render/scene_light.h"
#include "sim/simulation.h"

void handleKey(int virtualKey) {
    InputRecords r = processInputRecords();
    KeyModifiers mods;
    mods.shift = platKeyHeld(VK_SHIFT);
    mods.ctrl = platKeyHeld(VK_CONTROL);
    KeyResult result = applyKey(virtualKey, mods, r, platTimeMs());
    carryOutInputEffects(result.effects);
    finishKey(result, r);
    overlayAfterKey(overlay, simulation);
    if (result.attitudeChanged) setupLights(sceneLight, camera.eyePosition);
}
