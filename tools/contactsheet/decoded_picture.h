// Reads one Data image through the program's own decoders and turns it into a
// picture the way the program shows it: texture row 0 (the first row the
// decoder hands out, which the program uploads as t = 0) at the bottom.
#pragma once

#include <string>

#include "tools/assetgen/img_canvas.h"

enum class ImageKind { Tga, Jpeg, Bmp };

struct DecodedPicture {
    bool ok = false;
    bool hasAlpha = false;
    int width = 0, height = 0;
    Canvas picture{1, 1};
};

DecodedPicture decodeForDisplay(const std::string& path, ImageKind kind);
