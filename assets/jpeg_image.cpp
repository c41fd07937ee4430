#include "assets/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "app/error_box.h"
#include "assets/image_limits.h"

namespace {

// libjpeg's standard error exit ends the process. Ours jumps back to the
// decoder, which reports the file like a missing one and goes on.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated;
};

void errorExitByJump(j_common_ptr cinfo) {
    JumpingErrorManager* err = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings stay quiet; running out of data is remembered, because libjpeg
// pads a truncated file with grey and calls the result a success.
void noteWarning(j_common_ptr cinfo, int level) {
    JumpingErrorManager* err = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) err->truncated = true;
}

void silentOutput(j_common_ptr) {}

// A greyscale row decoded into the last third of a 3-byte-a-pixel row is
// widened in place, front to back (each write lands on bytes already read).
void widenGreyRow(unsigned char* row, int width) {
    const unsigned char* grey = row + 2 * size_t(width);
    for (int x = 0; x < width; ++x) {
        const unsigned char g = grey[x];
        row[3 * size_t(x)] = g;
        row[3 * size_t(x) + 1] = g;
        row[3 * size_t(x) + 2] = g;
    }
}

void clear(JpegImage& out) {
    std::vector<unsigned char>().swap(out.pixels);
    out.rowBytes = out.width = out.height = out.components = 0;
}

// Decodes the open file into out. Everything that must survive the jump is
// either out (held by the caller) or set before setjmp and never changed.
bool decode(std::FILE* file, JpegImage& out) {
    jpeg_decompress_struct cinfo;
    JumpingErrorManager err;
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExitByJump;
    err.base.emit_message = noteWarning;
    err.base.output_message = silentOutput;
    err.truncated = false;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    if (grey) {
        cinfo.out_color_space = JCS_GRAYSCALE;
    } else if (cinfo.num_components == 3) {
        cinfo.out_color_space = JCS_RGB;
    } else {
        jpeg_destroy_decompress(&cinfo);  // CMYK and the like are refused
        return false;
    }
    const size_t width = cinfo.image_width;
    const size_t height = cinfo.image_height;
    if (width == 0 || height == 0 || width > size_t(maxImageSide) ||
        height > size_t(maxImageSide) || width * height > maxImagePixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    const size_t expected = grey ? 1 : 3;
    if (cinfo.output_components != int(expected) || cinfo.output_width != width ||
        cinfo.output_height != height) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const size_t rowBytes = width * 3;
    out.pixels.resize(rowBytes * height);
    while (cinfo.output_scanline < cinfo.output_height) {
        const size_t y = cinfo.output_scanline;
        unsigned char* row = out.pixels.data() + y * rowBytes;
        JSAMPROW target = grey ? row + 2 * width : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) break;
        if (grey) widenGreyRow(row, int(width));
    }
    const bool complete = cinfo.output_scanline == cinfo.output_height && !err.truncated;
    if (complete) jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (!complete || err.truncated) return false;
    out.width = int(width);
    out.height = int(height);
    out.components = 3;
    out.rowBytes = int(rowBytes);
    return true;
}

}  // namespace

bool readJpeg(const char* path, JpegImage& out) {
    clear(out);
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        errorBox(path ? path : "");
        return false;
    }
    const bool ok = decode(file, out);
    std::fclose(file);
    if (!ok) {
        clear(out);
        errorBox(path);
    }
    return ok;
}
