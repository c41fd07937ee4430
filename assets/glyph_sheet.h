// The glyph sheets' layout, GL-free: the font sheets hold a 16 by 16 grid of
// character cells; which cell a byte prints in a text style, what the cell's
// texture rectangle is, how far the pen moves, and which loaded texture holds
// each sheet. The menu's printer and the scene's labels both draw from it.
#pragma once

// Display lists reserved for the glyphs: four sheets of 256 cells, one list
// per cell, in sheet order. The alpha sheet holds one half-sheet of glyphs,
// so the lists of its second half stay empty and style 7 prints nothing.
constexpr int kFontListCount = 1024;
constexpr int kBuiltGlyphLists = 896;
constexpr int kGlyphsPerSheet = 256;
constexpr int kGlyphsPerStyle = 128;   // one half-sheet: codes 32.. upwards
constexpr int kFontStyleCount = 8;

// The four glyph sheets, in list order: "Data/Font.bmp", "Data/font_shit.bmp",
// "Data/font_newage.bmp" (BMP slots 0 to 2) and the alpha sheet "Data/Font.tga".
enum class FontSheet { Plain = 0, Serif = 1, NewAge = 2, Alpha = 3 };

struct FontStyleInfo {
    FontSheet sheet;
    bool alphaBlend;   // alpha blending instead of additive
};

// Sheet and blending of a text style; styles outside 0..7 bind the first sheet
// additively.
FontStyleInfo fontStyleInfo(int style);

// Whether list number `list` draws a glyph (the empty lists draw nothing and
// leave the pen where it is).
inline bool glyphListBuilt(int list) { return list >= 0 && list < kBuiltGlyphLists; }

// What list number `list` (0..1023) draws: the cell's texture rectangle on its
// sheet (t upwards, row 0 at the top of the picture) and the pen advance.
struct GlyphCell {
    float s0, s1, t0, t1;
    float advance;
};
GlyphCell glyphCell(int list);

// List (relative to the first reserved name) that byte c prints in a style,
// or -1 when it would fall outside the reserved lists. The byte counts as
// signed, so codes above 127 step back into the previous half-sheet.
int glyphListFor(int style, char c);

// Horizontal extent of a string in virtual-screen units: the sum of the pen
// advances of the glyphs it prints, times scaleX.
float textAdvance(const char* text, int style, float scaleX);

// The texture name a sheet was loaded into (0 while it is not loaded).
unsigned int glyphSheetTexture(FontSheet sheet);
