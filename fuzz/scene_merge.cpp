// Writing the scene list over a file another program changed meanwhile: the
// fuzzer's bytes are what the file holds when this program saves an added
// and a deleted preset. Either the file is left exactly as it was (only when
// it holds more presets than a merge can keep), or the new file holds every
// preset it held, less at most the deleted one, plus the added one.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "menu/scene_presets.h"

namespace {

ScenePresetTable table, onDisk, after;

const char* kBase = "\nWARNING: Do Not Edit ! May Cause Crash!\n"
                    "\n[Name]:one\n1.000 \n[Name]:three\n3.000 \n[Name]:two\n2.000 \n[END]\n";

std::string folder() {
    static std::string dir;
    if (dir.empty()) {
        char pattern[] = "/tmp/vorix-fuzz-merge-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        dir = pattern;
    }
    return dir;
}

void writeBytes(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || (size && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) std::abort();
}

std::string readBytes(const std::string& path) {
    std::string text;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) std::abort();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

bool holds(const ScenePresetTable& t, const char* name) {
    for (const ScenePreset* p = t.head; p; p = p->next)
        if (std::strcmp(p->name, name) == 0) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = folder() + "/scene.ini";
    writeBytes(path, (const uint8_t*)kBase, std::strlen(kBase));
    if (loadScenePresetsFrom(path.c_str(), table) != 1) std::abort();
    const float value = 1.25f;
    if (!insertScenePreset(table, "\x7f" "added", &value, 1)) std::abort();
    deleteScenePreset(table, table.head->next->next);  // "two"

    // What the file holds by now, read on its own for comparison.
    if (loadScenePresetsFrom(fuzzInputFile(data, size), onDisk) != 1) std::abort();
    writeBytes(path, data, size);
    const bool written = saveScenePresetsTo(path.c_str(), table);
    if (!written) {
        if (onDisk.presetsInFile < kMaxStoredPresets) std::abort();
        if (readBytes(path) != std::string((const char*)data, size)) std::abort();
        return 0;
    }
    if (loadScenePresetsFrom(path.c_str(), after) != 1) std::abort();
    const int expected = onDisk.presetsInFile + 1;
    if (after.presetsInFile != expected && after.presetsInFile != expected - 1) std::abort();
    if (after.presetsInFile < kMaxScenePresets && !holds(after, "\x7f" "added")) std::abort();
    if (after.fileHeldMore) std::abort();
    // The list shows the file after the write.
    if (usedPresetSlots(table) != usedPresetSlots(after)) std::abort();
    return 0;
}
