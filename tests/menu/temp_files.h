// Temporary files for the file tests: a private folder per test binary, and
// helpers to write and read whole files.
#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed at exit.
const std::string& tempFolder();
std::string tempPath(const char* name);
void writeText(const std::string& path, const std::string& text);
std::string readText(const std::string& path);
bool fileExists(const std::string& path);
// The starter scene file as the asset generator writes it (once per test run).
std::string starterSceneFile();
