#include "app/app_state.h"
#include "app/startup.h"
#include "camera/camera_state.h"
#include "input/input_state.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"

void initDefaults() {
    input.textVisible = true;
    app.fieldOfView = 50.0f;
    app.frameRate = 0.0f;
    app.framePhase = 0;
    setSceneSwitchDefaults(sceneSwitches);
    setSceneLightDefaults(sceneLight);
    setDefaults(simulation);
    setCameraDefaults(camera);
}
