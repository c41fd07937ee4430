// The scene switches and colours the user chooses: which parts of the world are
// drawn and the fog colour. The settings file and the OPTION page write them,
// scene presets save them, the world and body drawing read them.
#pragma once

struct SceneSwitches {
    bool ground = true;      // hills and ground layer
    bool trees = true;
    bool sky = true;         // the cloud layer
    bool textured = true;    // textured model drawing
    bool buildings = false;
    bool fighter = true;
    float fogColor[3] = {0.84f, 0.81f, 0.81f};
    float skyColor[3] = {0.0f, 0.0f, 0.0f};  // carried by the settings file, drawn by nothing
};

extern SceneSwitches sceneSwitches;

// Start-up values of the switches and colours.
void setSceneSwitchDefaults(SceneSwitches& s);
