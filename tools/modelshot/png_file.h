// Minimal PNG writer (8-bit RGB, no filtering) for the snapshot tool.
#pragma once

#include <string>
#include <vector>

// rows top to bottom, width * 3 bytes each. False when the file cannot be written.
bool writePngRgb(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb);
