// Glyph layout of the font sheets: which list a byte calls in a style, what
// each list draws, and how far a string moves the pen.
#include "assets/glyph_sheet.h"

#include "assets/textures.h"

FontStyleInfo fontStyleInfo(int style) {
    switch (style) {
        case 0: case 1: return {FontSheet::Plain, false};
        case 2: case 3: return {FontSheet::Serif, false};
        case 4: case 5: return {FontSheet::NewAge, false};
        case 6: case 7: return {FontSheet::Alpha, true};
        default: return {FontSheet::Plain, false};
    }
}

GlyphCell glyphCell(int list) {
    if (list < 0) list = 0;
    if (list >= kFontListCount) list = kFontListCount - 1;
    const int sheet = list / kGlyphsPerSheet;
    const int k = list % kGlyphsPerSheet;
    const float col = (float)(k % 16), row = (float)(k / 16);
    GlyphCell g;
    g.s0 = col / 16.0f;
    g.s1 = col / 16.0f + 1.0f / 16.0f;
    g.t0 = 1.0f - row / 16.0f - 1.0f / 16.0f;
    g.t1 = 1.0f - row / 16.0f;
    // The plain sheet is the narrow one.
    g.advance = sheet == (int)FontSheet::Plain ? 8.0f : 10.0f;
    return g;
}

int glyphListFor(int style, char c) {
    // Codes count from 32 (space) at the start of the style's half-sheet.
    const long list = (long)style * kGlyphsPerStyle - 32 + (long)(signed char)c;
    if (list < 0 || list >= kFontListCount) return -1;
    return (int)list;
}

float textAdvance(const char* text, int style, float scaleX) {
    if (!text) return 0.0f;
    float units = 0.0f;
    for (const char* p = text; *p; ++p) {
        int list = glyphListFor(style, *p);
        if (glyphListBuilt(list)) units += glyphCell(list).advance;
    }
    return units * scaleX;
}

namespace {
constexpr int kAlphaSheetTga = 13;   // "Data/Font.tga" in the TGA load order
}  // namespace

unsigned int glyphSheetTexture(FontSheet sheet) {
    switch (sheet) {
        case FontSheet::Plain: return bmpTextures[0];
        case FontSheet::Serif: return bmpTextures[1];
        case FontSheet::NewAge: return bmpTextures[2];
        case FontSheet::Alpha: return tgaImages[kAlphaSheetTga].texture;
    }
    return 0;
}
