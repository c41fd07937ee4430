#include "menu/scene_snapshot.h"

#include <cmath>

#include "camera/camera_state.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"

SceneRecords programSceneRecords() {
    return {&simulation.params, &simulation.attitude, &simulation.fighterPosition, &camera,
            &sceneSwitches,     &soundOn,             &camera.fieldOfView};
}

namespace {

using V = SceneValue;

// Each value that is not a simulation parameter: its index and where it
// lives. The parameters' own come from sim/parameter_table.h.
struct Access {
    int index;
    float (*get)(const SceneRecords&);
    void (*set)(const SceneRecords&, float);
};

#define FLOAT_FIELD(index, expr) \
    {index, [](const SceneRecords& r) { return (float)(expr); }, [](const SceneRecords& r, float v) { expr = v; }}
#define SWITCH_FIELD(index, expr)                                                 \
    {index, [](const SceneRecords& r) { return (expr) ? 1.0f : 0.0f; },           \
     [](const SceneRecords& r, float v) { expr = v != 0.0f; }}

float cameraModeValue(const SceneRecords& r) { return (float)r.camera->cameraMode; }
// The mode indexes the camera table: anything but a whole mode 0..7 is
// pulled to the nearest one.
void setCameraMode(const SceneRecords& r, float v) {
    if (!(v >= (float)kCameraFree)) v = (float)kCameraFree;
    if (v > (float)kCameraPresetView) v = (float)kCameraPresetView;
    r.camera->cameraMode = (int)v;
}

constexpr Access kAccess[] = {
    SWITCH_FIELD(V::watchFollow, r.camera->watchFollow),
    FLOAT_FIELD(V::pilotOrbitEyeX, r.camera->pilotOrbit.eye.x),
    FLOAT_FIELD(V::pilotOrbitEyeY, r.camera->pilotOrbit.eye.y),
    FLOAT_FIELD(V::pilotOrbitEyeZ, r.camera->pilotOrbit.eye.z),
    FLOAT_FIELD(V::pilotOrbitCentreX, r.camera->pilotOrbit.centre.x),
    FLOAT_FIELD(V::pilotOrbitCentreY, r.camera->pilotOrbit.centre.y),
    FLOAT_FIELD(V::pilotOrbitCentreZ, r.camera->pilotOrbit.centre.z),
    FLOAT_FIELD(V::fighterOrbitEyeX, r.camera->fighterOrbit.eye.x),
    FLOAT_FIELD(V::fighterOrbitEyeY, r.camera->fighterOrbit.eye.y),
    FLOAT_FIELD(V::fighterOrbitEyeZ, r.camera->fighterOrbit.eye.z),
    FLOAT_FIELD(V::fighterOrbitCentreX, r.camera->fighterOrbit.centre.x),
    FLOAT_FIELD(V::fighterOrbitCentreY, r.camera->fighterOrbit.centre.y),
    FLOAT_FIELD(V::fighterOrbitCentreZ, r.camera->fighterOrbit.centre.z),
    FLOAT_FIELD(V::freeCameraX, r.camera->freeCameraPosition.x),
    FLOAT_FIELD(V::freeCameraY, r.camera->freeCameraPosition.y),
    FLOAT_FIELD(V::freeCameraZ, r.camera->freeCameraPosition.z),
    FLOAT_FIELD(V::lookTargetX, r.camera->lookTarget.x),
    FLOAT_FIELD(V::lookTargetY, r.camera->lookTarget.y),
    FLOAT_FIELD(V::lookTargetZ, r.camera->lookTarget.z),

    FLOAT_FIELD(V::cameraPitch, r.camera->cameraPitch),
    FLOAT_FIELD(V::cameraYaw, r.camera->cameraYaw),
    {V::cameraMode, cameraModeValue, setCameraMode},

    SWITCH_FIELD(V::soundOn, *r.soundOn),
    SWITCH_FIELD(V::treesOn, r.switches->trees),
    SWITCH_FIELD(V::buildingsOn, r.switches->buildings),
    SWITCH_FIELD(V::skyOn, r.switches->sky),
    SWITCH_FIELD(V::fighterOn, r.switches->fighter),

    FLOAT_FIELD(V::pilotOrbitDistance, r.camera->pilotOrbit.distance),
    FLOAT_FIELD(V::pilotOrbitAzimuth, r.camera->pilotOrbit.azimuth),
    FLOAT_FIELD(V::pilotOrbitElevation, r.camera->pilotOrbit.elevation),
    FLOAT_FIELD(V::fighterOrbitDistance, r.camera->fighterOrbit.distance),
    FLOAT_FIELD(V::fighterOrbitAzimuth, r.camera->fighterOrbit.azimuth),
    FLOAT_FIELD(V::fighterOrbitElevation, r.camera->fighterOrbit.elevation),
    FLOAT_FIELD(V::fieldOfView, *r.fieldOfView),
};

// Every value of a preset belongs to exactly one record: a parameter or an
// entry above.
constexpr int owners(int index) {
    int n = 0;
    for (const SimParameter& p : kSimParameters)
        for (int number : p.sceneValues) n += number == index + 1 ? 1 : 0;
    for (const Access& a : kAccess) n += a.index == index ? 1 : 0;
    return n;
}
constexpr bool eachValueHasOneOwner() {
    for (int k = 0; k < V::count; ++k)
        if (owners(k) != 1) return false;
    return true;
}
static_assert(eachValueHasOneOwner(), "a value of the scene presets has no record or two");

ParamRecords parameterRecords(const SceneRecords& r) { return {r.params, r.attitude, r.position}; }

#undef FLOAT_FIELD
#undef SWITCH_FIELD

}  // namespace

void captureSceneValues(const SceneRecords& r, float values[SceneValue::count]) {
    captureSceneParameters(parameterRecords(r), values);
    for (const Access& a : kAccess) values[a.index] = a.get(r);
}

void applySceneValues(const SceneRecords& r, const float* values, int count) {
    if (count > V::count) count = V::count;
    // The parameters and the other records share no field, so the order
    // between them does not matter.
    applySceneParameters(parameterRecords(r), values, count);
    for (const Access& a : kAccess) {
        // A value that is not a number (never read from a file, but a preset
        // made from a broken state could hold one) leaves its record alone.
        if (a.index >= count || !std::isfinite(values[a.index])) continue;
        a.set(r, values[a.index]);
    }
}
