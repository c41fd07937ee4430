// The asset generator writes every file of the Data folder. Each family of
// files has its own generator; all are deterministic (no clock, no global rand).
#pragma once

#include <string>

// dataDir is the Data folder itself (e.g. build/Data); it already exists, as
// does dataDir + "/sound". Each returns false and prints why on failure.
bool generateImages(const std::string& dataDir);    // 36 TGA, 34 JPEG, 5 BMP
bool generateSounds(const std::string& dataDir);    // 15 WAV files under sound/
bool generateModel(const std::string& dataDir);     // poly.txt
// The starter scene.ini, only where there is none: once the simulator has run,
// the file holds the user's scenes. The settings file (3d_eject.ini) is the
// simulator's own and is never written here.
bool generateSceneIni(const std::string& dataDir);
