// Named scene presets and their file "Data/scene.ini".
//
// Up to 100 presets live in statically allocated slots, linked in a list
// sorted by name (byte order). The file is text:
//
//   <empty line>
//   WARNING: Do Not Edit ! May Cause Crash!
//   <empty line>
//   [Name]:first scene
//   -0.430 18.000 108.000 ... (each value "%3.3f " on one line)
//   [Name]:second scene
//   ...
//   [END]
//
// Reading stops at "[END]", at the end of the file, at 100 presets; a values
// line keeps at most 827 values.
#pragma once

#include <cstddef>
#include <cstdio>

constexpr int kMaxScenePresets = 100;
constexpr int kMaxPresetNameLength = 255;
constexpr int kMaxPresetValues = 827;
constexpr const char* kScenePresetPath = "Data/scene.ini";

struct ScenePreset {
    bool inUse = false;
    int slot = 0;
    char name[kMaxPresetNameLength + 1] = {};
    float values[kMaxPresetValues] = {};
    int valueCount = 0;
    ScenePreset* next = nullptr;
    ScenePreset* previous = nullptr;
};

struct ScenePresetTable {
    ScenePreset slots[kMaxScenePresets];
    ScenePreset* head = nullptr;  // first preset by name, or null
    // Since the last load or save: the user added or deleted a preset.
    bool changed = false;
    // The file last loaded held more than the list can write back (presets
    // past the table, values past a line's room, long names, stray lines).
    bool fileHeldMore = false;
    bool reportedUnwritable = false;
};

extern ScenePresetTable scenePresetTable;

// Empties the list and frees every slot.
void clearScenePresets(ScenePresetTable& table);
// The lowest free slot number, or -1.
int freePresetSlot(const ScenePresetTable& table);
int usedPresetSlots(const ScenePresetTable& table);
// Fills the lowest free slot with name and values and links it before the
// first preset whose name is greater (byte order; equal names go after).
// Null for an empty name or one over 255 characters, or when the table is full.
ScenePreset* insertScenePreset(ScenePresetTable& table, const char* name, const float* values, int count);
// Unlinks preset and frees its slot.
void deleteScenePreset(ScenePresetTable& table, ScenePreset* preset);
// The preset at 1-based position n of the list, or null.
ScenePreset* presetAt(const ScenePresetTable& table, int n);

// Replaces the list with the presets of an open stream, linked in file order.
void readScenePresetStream(std::FILE* f, ScenePresetTable& table);
// -1 when path cannot be opened (the list is then empty), 1 otherwise. A file
// that held more than the list keeps is reported on standard error.
int loadScenePresetsFrom(const char* path, ScenePresetTable& table);

// The file text of the list (empty for an empty list); false when cap is too small.
bool formatScenePresets(const ScenePresetTable& table, char* out, size_t cap, size_t& length);
// Writes the list to path atomically when it has changed since it was loaded
// or last written: an unchanged list leaves the file as it is (it holds that
// list already, or more than the table could keep). A failure is reported
// once on standard error; false when nothing was written.
bool saveScenePresetsTo(const char* path, ScenePresetTable& table);

// The process-wide list and "Data/scene.ini".
int loadScenePresets();
