#include "app/startup.h"
#include "camera/camera_state.h"
#include "input/input_state.h"
#include "menu/menu_control.h"
#include "overlay/overlay_state.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/frame_clock.h"
#include "sim/simulation.h"

// Every record's start-up value, grouped by concern in the order they are set.
// Runs twice: when the window is created and again in startUp.
void initDefaults() {
    // Scene-name entry box and menu backdrop (with the menu below); the mouse
    // device is opened beside each call, on the platform.

    // Menu closed with its tab buttons and camera-mode spinner; text shown;
    // scene switches, fog colour and sky colours.
    setInputDefaults(input);
    setSceneSwitchDefaults(sceneSwitches);
    setSceneLightDefaults(sceneLight);

    // Simulation and parachute models, playback clocks, largest load, frame rate.
    setDefaults(simulation);
    // The derived figures (catapult and rocket G, stroke time) are shown from
    // the first frame and on the CONTROL page, not only after the first key.
    deriveCatapult(simulation);
    setOverlayDefaults(overlay, simulation);
    frameClock.frameRate = 0.0f;
    frameClock.framePhase = 0;

    // Cameras and field of view (the sun is set with the sky colours above).
    setCameraDefaults(camera);
    // The menu last: its widgets start from the values set above.
    initMenuDefaults();
}
