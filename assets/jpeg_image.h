// JPEG images decoded with libjpeg (62 interface), GL-free.
#pragma once

#include <vector>

// A decoded JPEG picture: rows top to bottom, 8 bits a sample. Colour files
// come out as R,G,B; greyscale files are widened to R,G,B as well, so
// components is always 3 and rowBytes is width * 3.
struct JpegImage {
    std::vector<unsigned char> pixels;
    int rowBytes = 0;
    int width = 0;
    int height = 0;
    int components = 0;
};

struct LoadError;

// Decodes path into out. A file that cannot be opened gives the error the
// path as its text; damaged or truncated data (libjpeg's warnings included),
// a declared size beyond the limits of image_limits.h and files with other
// than 1 or 3 components give the path and, on a second line, the reason.
// Either way out stays empty and false is returned (the caller shows the
// error); libjpeg's errors never end the program.
bool readJpeg(const char* path, JpegImage& out, LoadError* error = nullptr);
