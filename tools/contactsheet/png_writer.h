// Minimal PNG encoder: 8-bit RGBA, one IDAT chunk compressed with zlib.
#pragma once

#include <vector>

// rgba holds width * height * 4 bytes, top row first. Empty on failure.
std::vector<unsigned char> encodePng(int width, int height, const std::vector<unsigned char>& rgba);
