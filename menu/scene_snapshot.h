// The 70 values of a scene preset taken from, and given back to, the records
// they belong to: the simulation parameters, the fighter's attitude and
// position, the camera, the scene switches, the sound switch and the field of
// view. sim/parameter_table.h numbers the parameters, menu/scene_values.h
// the rest.
#pragma once

#include "menu/scene_values.h"

struct SimParams;
struct FighterAttitude;
struct FighterPosition;
struct CameraState;
struct SceneSwitches;

struct SceneRecords {
    SimParams* params;
    FighterAttitude* attitude;
    FighterPosition* position;
    CameraState* camera;
    SceneSwitches* switches;
    bool* soundOn;
    float* fieldOfView;
};

// The process-wide records.
SceneRecords programSceneRecords();

void captureSceneValues(const SceneRecords& r, float values[SceneValue::count]);
// Gives back the first count values in index order (a later copy of the same
// record wins). Values a preset does not hold leave their records alone.
void applySceneValues(const SceneRecords& r, const float* values, int count);
