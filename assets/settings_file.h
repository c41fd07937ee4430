// The settings file "Data/3d_eject.ini": sky and fog colour and the five scene
// switches (sound, trees, buildings, sky, fighter), kept between runs.
//
//   <empty line>
//   // sky color
//   <empty line>
//   S 0.000 0.000 0.000      sky colour (each held component / 255)
//   F 0.840 0.810 0.810      fog colour
//   O 1 1 0 1 1              sound, trees, buildings, sky, fighter
//   x                        end mark
//
// Reading skips empty lines and lines beginning with "/", takes the record from
// the first character and its fields from the third, and ends after the "x"
// line or at the end of the file. The sound value can only switch sound off.
#pragma once

#include <cstddef>
#include <cstdio>

constexpr const char* kSettingsPath = "Data/3d_eject.ini";

// Where the values the file holds live: the caller hands in its records (the
// program the scene switches and the sound switch, tests their own).
struct SettingsTargets {
    float* skyColor;  // three components, 0..1
    float* fogColor;  // three components
    bool* soundOn;
    bool* trees;
    bool* buildings;
    bool* sky;
    bool* fighter;
};

// What the last read saw: a rewrite must not replace a file that held more
// than the values it gave (unreadable fields, stray lines) unless the values
// have changed since.
struct SettingsFileState {
    bool heldMore = false;
    // What writing right after the read gives: room for the longest numbers.
    char textAfterRead[512] = {};
    bool reportedUnwritable = false;
    // The file is there but could not be read (permissions, a folder, a
    // device, a read error): it is never written over until a read succeeds.
    bool unreadable = false;
    char problem[256] = {};  // what the loading screen says, "" when all is well
};

extern SettingsFileState settingsFileState;

// The file text for the targets' values with this sound value; returns its
// length (0 if cap is too small).
size_t formatSettings(const SettingsTargets& t, bool soundOn, char* out, size_t cap);

// Applies the records of an open stream to the targets; fills state.heldMore
// and state.textAfterRead.
void readSettingsStream(std::FILE* f, const SettingsTargets& t, SettingsFileState& state);

// Reads path into the targets. When there is no file, writes a fresh one
// from the values in memory and returns false. A file that exists but cannot
// be read is reported once on standard error and kept (state.unreadable);
// false. True after a read.
bool readSettingsFile(const char* path, const SettingsTargets& t, SettingsFileState& state);
// Writes path atomically from the values in memory, unless the file read last
// held more than these (unchanged) values would write back, or could not be
// read. A failure is reported once on standard error; false when nothing was
// written.
bool writeSettingsFile(const char* path, const SettingsTargets& t, SettingsFileState& state);
