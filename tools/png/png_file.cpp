#include "tools/png/png_file.h"

#include <png.h>

#include "assets/atomic_write.h"

std::vector<unsigned char> encodePng(int width, int height, int channels,
                                     const std::vector<unsigned char>& pixels) {
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4)) return {};
    if (pixels.size() < size_t(width) * size_t(height) * size_t(channels)) return {};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    std::vector<unsigned char> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    out.resize(size);
    return out;
}

bool writePngFile(const std::string& path, int width, int height, int channels,
                  const std::vector<unsigned char>& pixels) {
    const std::vector<unsigned char> png = encodePng(width, height, channels, pixels);
    return !png.empty() && writeFileAtomic(path.c_str(), png.data(), png.size());
}
