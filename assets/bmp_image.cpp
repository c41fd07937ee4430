#include "assets/bmp_image.h"

bool decodeBmp(const unsigned char*, size_t, BmpImage&) { return false; }
bool readBmp(const char*, BmpImage&) { return false; }
