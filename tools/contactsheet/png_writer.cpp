#include "tools/contactsheet/png_writer.h"

#include <string>

#include <zlib.h>

namespace {

void putBe32(std::vector<unsigned char>& out, unsigned long v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

void putChunk(std::vector<unsigned char>& out, const char type[4], const std::vector<unsigned char>& data) {
    putBe32(out, data.size());
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, out.data() + typeAt, static_cast<uInt>(4 + data.size()));
    putBe32(out, crc);
}

}  // namespace

std::vector<unsigned char> encodePng(int width, int height, const std::vector<unsigned char>& rgba) {
    const size_t stride = static_cast<size_t>(width) * 4;
    if (width <= 0 || height <= 0 || rgba.size() < stride * height) return {};
    // Each scanline starts with filter type 0 (none).
    std::vector<unsigned char> raw;
    raw.reserve((stride + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + y * stride, rgba.begin() + (y + 1) * stride);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) return {};
    packed.resize(packedSize);

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    putBe32(header, static_cast<unsigned long>(width));
    putBe32(header, static_cast<unsigned long>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}
