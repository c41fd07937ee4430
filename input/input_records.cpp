#include "input/input_records.h"

#include "camera/camera_state.h"
#include "input/input_state.h"
#include "input/mouse_device.h"
#include "menu/menu.h"
#include "overlay/overlay_state.h"
#include "render/body_state.h"
#include "render/poly_model.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "render/trail.h"
#include "sim/frame_clock.h"
#include "sim/run_track.h"
#include "sim/simulation.h"

InputRecords processInputRecords() {
    return InputRecords{simulation, camera,    input,     frameClock,  mouseDevice, sceneLight,
                        sceneSwitches, polyModel, bodyState, menu, overlay, trailState, runTracks};
}
