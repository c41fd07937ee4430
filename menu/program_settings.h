// The program's settings file "Data/3d_eject.ini" over the process-wide
// records it keeps: the scene switches and colours (which the OPTION page
// also edits) and the sound switch.
#pragma once

#include "assets/settings_file.h"

struct SceneSwitches;

// The settings file's targets in a switches record and a sound switch.
SettingsTargets settingsTargetsFor(SceneSwitches& switches, bool& soundOn);

// Reads the file into the records (the caller rebuilds the menu widgets and
// re-reads the scene presets after it); writes them at exit.
bool readSettings();
void writeSettings();
