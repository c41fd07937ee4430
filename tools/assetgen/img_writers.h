// Writers for the three image kinds the program reads. Every picture is drawn
// upright on a Canvas (row 0 = top as the program shows it) and stored so that
// the program's texture row 0 (t = 0) is the BOTTOM of the picture:
//   - TGA and BMP: rows bottom-up, as the program uploads rows in stored order;
//   - JPEG: the picture's bottom row is written as row 0, because the program
//     makes JPEG row 0 texture row 0 and draws every surface with t = 0 at the
//     bottom (walls, seat and pilot quads, the ABOUT pictures).
// So each picture appears the right way up wherever a quad maps (0,0) to its
// bottom-left corner. Files go through writeFileAtomic.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/img_canvas.h"

// Uncompressed true-colour TGA, 24 or 32 bits, B,G,R(,A) bytes.
std::vector<unsigned char> encodeTga(const Canvas& canvas, int bits);
// 24-bit BMP with the 14-byte file header and the 40-byte information header.
std::vector<unsigned char> encodeBmp(const Canvas& canvas);
// Baseline colour JPEG; false on a library failure.
bool encodeJpeg(const Canvas& canvas, int quality, std::vector<unsigned char>& out);

// Each writes dataDir + "/" + name and prints why on failure.
bool writeTga(const std::string& dataDir, const char* name, const Canvas& canvas, int bits = 32);
bool writeBmp(const std::string& dataDir, const char* name, const Canvas& canvas);
bool writeJpeg(const std::string& dataDir, const char* name, const Canvas& canvas, int quality = 88);

// Number of files written so far by this process (for the final check).
int imagesWritten();
