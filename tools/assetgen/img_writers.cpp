#include "tools/assetgen/img_writers.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "assets/atomic_write.h"

namespace {

int filesWritten = 0;

unsigned char toByte(float v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

void putLe16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void putLe32(std::vector<unsigned char>& out, unsigned v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

bool writeBytes(const std::string& dataDir, const char* name, const std::vector<unsigned char>& bytes) {
    std::string path = dataDir + "/" + name;
    if (!writeFileAtomic(path.c_str(), bytes.data(), bytes.size())) {
        std::fprintf(stderr, "vorix-assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    ++filesWritten;
    return true;
}

struct JpegErrorExit {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrorExit*>(cinfo->err)->jump, 1);
}

}  // namespace

std::vector<unsigned char> encodeTga(const Canvas& c, int bits) {
    const int bpp = bits == 24 ? 3 : 4;
    std::vector<unsigned char> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putLe16(out, static_cast<unsigned>(c.width()));
    putLe16(out, static_cast<unsigned>(c.height()));
    out.push_back(static_cast<unsigned char>(bpp * 8));
    out.push_back(bpp == 4 ? 8 : 0);  // alpha bits; origin bottom-left
    out.reserve(out.size() + static_cast<size_t>(c.width()) * c.height() * bpp);
    for (int y = c.height() - 1; y >= 0; --y)
        for (int x = 0; x < c.width(); ++x) {
            const Rgba& p = c.at(x, y);
            out.push_back(toByte(p.b));
            out.push_back(toByte(p.g));
            out.push_back(toByte(p.r));
            if (bpp == 4) out.push_back(toByte(p.a));
        }
    return out;
}

std::vector<unsigned char> encodeBmp(const Canvas& c) {
    const unsigned rowBytes = (static_cast<unsigned>(c.width()) * 3 + 3) & ~3u;
    const unsigned pixelBytes = rowBytes * static_cast<unsigned>(c.height());
    std::vector<unsigned char> out = {'B', 'M'};
    putLe32(out, 54 + pixelBytes);
    putLe32(out, 0);
    putLe32(out, 54);
    putLe32(out, 40);
    putLe32(out, static_cast<unsigned>(c.width()));
    putLe32(out, static_cast<unsigned>(c.height()));  // positive: bottom row first
    putLe16(out, 1);
    putLe16(out, 24);
    putLe32(out, 0);  // BI_RGB
    putLe32(out, pixelBytes);
    putLe32(out, 2835);
    putLe32(out, 2835);
    putLe32(out, 0);
    putLe32(out, 0);
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgba& p = c.at(x, y);
            out.push_back(toByte(p.b));
            out.push_back(toByte(p.g));
            out.push_back(toByte(p.r));
        }
        for (unsigned pad = static_cast<unsigned>(c.width()) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

bool encodeJpeg(const Canvas& c, int quality, JpegRows order, std::vector<unsigned char>& out) {
    jpeg_compress_struct cinfo;
    JpegErrorExit err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(static_cast<size_t>(c.width()) * 3);
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(c.width());
    cinfo.image_height = static_cast<JDIMENSION>(c.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const bool bottomFirst = order == JpegRows::BottomFirst;
    for (int i = 0; i < c.height(); ++i) {
        const int y = bottomFirst ? c.height() - 1 - i : i;
        for (int x = 0; x < c.width(); ++x) {
            const Rgba& p = c.at(x, y);
            row[x * 3 + 0] = toByte(p.r);
            row[x * 3 + 1] = toByte(p.g);
            row[x * 3 + 2] = toByte(p.b);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.assign(buffer, buffer + size);
    std::free(buffer);
    return true;
}

bool writeTga(const std::string& dataDir, const char* name, const Canvas& canvas, int bits) {
    return writeBytes(dataDir, name, encodeTga(canvas, bits));
}

bool writeBmp(const std::string& dataDir, const char* name, const Canvas& canvas) {
    return writeBytes(dataDir, name, encodeBmp(canvas));
}

bool writeJpeg(const std::string& dataDir, const char* name, const Canvas& canvas, JpegRows rows, int quality) {
    std::vector<unsigned char> bytes;
    if (!encodeJpeg(canvas, quality, rows, bytes)) {
        std::fprintf(stderr, "vorix-assetgen: JPEG encoding failed for %s\n", name);
        return false;
    }
    return writeBytes(dataDir, name, bytes);
}

int imagesWritten() { return filesWritten; }
