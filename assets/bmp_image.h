// Device-independent bitmaps (BMP / DIB): the program's own reader, GL-free.
#pragma once

#include <cstddef>
#include <vector>

struct LoadError;

// A decoded bitmap as packed R,G,B triples (no row padding), bottom row
// first, as a usual positive-height BMP stores them. Top-down files
// (negative height) are turned over so every picture comes out the same way.
struct BmpImage {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
};

// Decodes a BMP held in memory (with or without the 14-byte "BM" file
// header): 12-byte core or 40-byte information header; 1, 4, 8, 16, 24 or
// 32 bits a pixel (16 and 32 as BI_RGB or BI_BITFIELDS); RLE is refused.
// Failures return false with the error's text "Unknown DIB file format.",
// "Out of memory." or "Image file conversion error." (the words of its box,
// which the caller shows), and the particular reason in *why when why is
// given.
bool decodeBmp(const unsigned char* data, size_t size, BmpImage& out, LoadError* error = nullptr,
               const char** why = nullptr);

// Reads the whole file and decodes it. A file that cannot be opened or read
// gives "Failed to open DIB file <path>." and returns false; a file that
// opens but is refused is also named on standard error with the reason.
bool readBmp(const char* path, BmpImage& out, LoadError* error = nullptr);
// readBmp without the standard-error line: the reason goes to *why.
bool readBmpFile(const char* path, BmpImage& out, const char** why, LoadError* error = nullptr);
