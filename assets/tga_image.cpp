#include "assets/tga_image.h"

#include <cstdio>
#include <cstring>

namespace {

// No identifier, no colour map, type 2 (uncompressed true-colour), zero
// colour-map fields and zero origin.
const unsigned char plainHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr size_t headerBytes = 18;

struct TgaShape {
    int width;
    int height;
    int bits;
    size_t pixelBytes;
};

// Checks the 18 header bytes; false for any header the reader refuses.
bool parseHeader(const unsigned char* h, TgaShape& shape) {
    if (std::memcmp(h, plainHeader, sizeof(plainHeader)) != 0) return false;
    shape.width = h[12] | (h[13] << 8);
    shape.height = h[14] | (h[15] << 8);
    shape.bits = h[16];
    // h[17], the image descriptor, is not read: rows are used as stored.
    if (shape.width == 0 || shape.height == 0) return false;
    if (shape.width > maxImageSide || shape.height > maxImageSide) return false;
    if (shape.bits != 24 && shape.bits != 32) return false;
    shape.pixelBytes = size_t(shape.width) * size_t(shape.height) * size_t(shape.bits / 8);
    return true;
}

// B,G,R[,A] as stored becomes R,G,B[,A].
void swapRedBlue(std::vector<unsigned char>& pixels, int bytesPerPixel) {
    for (size_t i = 0; i + 2 < pixels.size(); i += size_t(bytesPerPixel)) {
        const unsigned char b = pixels[i];
        pixels[i] = pixels[i + 2];
        pixels[i + 2] = b;
    }
}

void fill(TgaImage& out, const TgaShape& shape, std::vector<unsigned char>& pixels) {
    swapRedBlue(pixels, shape.bits / 8);
    out.pixels.swap(pixels);
    out.bits = shape.bits;
    out.width = shape.width;
    out.height = shape.height;
}

void clear(TgaImage& out) {
    std::vector<unsigned char>().swap(out.pixels);
    out.bits = out.width = out.height = 0;
}

}  // namespace

bool decodeTga(const unsigned char* data, size_t size, TgaImage& out) {
    clear(out);
    TgaShape shape{};
    if (!data || size < headerBytes || !parseHeader(data, shape)) return false;
    if (size - headerBytes < shape.pixelBytes) return false;
    std::vector<unsigned char> pixels(data + headerBytes, data + headerBytes + shape.pixelBytes);
    fill(out, shape, pixels);
    return true;
}

bool readTgaFile(const char* path, TgaImage& out) {
    clear(out);
    if (!path) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    unsigned char header[headerBytes];
    TgaShape shape{};
    bool ok = std::fread(header, 1, headerBytes, file) == headerBytes && parseHeader(header, shape);
    // Learn how many bytes follow before allocating, so a hostile header
    // cannot make us reserve memory the file does not back.
    if (ok) {
        const long here = std::ftell(file);
        ok = here >= 0 && std::fseek(file, 0, SEEK_END) == 0;
        const long end = ok ? std::ftell(file) : -1;
        ok = ok && end >= here && size_t(end - here) >= shape.pixelBytes &&
             std::fseek(file, here, SEEK_SET) == 0;
    }
    std::vector<unsigned char> pixels;
    if (ok) {
        pixels.resize(shape.pixelBytes);
        ok = std::fread(pixels.data(), 1, pixels.size(), file) == pixels.size();
    }
    std::fclose(file);
    if (!ok) return false;
    fill(out, shape, pixels);
    return true;
}
