// Text for the generated pictures, rendered with FreeType from the system's
// DejaVu fonts (the directory comes from the build as VORIX_FONT_DIR).
#pragma once

#include <string>

#include "tools/assetgen/img_canvas.h"

enum class Face { Sans, SansBold, SansCondensedBold, Serif, SerifBold, Mono, MonoBold, count };

enum class Align { Left, Centre, Right };

struct TextStyle {
    Face face = Face::Sans;
    float size = 12;        // pixel height of the em
    Rgba colour = rgb(1, 1, 1);
    Align align = Align::Left;
    float angleDeg = 0;     // counter-clockwise on the picture
    float xScale = 1;       // horizontal squeeze or stretch
};

// Opens every face once; false (and a message) when FreeType or a font fails.
bool openFonts();
void closeFonts();

// Draws text with its baseline starting at (x, y) in canvas pixels (y down).
// Returns the advance in pixels.
float drawText(Canvas& canvas, float x, float y, const std::string& text, const TextStyle& style);
float textWidth(const std::string& text, const TextStyle& style);

// One glyph rendered alone as a coverage bitmap, for the font sheets.
struct GlyphBitmap {
    int width = 0, rows = 0;
    int left = 0, top = 0;   // bitmap offset from the pen, top measured upwards
    float advance = 0;
    std::string coverage;    // width * rows bytes, 0..255
};
bool renderGlyph(Face face, float size, float xScale, unsigned code, GlyphBitmap& out);
// Ascender and descender (positive downwards) of a face at a size, in pixels.
void faceMetrics(Face face, float size, float& ascender, float& descender);
