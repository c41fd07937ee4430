// Reads one Data image through the program's own decoders and turns it into a
// picture the way the program shows it. The first row a decoder hands out is
// texture row 0 (t = 0); rowZeroAtBottom says whether the surfaces using the
// image map t = 0 at their bottom (TGA, BMP, building walls) or at their top
// (the other JPEG pictures).
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

DecodedPicture decodeForDisplay(const std::string& path, ImageKind kind, bool rowZeroAtBottom);
