#include "app/app_state.h"
#include "app/startup.h"
#include "input/input_state.h"
#include "sim/simulation.h"

void initDefaults() {
    input.textVisible = true;
    app.fieldOfView = 50.0f;
    app.frameRate = 0.0f;
    app.framePhase = 0;
    setDefaults(simulation);
}
