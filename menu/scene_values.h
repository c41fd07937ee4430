// The values of one scene preset, in the order "Data/scene.ini" holds them.
// Both the scene-preset code (making and applying presets) and the asset
// generator's starter file index the value array through this table, so the
// file layout is written down in one place.
//
// Index k here is value number k + 1 of a preset line. Every value is stored
// as a single-precision float; switches and the camera mode as 0/1 and whole
// numbers.
//
// Two groups record a value twice, because two records hold it: the fighter
// attitude (25..27 and 49..51) and its ground position (28, 29 and 54, 55).
// A preset made by the program writes both copies alike; when a file's copies
// differ, applying the values in index order lets the later copy (49..51,
// 54..56, the records the keys and drags edit) stand.
//
// Some values are recomputed from others as soon as a preset is applied: the
// orbit cameras' eye and centre (from distance, azimuth and elevation) and the
// free camera's look target (from yaw and pitch). They are still stored so
// the layout matches files written before.
#pragma once

struct SceneValue {
    enum Index : int {
        // 1..24: SimParams, the CONTROL page rows.
        cgOffsetZ,               // 1
        seatBackAngleDeg,        // 2
        catapultOnsetRate,       // 3  g/s
        rocketOnsetRate,         // 4  g/s
        sinkRateFtS,             // 5
        catapultThrustLb,        // 6
        rocketThrustLb,          // 7
        canopyRocketThrustLb,    // 8
        seatMassKg,              // 9
        pilotMassKg,             // 10
        gearMassKg,              // 11
        canopyMassKg,            // 12
        mainChuteCd,             // 13
        drogueCd,                // 14
        seatManCd,               // 15
        mainChuteDiameterM,      // 16
        drogueDiameterM,         // 17
        rocketBurnTimeS,         // 18
        canopyRocketBurnTimeS,   // 19
        countdownS,              // 20 (64-bit in memory)
        playSpeedDivisor,        // 21
        initialTasKt,            // 22
        canopyMaxPitchDeg,       // 23
        canopyDelayS,            // 24 (64-bit in memory)

        // 25..29: the fighter's flight condition: FighterAttitude and the
        // ground position of the fighter (x, y; altitude is 56).
        attitudeHeadingDeg,      // 25
        attitudePitchDeg,        // 26
        attitudeRollDeg,         // 27
        attitudePositionX,       // 28 metres
        attitudePositionY,       // 29 metres

        // 30..48: camera set-up.
        watchFollow,             // 30 0/1: watch cameras ride with the target
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

        // 49..51: the fighter rotation the right-button drag and the numpad
        // keys turn: headingDeg, pitchDeg, rollDeg.
        headingDeg,              // 49
        pitchDeg,                // 50
        rollDeg,                 // 51

        cameraPitch,             // 52 degrees
        cameraYaw,               // 53 degrees

        // 54..56: the fighter position, 64-bit in memory (start-up 0, 0, 5).
        fighterPositionX,        // 54
        fighterPositionY,        // 55
        fighterAltitude,         // 56

        cameraMode,              // 57 0..7

        // 58..63: switches, 0 or 1.
        soundOn,                 // 58
        treesOn,                 // 59
        buildingsOn,             // 60
        skyOn,                   // 61
        applyGOnFighter,         // 62
        fighterOn,               // 63

        pilotOrbitDistance,      // 64 camera mode 3
        pilotOrbitAzimuth,       // 65
        pilotOrbitElevation,     // 66
        fighterOrbitDistance,    // 67 camera mode 4
        fighterOrbitAzimuth,     // 68
        fighterOrbitElevation,   // 69

        fieldOfView,             // 70 degrees

        count
    };
};

static_assert(SceneValue::count == 70, "a preset made by the program holds 70 values");
