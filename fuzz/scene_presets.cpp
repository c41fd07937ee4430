// The scene-preset reader on a file of the fuzzer's bytes: the list stays
// within its table, every name and values line within its room, and the
// text the writer makes of the list reads back to the same text.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "menu/scene_presets.h"

namespace {

ScenePresetTable table, again;
char text[kMaxScenePresets * (16 + kMaxPresetNameLength + kMaxPresetValues * 48) + 64];
char textAgain[sizeof text];

void check(const ScenePresetTable& t) {
    int linked = 0;
    const ScenePreset* previous = nullptr;
    for (const ScenePreset* p = t.head; p; p = p->next) {
        if (++linked > kMaxScenePresets) std::abort();
        if (p < t.slots || p >= t.slots + kMaxScenePresets || !p->inUse || p->previous != previous) std::abort();
        if (std::memchr(p->name, '\0', sizeof p->name) == nullptr) std::abort();
        if (p->valueCount < 0 || p->valueCount > kMaxPresetValues) std::abort();
        for (int k = 0; k < p->valueCount; ++k)
            if (!std::isfinite(p->values[k])) std::abort();
        previous = p;
    }
    if (linked != usedPresetSlots(t)) std::abort();
}

bool nameEndsInReturn(const ScenePresetTable& t) {
    for (const ScenePreset* p = t.head; p; p = p->next) {
        size_t n = std::strlen(p->name);
        if (n > 0 && p->name[n - 1] == '\r') return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (loadScenePresetsFrom(fuzzInputFile(data, size), table) != 1) std::abort();
    check(table);
    size_t length = 0;
    if (!formatScenePresets(table, text, sizeof text, length)) std::abort();
    // A carriage return at the end of a name is taken for a Windows line end.
    if (nameEndsInReturn(table)) return 0;
    if (loadScenePresetsFrom(fuzzInputFile((const uint8_t*)text, length), again) != 1) std::abort();
    check(again);
    if (again.fileHeldMore) std::abort();
    size_t lengthAgain = 0;
    if (!formatScenePresets(again, textAgain, sizeof textAgain, lengthAgain)) std::abort();
    if (lengthAgain != length || std::memcmp(text, textAgain, length) != 0) std::abort();
    return 0;
}
