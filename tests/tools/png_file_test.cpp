#include "tools/png/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {

using Bytes = std::vector<unsigned char>;

// Decodes a PNG in memory with libpng into the given channel layout.
Bytes decode(const Bytes& png, int channels, int* width, int* height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
    image.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    Bytes pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
    *width = int(image.width);
    *height = int(image.height);
    return pixels;
}

Bytes pattern(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<unsigned char>(i * 37 + (i >> 5));
    return b;
}

}  // namespace

TEST(PngFile, RgbAndRgbaRoundTripWithOddWidths) {
    for (int channels : {3, 4}) {
        const int w = 7, h = 5;
        const Bytes pixels = pattern(size_t(w) * h * channels);
        const Bytes png = encodePng(w, h, channels, pixels);
        ASSERT_GT(png.size(), 8u);
        int dw = 0, dh = 0;
        EXPECT_EQ(decode(png, channels, &dw, &dh), pixels) << channels;
        EXPECT_EQ(dw, w);
        EXPECT_EQ(dh, h);
    }
}

TEST(PngFile, SizesThatDoNotFitThePixelsAreRefused) {
    const Bytes pixels = pattern(4 * 4 * 3);
    EXPECT_TRUE(encodePng(4, 4, 4, pixels).empty());  // too few for RGBA
    EXPECT_TRUE(encodePng(0, 4, 3, pixels).empty());
    EXPECT_TRUE(encodePng(4, 4, 2, pixels).empty());
    EXPECT_FALSE(writePngFile("/nonexistent/dir/out.png", 4, 4, 3, pixels));
}
