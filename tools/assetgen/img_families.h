// The picture families of the Data folder; each writes its files into dataDir
// and returns false (after printing why) if any of them could not be written.
#pragma once

#include <string>

bool writeFontSheets(const std::string& dataDir);     // Font.bmp, font_shit.bmp, font_newage.bmp, Font.tga
bool writeGaugeImages(const std::string& dataDir);    // faces and needles
bool writeWorldImages(const std::string& dataDir);    // ground, sky, walls, tower, trees, fire, cloud, canopy
bool writeMenuImages(const std::string& dataDir);     // backgrounds, widgets, dialog picture, text box
bool writeFigureImages(const std::string& dataDir);   // seat, pilot and helmet surfaces
bool writeAboutImages(const std::string& dataDir);    // the twelve information pictures
