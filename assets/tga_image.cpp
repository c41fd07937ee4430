#include "assets/tga_image.h"

#include <cstdio>
#include <cstring>

namespace {

// No identifier, no colour map, type 2 (uncompressed true-colour), zero
// colour-map fields and zero origin.
const unsigned char plainHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr size_t headerBytes = 18;

const char notPlain[] = "not an uncompressed true-colour TGA";
const char zeroSide[] = "zero width or height";
const char badDepth[] = "not 24 or 32 bits a pixel";
const char tooLarge[] = "larger than any picture the program uses";
const char cutShort[] = "shorter than its header says";
const char cannotOpen[] = "cannot be opened";

struct TgaShape {
    int width;
    int height;
    int bits;
    size_t pixelBytes;
};

// Notes why a file is refused, when the caller asked; always false.
bool refuse(const char** why, const char* text) {
    if (why) *why = text;
    return false;
}

// Checks the 18 header bytes; false (with the reason) for any header the
// reader refuses.
bool parseHeader(const unsigned char* h, TgaShape& shape, const char** why) {
    if (std::memcmp(h, plainHeader, sizeof(plainHeader)) != 0) return refuse(why, notPlain);
    shape.width = h[12] | (h[13] << 8);
    shape.height = h[14] | (h[15] << 8);
    shape.bits = h[16];
    // h[17], the image descriptor, is not read: rows are used as stored.
    if (shape.width == 0 || shape.height == 0) return refuse(why, zeroSide);
    if (shape.bits != 24 && shape.bits != 32) return refuse(why, badDepth);
    if (shape.width > maxImageSide || shape.height > maxImageSide ||
        size_t(shape.width) * size_t(shape.height) > maxImagePixels) {
        return refuse(why, tooLarge);
    }
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

bool decodeTga(const unsigned char* data, size_t size, TgaImage& out, const char** why) {
    clear(out);
    TgaShape shape{};
    if (!data || size < headerBytes) return refuse(why, cutShort);
    if (!parseHeader(data, shape, why)) return false;
    if (size - headerBytes < shape.pixelBytes) return refuse(why, cutShort);
    std::vector<unsigned char> pixels(data + headerBytes, data + headerBytes + shape.pixelBytes);
    fill(out, shape, pixels);
    return true;
}

bool readTgaFile(const char* path, TgaImage& out, const char** why) {
    clear(out);
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) return refuse(why, cannotOpen);
    unsigned char header[headerBytes];
    TgaShape shape{};
    refuse(why, cutShort);  // a short read, unless the header check says otherwise
    bool ok = std::fread(header, 1, headerBytes, file) == headerBytes && parseHeader(header, shape, why);
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
