#include "tools/contactsheet/decoded_picture.h"

#include "assets/bmp_image.h"
#include "assets/jpeg_image.h"
#include "assets/tga_image.h"
#include "platform/error_report.h"

namespace {

// Rows arrive texture row 0 first; picture row 0 is the top of the canvas.
void fillFromRows(DecodedPicture& out, const unsigned char* pixels, size_t size, int width, int height, int bpp,
                  bool rowZeroAtBottom) {
    const size_t need = static_cast<size_t>(width) * height * bpp;
    if (width <= 0 || height <= 0 || size < need) return;
    out.picture = Canvas(width, height);
    for (int r = 0; r < height; ++r)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = pixels + (static_cast<size_t>(r) * width + x) * bpp;
            out.picture.at(x, rowZeroAtBottom ? height - 1 - r : r) =
                rgb(p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, bpp == 4 ? p[3] / 255.0f : 1.0f);
        }
    out.width = width;
    out.height = height;
    out.hasAlpha = bpp == 4;
    out.ok = true;
}

}  // namespace

DecodedPicture decodeForDisplay(const std::string& path, ImageKind kind, bool rowZeroAtBottom) {
    DecodedPicture out;
    if (kind == ImageKind::Tga) {
        TgaImage img;
        if (readTgaFile(path.c_str(), img))
            fillFromRows(out, img.pixels.data(), img.pixels.size(), img.width, img.height, img.bits / 8, rowZeroAtBottom);
    } else if (kind == ImageKind::Jpeg) {
        JpegImage img;
        LoadError error;
        if (readJpeg(path.c_str(), img, &error) && img.components == 3)
            fillFromRows(out, img.pixels.data(), img.pixels.size(), img.width, img.height, 3, rowZeroAtBottom);
        else if (error.text[0])
            errorBox(error.text);
    } else {
        BmpImage img;
        LoadError error;
        if (readBmp(path.c_str(), img, &error))
            fillFromRows(out, img.pixels.data(), img.pixels.size(), img.width, img.height, 3, rowZeroAtBottom);
        else
            errorBox(error.text);
    }
    return out;
}
