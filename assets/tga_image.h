// Uncompressed true-colour TGA images: the program's own reader, GL-free.
#pragma once

#include <cstddef>
#include <vector>

#include "assets/image_limits.h"

// One TGA picture. Pixels are R,G,B (24 bits) or R,G,B,A (32 bits), rows in
// the order the file stores them (the image descriptor is not read). The
// buffer stays allocated for the life of the program once loaded.
struct TgaImage {
    std::vector<unsigned char> pixels;
    int bits = 0;            // 24 or 32
    int width = 0;
    int height = 0;
    unsigned int texture = 0;  // OpenGL texture name, 0 until uploaded
};

// Decodes a TGA held in memory. Accepts only the plain header (no identifier,
// no colour map, type 2, zero origin), non-zero sides and 24 or 32 bits, a
// size within image_limits.h, with every pixel byte present. On failure out
// is left empty, false returned and, when why is given, *why says what was
// wrong in a few words.
bool decodeTga(const unsigned char* data, size_t size, TgaImage& out, const char** why = nullptr);

// Reads a TGA file (binary) with the same rules. Fills pixels, bits, width
// and height; leaves texture alone. False on a missing, refused or short file.
bool readTgaFile(const char* path, TgaImage& out, const char** why = nullptr);
