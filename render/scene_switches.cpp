#include "render/scene_switches.h"

SceneSwitches sceneSwitches;

void setSceneSwitchDefaults(SceneSwitches& s) { s = SceneSwitches(); }
