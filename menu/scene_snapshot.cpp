#include "menu/scene_snapshot.h"

#include <cmath>

#include "app/app_state.h"
#include "camera/camera_state.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"

SceneRecords programSceneRecords() {
    return {&simulation.params, &simulation.attitude, &simulation.fighterPosition, &camera,
            &sceneSwitches,     &soundOn,             &app.fieldOfView};
}

namespace {

using V = SceneValue;

// Each value: where it lives. A getter/setter pair per index keeps the order
// in one table below.
struct Access {
    float (*get)(const SceneRecords&);
    void (*set)(const SceneRecords&, float);
};

#define FLOAT_FIELD(expr) \
    {[](const SceneRecords& r) { return (float)(expr); }, [](const SceneRecords& r, float v) { expr = v; }}
#define DOUBLE_FIELD(expr) \
    {[](const SceneRecords& r) { return (float)(expr); }, [](const SceneRecords& r, float v) { expr = (double)v; }}
#define SWITCH_FIELD(expr) \
    {[](const SceneRecords& r) { return (expr) ? 1.0f : 0.0f; }, [](const SceneRecords& r, float v) { expr = v != 0.0f; }}

float cameraModeValue(const SceneRecords& r) { return (float)r.camera->cameraMode; }
// The mode indexes the camera table: anything but a whole mode 0..7 is
// pulled to the nearest one.
void setCameraMode(const SceneRecords& r, float v) {
    if (!(v >= (float)kCameraFree)) v = (float)kCameraFree;
    if (v > (float)kCameraPresetView) v = (float)kCameraPresetView;
    r.camera->cameraMode = (int)v;
}

const Access kAccess[V::count] = {
    FLOAT_FIELD(r.params->cgOffsetZ),
    FLOAT_FIELD(r.params->seatBackAngleDeg),
    FLOAT_FIELD(r.params->catapultOnsetRate),
    FLOAT_FIELD(r.params->rocketOnsetRate),
    FLOAT_FIELD(r.params->sinkRateFtS),
    FLOAT_FIELD(r.params->catapultThrustLb),
    FLOAT_FIELD(r.params->rocketThrustLb),
    FLOAT_FIELD(r.params->canopyRocketThrustLb),
    FLOAT_FIELD(r.params->seatMassKg),
    FLOAT_FIELD(r.params->pilotMassKg),
    FLOAT_FIELD(r.params->gearMassKg),
    FLOAT_FIELD(r.params->canopyMassKg),
    FLOAT_FIELD(r.params->mainChuteCd),
    FLOAT_FIELD(r.params->drogueCd),
    FLOAT_FIELD(r.params->seatManCd),
    FLOAT_FIELD(r.params->mainChuteDiameterM),
    FLOAT_FIELD(r.params->drogueDiameterM),
    FLOAT_FIELD(r.params->rocketBurnTimeS),
    FLOAT_FIELD(r.params->canopyRocketBurnTimeS),
    DOUBLE_FIELD(r.params->countdownS),
    FLOAT_FIELD(r.params->playSpeedDivisor),
    FLOAT_FIELD(r.params->initialTasKt),
    FLOAT_FIELD(r.params->canopyMaxPitchDeg),
    DOUBLE_FIELD(r.params->canopyDelayS),

    FLOAT_FIELD(r.attitude->headingDeg),
    FLOAT_FIELD(r.attitude->pitchDeg),
    FLOAT_FIELD(r.attitude->rollDeg),
    DOUBLE_FIELD(r.position->x),
    DOUBLE_FIELD(r.position->y),

    SWITCH_FIELD(r.camera->watchFollow),
    FLOAT_FIELD(r.camera->pilotOrbit.eye.x),
    FLOAT_FIELD(r.camera->pilotOrbit.eye.y),
    FLOAT_FIELD(r.camera->pilotOrbit.eye.z),
    FLOAT_FIELD(r.camera->pilotOrbit.centre.x),
    FLOAT_FIELD(r.camera->pilotOrbit.centre.y),
    FLOAT_FIELD(r.camera->pilotOrbit.centre.z),
    FLOAT_FIELD(r.camera->fighterOrbit.eye.x),
    FLOAT_FIELD(r.camera->fighterOrbit.eye.y),
    FLOAT_FIELD(r.camera->fighterOrbit.eye.z),
    FLOAT_FIELD(r.camera->fighterOrbit.centre.x),
    FLOAT_FIELD(r.camera->fighterOrbit.centre.y),
    FLOAT_FIELD(r.camera->fighterOrbit.centre.z),
    FLOAT_FIELD(r.camera->freeCameraPosition.x),
    FLOAT_FIELD(r.camera->freeCameraPosition.y),
    FLOAT_FIELD(r.camera->freeCameraPosition.z),
    FLOAT_FIELD(r.camera->lookTarget.x),
    FLOAT_FIELD(r.camera->lookTarget.y),
    FLOAT_FIELD(r.camera->lookTarget.z),

    FLOAT_FIELD(r.attitude->headingDeg),
    FLOAT_FIELD(r.attitude->pitchDeg),
    FLOAT_FIELD(r.attitude->rollDeg),
    FLOAT_FIELD(r.camera->cameraPitch),
    FLOAT_FIELD(r.camera->cameraYaw),
    DOUBLE_FIELD(r.position->x),
    DOUBLE_FIELD(r.position->y),
    DOUBLE_FIELD(r.position->altitude),
    {cameraModeValue, setCameraMode},

    SWITCH_FIELD(*r.soundOn),
    SWITCH_FIELD(r.switches->trees),
    SWITCH_FIELD(r.switches->buildings),
    SWITCH_FIELD(r.switches->sky),
    SWITCH_FIELD(r.params->applyGOnFighter),
    SWITCH_FIELD(r.switches->fighter),

    FLOAT_FIELD(r.camera->pilotOrbit.distance),
    FLOAT_FIELD(r.camera->pilotOrbit.azimuth),
    FLOAT_FIELD(r.camera->pilotOrbit.elevation),
    FLOAT_FIELD(r.camera->fighterOrbit.distance),
    FLOAT_FIELD(r.camera->fighterOrbit.azimuth),
    FLOAT_FIELD(r.camera->fighterOrbit.elevation),
    FLOAT_FIELD(*r.fieldOfView),
};

#undef FLOAT_FIELD
#undef DOUBLE_FIELD
#undef SWITCH_FIELD

}  // namespace

void captureSceneValues(const SceneRecords& r, float values[SceneValue::count]) {
    for (int k = 0; k < V::count; ++k) values[k] = kAccess[k].get(r);
}

void applySceneValues(const SceneRecords& r, const float* values, int count) {
    if (count > V::count) count = V::count;
    for (int k = 0; k < count; ++k) {
        // A value that is not a number (never read from a file, but a preset
        // made from a broken state could hold one) leaves its record alone.
        if (!std::isfinite(values[k])) continue;
        kAccess[k].set(r, values[k]);
    }
}
