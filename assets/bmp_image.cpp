#include "assets/bmp_image.h"

#include <cstdint>
#include <cstdio>
#include <new>

#include "assets/image_limits.h"
#include "platform/error_report.h"

namespace {

const char unknownFormat[] = "Unknown DIB file format.";
const char outOfMemory[] = "Out of memory.";
const char conversionError[] = "Image file conversion error.";

// Where a refusal goes: the error in the program's own words for its box,
// and the particular reason for standard error.
struct Refusal {
    LoadError* error;
    const char** why;
};

void refuse(const Refusal& to, const char* box, const char* reason) {
    setLoadError(to.error, "%s", box);
    if (to.why) *to.why = reason;
}

constexpr uint32_t coreHeaderBytes = 12;
constexpr uint32_t infoHeaderBytes = 40;
constexpr uint32_t compressionRgb = 0;
constexpr uint32_t compressionBitfields = 3;

uint32_t read16(const unsigned char* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8); }
uint32_t read32(const unsigned char* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// One colour channel of a BI_BITFIELDS pixel: where it sits and how wide it is.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

Channel channelFromMask(uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask == 0) return c;
    while (((mask >> c.shift) & 1u) == 0) ++c.shift;
    while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1u)) ++c.bits;
    return c;
}

// Scales a channel's value to 0..255 so its largest value is full intensity.
unsigned char channelValue(const Channel& c, uint32_t pixel) {
    if (c.bits == 0) return 0;
    const uint32_t v = (pixel & c.mask) >> c.shift;
    if (c.bits >= 8) return static_cast<unsigned char>(v >> (c.bits - 8));
    const uint32_t top = (1u << c.bits) - 1;
    return static_cast<unsigned char>((v * 255 + top / 2) / top);
}

struct DibLayout {
    int width = 0;
    int height = 0;       // always positive
    bool topDown = false;
    int bitCount = 0;
    bool bitfields = false;
    Channel red, green, blue;
    const unsigned char* palette = nullptr;  // B,G,R entries of paletteStride bytes
    uint32_t paletteEntries = 0;             // entries usable as pixel indices
    uint32_t paletteStride = 0;
    size_t pixelOffset = 0;
};

// Reads the headers and colour table; reports and returns false on a refusal.
bool parseLayout(const unsigned char* data, size_t size, DibLayout& dib, const Refusal& to) {
    size_t info = 0;
    size_t givenOffset = 0;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (size < 14) {
            refuse(to, unknownFormat, "shorter than a file header");
            return false;
        }
        givenOffset = read32(data + 10);
        info = 14;
    }
    if (size - info < 4) {
        refuse(to, unknownFormat, "shorter than a bitmap header");
        return false;
    }
    const uint32_t headerSize = read32(data + info);
    if ((headerSize != coreHeaderBytes && headerSize != infoHeaderBytes) ||
        size - info < headerSize) {
        refuse(to, unknownFormat, "not a 12- or 40-byte bitmap header, or cut short inside it");
        return false;
    }
    const unsigned char* h = data + info;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t compression = compressionRgb;
    uint32_t colorsUsed = 0;
    if (headerSize == coreHeaderBytes) {
        width = read16(h + 4);
        height = read16(h + 6);
        dib.bitCount = int(read16(h + 10));
        dib.paletteStride = 3;
    } else {
        width = int32_t(read32(h + 4));
        height = int32_t(read32(h + 8));
        dib.bitCount = int(read16(h + 14));
        compression = read32(h + 16);
        colorsUsed = read32(h + 32);
        dib.paletteStride = 4;
    }
    const int bits = dib.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        refuse(to, conversionError, "bits per pixel not 1, 4, 8, 16, 24 or 32");
        return false;
    }
    // Run-length and other compressed pixel data are not converted.
    dib.bitfields = compression == compressionBitfields;
    if (compression != compressionRgb && !(dib.bitfields && (bits == 16 || bits == 32))) {
        refuse(to, conversionError, "compressed pixel data");
        return false;
    }
    dib.topDown = height < 0;
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > maxImageSide || height > maxImageSide) {
        refuse(to, conversionError, "width or height out of range");
        return false;
    }
    dib.width = int(width);
    dib.height = int(height);

    size_t tableStart = info + headerSize;
    if (dib.bitfields) {
        if (size - tableStart < 12) {
            refuse(to, conversionError, "colour masks cut short");
            return false;
        }
        dib.red = channelFromMask(read32(data + tableStart));
        dib.green = channelFromMask(read32(data + tableStart + 4));
        dib.blue = channelFromMask(read32(data + tableStart + 8));
        tableStart += 12;
    } else if (bits == 16) {
        dib.red = channelFromMask(0x7C00);
        dib.green = channelFromMask(0x03E0);
        dib.blue = channelFromMask(0x001F);
    }
    uint64_t entries = colorsUsed;
    if (entries == 0 && bits <= 8) entries = uint64_t(1) << bits;
    const uint64_t tableBytes = entries * dib.paletteStride;
    if (bits <= 8) {
        const uint64_t indexable = uint64_t(1) << bits;
        dib.paletteEntries = uint32_t(entries < indexable ? entries : indexable);
        if (size - tableStart < uint64_t(dib.paletteEntries) * dib.paletteStride) {
            refuse(to, conversionError, "colour table cut short");
            return false;
        }
        dib.palette = data + tableStart;
    }
    const uint64_t offset = givenOffset != 0 ? givenOffset : tableStart + tableBytes;
    if (offset >= size) {
        refuse(to, conversionError, "pixel data past the end of the file");
        return false;
    }
    dib.pixelOffset = size_t(offset);
    return true;
}

void putIndexed(const DibLayout& dib, uint32_t index, unsigned char* rgb) {
    if (index >= dib.paletteEntries) {
        rgb[0] = rgb[1] = rgb[2] = 0;  // an index past the table is drawn black
        return;
    }
    const unsigned char* entry = dib.palette + size_t(index) * dib.paletteStride;
    rgb[0] = entry[2];
    rgb[1] = entry[1];
    rgb[2] = entry[0];
}

void convertRow(const DibLayout& dib, const unsigned char* src, unsigned char* rgb) {
    const int bits = dib.bitCount;
    for (int x = 0; x < dib.width; ++x, rgb += 3) {
        switch (bits) {
        case 1:
            putIndexed(dib, (src[x >> 3] >> (7 - (x & 7))) & 1u, rgb);
            break;
        case 4:
            putIndexed(dib, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu, rgb);
            break;
        case 8:
            putIndexed(dib, src[x], rgb);
            break;
        case 16:
        case 32: {
            const unsigned char* p = src + size_t(x) * size_t(bits / 8);
            const uint32_t v = bits == 16 ? read16(p) : read32(p);
            if (bits == 32 && !dib.bitfields) {
                rgb[0] = p[2];
                rgb[1] = p[1];
                rgb[2] = p[0];
            } else {
                rgb[0] = channelValue(dib.red, v);
                rgb[1] = channelValue(dib.green, v);
                rgb[2] = channelValue(dib.blue, v);
            }
            break;
        }
        default: {  // 24
            const unsigned char* p = src + size_t(x) * 3;
            rgb[0] = p[2];
            rgb[1] = p[1];
            rgb[2] = p[0];
        }
        }
    }
}

}  // namespace

bool decodeBmp(const unsigned char* data, size_t size, BmpImage& out, LoadError* error, const char** why) {
    setLoadError(error, "%s", "");
    const Refusal to{error, why};
    std::vector<unsigned char>().swap(out.pixels);
    out.width = out.height = 0;
    DibLayout dib;
    if (!data || !parseLayout(data, size, dib, to)) return false;

    // File rows are padded to 4 bytes; the last row's padding may be missing.
    const size_t rowBits = size_t(dib.width) * size_t(dib.bitCount);
    const size_t rowBytes = (rowBits + 7) / 8;
    const size_t stride = ((rowBits + 31) / 32) * 4;
    const size_t needed = stride * size_t(dib.height - 1) + rowBytes;
    if (size - dib.pixelOffset < needed) {
        refuse(to, conversionError, "pixel rows cut short");
        return false;
    }
    if (size_t(dib.width) * size_t(dib.height) > maxImagePixels) {
        refuse(to, outOfMemory, "more pixels than any picture of ours");
        return false;
    }
    std::vector<unsigned char> pixels;
    try {
        pixels.resize(size_t(dib.width) * size_t(dib.height) * 3);
    } catch (const std::bad_alloc&) {
        refuse(to, outOfMemory, "no memory for the pixels");
        return false;
    }
    // Output is bottom row first; a top-down file is turned over.
    const size_t outRow = size_t(dib.width) * 3;
    for (int r = 0; r < dib.height; ++r) {
        const int target = dib.topDown ? dib.height - 1 - r : r;
        convertRow(dib, data + dib.pixelOffset + size_t(r) * stride,
                   pixels.data() + size_t(target) * outRow);
    }
    out.pixels.swap(pixels);
    out.width = dib.width;
    out.height = dib.height;
    return true;
}

namespace {

constexpr size_t maxBmpFileBytes = maxImagePixels * 4 + (size_t(1) << 20);

void openFailure(LoadError* error, const char* path) {
    setLoadError(error, "Failed to open DIB file %s.", path ? path : "");
}

}  // namespace

bool readBmp(const char* path, BmpImage& out, LoadError* error) {
    const char* why = nullptr;
    if (readBmpFile(path, out, &why, error)) return true;
    // The boxes name no file; standard error says which one and why.
    if (why) std::fprintf(stderr, "%s: %s\n", path ? path : "", why);
    return false;
}

bool readBmpFile(const char* path, BmpImage& out, const char** why, LoadError* error) {
    setLoadError(error, "%s", "");
    const Refusal to{error, why};
    std::vector<unsigned char>().swap(out.pixels);
    out.width = out.height = 0;
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        openFailure(error, path);
        return false;
    }
    long end = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) end = std::ftell(file);
    if (end <= 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        openFailure(error, path);  // an empty or unseekable file cannot be mapped
        return false;
    }
    if (size_t(end) > maxBmpFileBytes) {
        std::fclose(file);
        refuse(to, outOfMemory, "file larger than any picture of ours");
        return false;
    }
    std::vector<unsigned char> bytes;
    try {
        bytes.resize(size_t(end));
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        refuse(to, outOfMemory, "no memory for the file");
        return false;
    }
    const bool complete = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!complete) {
        openFailure(error, path);
        return false;
    }
    return decodeBmp(bytes.data(), bytes.size(), out, error, why);
}
