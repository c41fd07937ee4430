#include "assets/jpeg_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "assets/image_limits.h"
#include "platform/error_report.h"

namespace {

// libjpeg's standard error exit ends the process. Ours jumps back to the
// decoder, which reports the file with the library's reason and goes on.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char why[JMSG_LENGTH_MAX];
};

void errorExitByJump(j_common_ptr cinfo) {
    JumpingErrorManager* err = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->why);
    std::longjmp(err->jump, 1);
}

// libjpeg warns about damaged data (a cut-off file, a bad code, bytes out of
// place) and then pads the picture with grey or garbage and calls it a
// success. A damaged texture is a failure of its file, like a missing one.
// Only warnings about header fields we never use let the picture through.
void failOnWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC) return;
    errorExitByJump(cinfo);
}

// A progressive file refines the picture scan by scan, each a pass over the
// whole image; a hostile one can hold thousands. Checked as scans arrive.
void limitScans(j_common_ptr cinfo) {
    j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > maxJpegScans) {
        JumpingErrorManager* err = reinterpret_cast<JumpingErrorManager*>(cinfo->err);
        std::snprintf(err->why, sizeof err->why, "more than %d progressive scans", maxJpegScans);
        std::longjmp(err->jump, 1);
    }
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

// Decodes the open file into out; on failure why says what was wrong.
// Everything that must survive the jump is either out (held by the caller)
// or set before setjmp and never changed.
bool decode(std::FILE* file, JpegImage& out, char (&why)[JMSG_LENGTH_MAX]) {
    jpeg_decompress_struct cinfo;
    JumpingErrorManager err;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExitByJump;
    err.base.emit_message = failOnWarning;
    err.base.output_message = silentOutput;
    err.why[0] = '\0';
    progress.progress_monitor = limitScans;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::memcpy(why, err.why, sizeof why);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = maxJpegDecoderMemory;
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    if (grey) {
        cinfo.out_color_space = JCS_GRAYSCALE;
    } else if (cinfo.num_components == 3) {
        cinfo.out_color_space = JCS_RGB;
    } else {
        std::snprintf(why, sizeof why, "%d colour components (only 1 or 3 are used)",
                      cinfo.num_components);
        jpeg_destroy_decompress(&cinfo);  // CMYK and the like are refused
        return false;
    }
    // Refused before a byte of picture is decoded: a few kilobytes can
    // declare gigabytes of pixels.
    const size_t width = cinfo.image_width;
    const size_t height = cinfo.image_height;
    if (width == 0 || height == 0 || width > size_t(maxJpegSide) ||
        height > size_t(maxJpegSide) || width * height > maxJpegPixels) {
        std::snprintf(why, sizeof why, "%zu x %zu pixels, more than any texture uses (%d x %d)",
                      width, height, maxJpegSide, maxJpegSide);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    const size_t expected = grey ? 1 : 3;
    if (cinfo.output_components != int(expected) || cinfo.output_width != width ||
        cinfo.output_height != height) {
        std::snprintf(why, sizeof why, "unexpected decoded layout");
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
    const bool complete = cinfo.output_scanline == cinfo.output_height;
    // Finishing reads on to the end-of-image marker, where bytes left over
    // from damaged data are noticed (and jump out as a warning).
    if (complete) jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (!complete) {
        std::snprintf(why, sizeof why, "picture data ends early");
        return false;
    }
    out.width = int(width);
    out.height = int(height);
    out.components = 3;
    out.rowBytes = int(rowBytes);
    return true;
}

}  // namespace

bool readJpeg(const char* path, JpegImage& out, LoadError* error) {
    clear(out);
    setLoadError(error, "%s", "");
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        setLoadError(error, "%s", path ? path : "");
        return false;
    }
    char why[JMSG_LENGTH_MAX] = "";
    const bool ok = decode(file, out, why);
    std::fclose(file);
    if (!ok) {
        clear(out);
        setLoadError(error, "%s\n%s", path, why);
    }
    return ok;
}
