#include "menu/program_settings.h"

#include "render/scene_switches.h"
#include "sound/sound_events.h"

SettingsTargets settingsTargetsFor(SceneSwitches& s, bool& soundOn) {
    return SettingsTargets{s.skyColor, s.fogColor, &soundOn, &s.trees, &s.buildings, &s.sky, &s.fighter};
}

bool readSettings() {
    return readSettingsFile(kSettingsPath, settingsTargetsFor(sceneSwitches, soundOn), settingsFileState);
}

void writeSettings() {
    writeSettingsFile(kSettingsPath, settingsTargetsFor(sceneSwitches, soundOn), settingsFileState);
}
