// Writers for the three image kinds the program reads. Every picture is drawn
// upright on a Canvas (row 0 = top as the program shows it).
//   - TGA and BMP rows are stored bottom-up: the program uploads rows in stored
//     order, so t = 0 is the picture's bottom, which is how every TGA and BMP
//     surface is mapped (gauges, fonts, buttons, trees, fire, tower, seat quads).
//   - JPEG row 0 becomes texture row 0. Building walls are mapped with t = 0 at
//     the foot of the wall, so their pictures are written bottom row first;
//     every other JPEG (seat and pilot quads, the ABOUT pictures) is mapped
//     with t = 0 at the top and is written top row first, as any viewer shows it.
// Files go through writeFileAtomic.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/img_canvas.h"

// Uncompressed true-colour TGA, 24 or 32 bits, B,G,R(,A) bytes.
std::vector<unsigned char> encodeTga(const Canvas& canvas, int bits);
// 24-bit BMP with the 14-byte file header and the 40-byte information header.
std::vector<unsigned char> encodeBmp(const Canvas& canvas);
enum class JpegRows { TopFirst, BottomFirst };

// Baseline colour JPEG; false on a library failure.
bool encodeJpeg(const Canvas& canvas, int quality, JpegRows rows, std::vector<unsigned char>& out);

// Each writes dataDir + "/" + name and prints why on failure.
bool writeTga(const std::string& dataDir, const char* name, const Canvas& canvas, int bits = 32);
bool writeBmp(const std::string& dataDir, const char* name, const Canvas& canvas);
bool writeJpeg(const std::string& dataDir, const char* name, const Canvas& canvas,
               JpegRows rows = JpegRows::TopFirst, int quality = 88);

// Number of files written so far by this process (for the final check).
int imagesWritten();
