#include "tools/assetgen/img_text.h"

#include <cmath>
#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

#ifndef VORIX_FONT_DIR
#define VORIX_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

const char* const faceFiles[static_cast<int>(Face::count)] = {
    "DejaVuSans.ttf",     "DejaVuSans-Bold.ttf",     "DejaVuSansCondensed-Bold.ttf",
    "DejaVuSerif.ttf",    "DejaVuSerif-Bold.ttf",    "DejaVuSansMono.ttf",
    "DejaVuSansMono-Bold.ttf"};

struct FontSet {
    FT_Library library = nullptr;
    FT_Face faces[static_cast<int>(Face::count)] = {};
} fonts;

FT_Face faceFor(Face f) {
    int i = static_cast<int>(f);
    return (i >= 0 && i < static_cast<int>(Face::count)) ? fonts.faces[i] : nullptr;
}

// Loads and renders one glyph with the given transform; false if unavailable.
bool loadTransformed(FT_Face face, float size, float xScale, float angleDeg, float fracX, float fracY,
                     unsigned code) {
    if (!face) return false;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(size * 64.0f + 0.5f), 72, 72);
    double a = angleDeg * 3.14159265358979 / 180.0;
    FT_Matrix m;
    m.xx = static_cast<FT_Fixed>(std::cos(a) * xScale * 65536.0);
    m.xy = static_cast<FT_Fixed>(-std::sin(a) * 65536.0);
    m.yx = static_cast<FT_Fixed>(std::sin(a) * xScale * 65536.0);
    m.yy = static_cast<FT_Fixed>(std::cos(a) * 65536.0);
    FT_Vector delta;
    delta.x = static_cast<FT_Pos>(fracX * 64.0f);
    delta.y = static_cast<FT_Pos>(-fracY * 64.0f);
    FT_Set_Transform(face, &m, &delta);
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) return false;
    return face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
}

}  // namespace

bool openFonts() {
    if (fonts.library) return true;
    if (FT_Init_FreeType(&fonts.library) != 0) {
        std::fprintf(stderr, "vorix-assetgen: FreeType failed to start\n");
        fonts.library = nullptr;
        return false;
    }
    for (int i = 0; i < static_cast<int>(Face::count); ++i) {
        std::string path = std::string(VORIX_FONT_DIR) + "/" + faceFiles[i];
        if (FT_New_Face(fonts.library, path.c_str(), 0, &fonts.faces[i]) != 0) {
            std::fprintf(stderr, "vorix-assetgen: cannot open font %s\n", path.c_str());
            fonts.faces[i] = nullptr;
            closeFonts();
            return false;
        }
    }
    return true;
}

void closeFonts() {
    for (FT_Face& f : fonts.faces)
        if (f) {
            FT_Done_Face(f);
            f = nullptr;
        }
    if (fonts.library) FT_Done_FreeType(fonts.library);
    fonts.library = nullptr;
}

static float layOut(Canvas* canvas, float x, float y, const std::string& text, const TextStyle& s) {
    FT_Face face = faceFor(s.face);
    if (!face) return 0;
    float penX = x, penY = y;
    for (unsigned char ch : text) {
        float fx = std::floor(penX), fy = std::floor(penY);
        if (!loadTransformed(face, s.size, s.xScale, s.angleDeg, penX - fx, penY - fy, ch)) continue;
        FT_GlyphSlot g = face->glyph;
        if (canvas) {
            const FT_Bitmap& bm = g->bitmap;
            int ox = static_cast<int>(fx) + g->bitmap_left, oy = static_cast<int>(fy) - g->bitmap_top;
            for (unsigned r = 0; r < bm.rows; ++r)
                for (unsigned c = 0; c < bm.width; ++c) {
                    unsigned char v = bm.buffer[r * bm.pitch + c];
                    if (v) canvas->blend(ox + static_cast<int>(c), oy + static_cast<int>(r), s.colour, v / 255.0f);
                }
        }
        penX += g->advance.x / 64.0f;
        penY -= g->advance.y / 64.0f;
    }
    return std::hypot(penX - x, penY - y);
}

float textWidth(const std::string& text, const TextStyle& style) {
    TextStyle flat = style;
    flat.angleDeg = 0;
    return layOut(nullptr, 0, 0, text, flat);
}

float drawText(Canvas& canvas, float x, float y, const std::string& text, const TextStyle& style) {
    float w = textWidth(text, style);
    float shift = style.align == Align::Centre ? w * 0.5f : style.align == Align::Right ? w : 0.0f;
    double a = style.angleDeg * 3.14159265358979 / 180.0;
    // Move the start back along the (rotated) baseline; y grows downwards.
    float sx = x - static_cast<float>(std::cos(a)) * shift, sy = y + static_cast<float>(std::sin(a)) * shift;
    return layOut(&canvas, sx, sy, text, style);
}

bool renderGlyph(Face face, float size, float xScale, unsigned code, GlyphBitmap& out) {
    FT_Face f = faceFor(face);
    if (!loadTransformed(f, size, xScale, 0, 0, 0, code)) return false;
    FT_GlyphSlot g = f->glyph;
    out.width = static_cast<int>(g->bitmap.width);
    out.rows = static_cast<int>(g->bitmap.rows);
    out.left = g->bitmap_left;
    out.top = g->bitmap_top;
    out.advance = g->advance.x / 64.0f;
    out.coverage.assign(static_cast<size_t>(out.width) * out.rows, '\0');
    for (int r = 0; r < out.rows; ++r)
        for (int c = 0; c < out.width; ++c)
            out.coverage[static_cast<size_t>(r) * out.width + c] =
                static_cast<char>(g->bitmap.buffer[r * g->bitmap.pitch + c]);
    return true;
}

void faceMetrics(Face face, float size, float& ascender, float& descender) {
    FT_Face f = faceFor(face);
    ascender = descender = 0;
    if (!f) return;
    ascender = static_cast<float>(f->ascender) / f->units_per_EM * size;
    descender = -static_cast<float>(f->descender) / f->units_per_EM * size;
}
