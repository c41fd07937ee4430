// PNG files for the developer tools, written with libpng.
#pragma once

#include <string>
#include <vector>

// Writes 8-bit pixels with 3 (R,G,B) or 4 (R,G,B,A) channels, rows top first
// and tightly packed, to path; the file is replaced atomically. False when
// the sizes do not fit the pixels or the file cannot be written.
bool writePngFile(const std::string& path, int width, int height, int channels,
                  const std::vector<unsigned char>& pixels);

// The same PNG as bytes in memory (empty on failure).
std::vector<unsigned char> encodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels);
