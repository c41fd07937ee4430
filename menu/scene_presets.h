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
// Reading stops at "[END]" or at the end of the file; the list holds the first
// 100 presets and the rest stay in the file; a values line keeps at most 827
// values.
#pragma once

#include <cstddef>
#include <cstdio>

constexpr int kMaxScenePresets = 100;
constexpr int kMaxPresetNameLength = 255;
constexpr int kMaxPresetValues = 827;
// Presets a file may hold: the list shows the first 100, the rest stay in the
// file and are written back with it. A file of more is never rewritten.
constexpr int kMaxStoredPresets = 1000;
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
    // The list as the file held it at the last read or write. What the user
    // added and deleted since is measured against it when the file is written
    // again, so that another program's changes to the file in the meantime stay.
    ScenePreset synced[kMaxScenePresets];
    int syncedCount = 0;
    // Since the last read or write: the user added or deleted a preset.
    bool changed = false;
    // The file last read held more than the list can write back (values past
    // a line's room, long names, stray lines).
    bool fileHeldMore = false;
    // Presets in the file at the last read or write; past 100 they are kept there.
    int presetsInFile = 0;
    // The file is there but cannot be read: it is never written over.
    bool fileUnreadable = false;
    // Why the list cannot be written to the file, for the SCENE page; "" when
    // it can. Each new reason is told once on standard error.
    char fileProblem[256] = {};
};

extern ScenePresetTable scenePresetTable;
// The file of the process-wide list: "Data/scene.ini" (tests point it elsewhere).
extern const char* scenePresetPath;

// Empties the list and frees every slot; what the file held is forgotten.
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
// Replaces the list with the presets of path: -1 when there is no such file
// (the list is then empty) or when it cannot be read (reported once; the
// list stays as it was and the file is never written over), 1 otherwise. A
// file that held more than the list keeps is reported on standard error.
int loadScenePresetsFrom(const char* path, ScenePresetTable& table);

// The file text of the list (empty for an empty list); false when cap is too small.
bool formatScenePresets(const ScenePresetTable& table, char* out, size_t cap, size_t& length);
// Writes the user's additions and deletions since the last read or write to
// path: under a lock on its folder the file is read again, the changes are
// made to what it holds now, and the result replaces it atomically; the list
// then shows the file. An unchanged list leaves the file as it is. A file
// that cannot be read, holds more than kMaxStoredPresets or cannot be
// written is reported once on standard error and left as it is, and the list
// keeps the changes for the next try. False when nothing was written.
bool saveScenePresetsTo(const char* path, ScenePresetTable& table);
// Reads path again: with unsaved changes, saves them first (as above) and
// keeps the list as it is when they cannot be saved; otherwise as
// loadScenePresetsFrom.
int reloadScenePresetsFrom(const char* path, ScenePresetTable& table);

// The process-wide list and scenePresetPath.
int loadScenePresets();
int reloadScenePresets();
bool saveScenePresetsNow();
