// Glyph sheets: 16 x 16 cells of 16 pixels. Cell k holds character code
// 32 + (k mod 128) of one of two looks (cells 0..95 and 128..223); cell row 0
// is the top of the picture. Each glyph stays inside the left `advance` pixels
// of its cell, because the text quads are 16 units wide but the pen moves
// only 8 or 10 units. The first column and the top and bottom rows of every
// cell stay dark: a text quad's edge samples half a texel beyond its cell, and
// ink there would show as a thin line beside the neighbouring letter.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr int cellPx = 16;
constexpr int sheetPx = cellPx * 16;
constexpr int baselineInCell = 12;

struct Look {
    Face face;
    float size;
    bool outlined;
    // The monospaced faces mark their zero with a dot, which a glyph shrunk
    // to a few pixels turns into an 8; their zero is drawn from this face.
    Face zeroFace;
    // Coverage multiplier: thin strokes keep their brightness when the text
    // is drawn smaller than the sheet.
    float gain;
};

struct GlyphMask {
    int width = 0, rows = 0;
    std::vector<float> cover;
    float at(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= rows) ? 0.0f : cover[static_cast<size_t>(y) * width + x];
    }
};

// Renders code in the look, squeezed to fit `room` pixels, as a mask placed
// in a cell-sized box (x from the cell's left, y from its top).
GlyphMask glyphInCell(const Look& look, unsigned code, int room) {
    GlyphMask mask;
    mask.width = cellPx;
    mask.rows = cellPx;
    mask.cover.assign(cellPx * cellPx, 0.0f);
    GlyphBitmap g;
    const Face face = code == '0' ? look.zeroFace : look.face;
    if (!renderGlyph(face, look.size, 1.0f, code, g)) return mask;
    // The shape keeps off the dark border and, for hollow letters, leaves
    // room for the rim around it.
    const int rimPx = look.outlined ? 1 : 0;
    const int leftEdge = 1 + rimPx, rightEdge = room - 1 - rimPx;
    const int firstRow = 1 + rimPx, lastRow = cellPx - 2 - rimPx;
    const float span = static_cast<float>(rightEdge - leftEdge + 1);
    // A borrowed zero is kept narrower than the letter O beside it.
    const float fit = face != look.face ? std::floor(span * 0.8f) : span;
    if (g.width > fit && g.width > 0) {
        float squeeze = fit / g.width;
        if (!renderGlyph(face, look.size, squeeze, code, g)) return mask;
    }
    int left = leftEdge + static_cast<int>(std::floor((span - g.width) * 0.5f));
    left = std::max(leftEdge, left);
    // A shape reaching below the cell's last row (an underscore, a long
    // descender) is lifted rather than cut off.
    int top = std::max(firstRow, std::min(baselineInCell - g.top, lastRow + 1 - g.rows));
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.width; ++c) {
            int x = left + c, y = top + r;
            if (x < leftEdge || y < firstRow || x > rightEdge || y > lastRow) continue;
            mask.cover[static_cast<size_t>(y) * cellPx + x] = std::min(
                1.0f, static_cast<unsigned char>(g.coverage[static_cast<size_t>(r) * g.width + c]) / 255.0f * look.gain);
        }
    if (look.outlined) {
        // Hollow letters: a one-pixel rim around the shape, the inside dark.
        GlyphMask rim = mask;
        for (int y = 0; y < cellPx; ++y)
            for (int x = 0; x < room; ++x) {
                float grown = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) grown = std::max(grown, mask.at(x + dx, y + dy));
                float inner = mask.at(x, y);
                rim.cover[static_cast<size_t>(y) * cellPx + x] = std::clamp(grown - inner, 0.0f, 1.0f);
            }
        return rim;
    }
    return mask;
}

void drawHalf(Canvas& sheet, int firstCell, const Look& look, int advance, const Rgba& ink, bool shadow) {
    for (int i = 0; i < 96; ++i) {
        unsigned code = 32 + static_cast<unsigned>(i);
        if (code == 32 || code == 127) continue;
        int cell = firstCell + i;
        int cx = (cell % 16) * cellPx, cy = (cell / 16) * cellPx;
        GlyphMask m = glyphInCell(look, code, advance);
        if (shadow)
            for (int y = 0; y < cellPx - 2; ++y)
                for (int x = 0; x < advance - 1; ++x)
                    sheet.blend(cx + x + 1, cy + y + 1, rgb(0, 0, 0), m.at(x, y) * 0.55f);
        for (int y = 0; y < cellPx; ++y)
            for (int x = 0; x < advance; ++x) {
                float v = m.at(x, y);
                if (v > 0) sheet.blend(cx + x, cy + y, ink, v);
            }
    }
}

bool writeBmpSheet(const std::string& dir, const char* name, const Look& first, const Look& second, int advance) {
    Canvas sheet(sheetPx, sheetPx, rgb(0, 0, 0));
    drawHalf(sheet, 0, first, advance, rgb(1, 1, 1), false);
    drawHalf(sheet, 128, second, advance, rgb(1, 1, 1), false);
    return writeBmp(dir, name, sheet);
}

}  // namespace

bool writeFontSheets(const std::string& dir) {
    bool ok = writeBmpSheet(dir, "Font.bmp", Look{Face::Mono, 13, false, Face::Sans, 1.2f},
                            Look{Face::MonoBold, 13, false, Face::SansBold, 1.0f}, 8);
    ok = writeBmpSheet(dir, "font_shit.bmp", Look{Face::Serif, 13.5f, false, Face::Serif, 1.0f},
                       Look{Face::SerifBold, 13.5f, false, Face::SerifBold, 1.0f}, 10) && ok;
    ok = writeBmpSheet(dir, "font_newage.bmp", Look{Face::SansCondensedBold, 14, false, Face::SansCondensedBold, 1.0f},
                       Look{Face::SansBold, 14, true, Face::SansBold, 1.0f}, 10) && ok;
    // Alpha sheet: white glyphs with a soft shadow in its top half; the
    // text lists take only those 128 cells.
    Canvas tga(sheetPx, sheetPx, rgb(1, 1, 1, 0));
    drawHalf(tga, 0, Look{Face::Sans, 13, false, Face::Sans, 1.0f}, 10, rgb(1, 1, 1), true);
    ok = writeTga(dir, "Font.tga", tga, 32) && ok;
    return ok;
}
