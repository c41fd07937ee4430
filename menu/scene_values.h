// The values of one scene preset, in the order "Data/scene.ini" holds them.
// The simulation's parameters take the numbers sim/parameter_table.h gives
// them (1 to 29, 49 to 51, 54 to 56 and 62); this table numbers the rest,
// the camera set-up, the switches and the field of view. The scene-preset
// code (making and applying presets) and the asset generator's starter file
// index the value array through both, so the file layout is written down in
// one place for each record.
//
// Index k here is value number k + 1 of a preset line. Every value is stored
// as a single-precision float; switches and the camera mode as 0/1 and whole
// numbers.
//
// The fighter's attitude and ground position are recorded twice (25..29 and
// 49..51, 54..56), because two records once held them. A preset made by the
// program writes both copies alike; when a file's copies differ, the later
// copy (the one the keys and drags edit) stands.
//
// Some values are recomputed from others as soon as a preset is applied: the
// orbit cameras' eye and centre (from distance, azimuth and elevation) and the
// free camera's look target (from yaw and pitch). They are still stored so
// the layout matches files written before.
#pragma once

#include "sim/parameter_table.h"

struct SceneValue {
    enum Index : int {
        // 30..48: camera set-up.
        watchFollow = 29,        // 30 0/1: watch cameras ride with the target
        pilotOrbitEyeX,          // 31 pilot OrbitCamera eye (recomputed)
        pilotOrbitEyeY,          // 32
        pilotOrbitEyeZ,          // 33
        pilotOrbitCentreX,       // 34 pilot OrbitCamera centre (recomputed)
        pilotOrbitCentreY,       // 35
        pilotOrbitCentreZ,       // 36
        fighterOrbitEyeX,        // 37 fighter OrbitCamera eye (recomputed)
        fighterOrbitEyeY,        // 38
        fighterOrbitEyeZ,        // 39
        fighterOrbitCentreX,     // 40 fighter OrbitCamera centre (recomputed)
        fighterOrbitCentreY,     // 41
        fighterOrbitCentreZ,     // 42
        freeCameraX,             // 43 freeCameraPosition
        freeCameraY,             // 44
        freeCameraZ,             // 45
        lookTargetX,             // 46 lookTarget (recomputed from yaw, pitch)
        lookTargetY,             // 47
        lookTargetZ,             // 48

        cameraPitch = 51,        // 52 degrees
        cameraYaw,               // 53 degrees

        cameraMode = 56,         // 57 0..7

        // 58..63 switches, 0 or 1 ("Apply G on Fighter" is 62).
        soundOn,                 // 58
        treesOn,                 // 59
        buildingsOn,             // 60
        skyOn,                   // 61
        fighterOn = 62,          // 63

        pilotOrbitDistance,      // 64 camera mode 3
        pilotOrbitAzimuth,       // 65
        pilotOrbitElevation,     // 66
        fighterOrbitDistance,    // 67 camera mode 4
        fighterOrbitAzimuth,     // 68
        fighterOrbitElevation,   // 69

        fieldOfView,             // 70 degrees

        // Values a preset made by the program holds.
        count = fieldOfView + 1 > lastParameterSceneValue() ? fieldOfView + 1 : lastParameterSceneValue()
    };
};
