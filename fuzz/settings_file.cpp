// The settings reader on a file of the fuzzer's bytes: colours stay finite,
// and the file written from what was read reads back to the same values.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "assets/settings_file.h"
#include "fuzz/fuzz_input.h"
#include "menu/program_settings.h"
#include "render/scene_switches.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SceneSwitches switches;
    bool sound = true;
    SettingsFileState state;
    if (!readSettingsFile(fuzzInputFile(data, size), settingsTargetsFor(switches, sound), state)) std::abort();
    for (int k = 0; k < 3; ++k)
        if (!std::isfinite(switches.fogColor[k]) || !std::isfinite(switches.skyColor[k])) std::abort();

    char text[sizeof state.textAfterRead];
    size_t n = formatSettings(settingsTargetsFor(switches, sound), sound, text, sizeof text);
    if (n == 0) std::abort();
    SceneSwitches back;
    bool backSound = true;
    SettingsFileState backState;
    if (!readSettingsFile(fuzzInputFile((const uint8_t*)text, n), settingsTargetsFor(back, backSound), backState))
        std::abort();
    if (backState.heldMore || backSound != sound || back.trees != switches.trees ||
        back.buildings != switches.buildings || back.sky != switches.sky || back.fighter != switches.fighter)
        std::abort();
    // The fog colour goes through "%3.3f": the second text is the first.
    char again[sizeof text];
    back.skyColor[0] = switches.skyColor[0];
    back.skyColor[1] = switches.skyColor[1];
    back.skyColor[2] = switches.skyColor[2];
    size_t m = formatSettings(settingsTargetsFor(back, backSound), backSound, again, sizeof again);
    if (m != n || std::memcmp(text, again, n) != 0) std::abort();
    return 0;
}
