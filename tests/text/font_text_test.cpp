#include <gtest/gtest.h>

#include "menu/font_text.h"

namespace {

// The sheet a list belongs to and its cell on that sheet.
int sheetOf(int list) { return list / kGlyphsPerSheet; }
int cellOf(int list) { return list % kGlyphsPerSheet; }

}  // namespace

TEST(GlyphLists, EachStylePrintsItsOwnHalfSheetFromTheSpace) {
    // Style s prints code 32 with the first cell of its half-sheet: sheets in
    // pairs of styles, the even style the upper half, the odd the lower.
    for (int style = 0; style < kFontStyleCount; ++style) {
        int space = glyphListFor(style, ' ');
        ASSERT_GE(space, 0) << "style " << style;
        EXPECT_EQ(sheetOf(space), style / 2) << "style " << style;
        EXPECT_EQ(cellOf(space), (style % 2) * 128) << "style " << style;
        EXPECT_EQ(glyphListFor(style, '~') - space, '~' - ' ') << "style " << style;
        EXPECT_EQ((int)fontStyleInfo(style).sheet, style / 2);
        EXPECT_EQ(fontStyleInfo(style).alphaBlend, style >= 6);
    }
    // Style 1 prints code c with glyph c + 96 of the first sheet.
    EXPECT_EQ(glyphListFor(1, 'A'), 'A' + 96);
}

TEST(GlyphLists, NoByteCallsAListOutsideTheReservedNames) {
    for (int style = -2; style < 12; ++style)
        for (int b = 0; b < 256; ++b) {
            int list = glyphListFor(style, (char)b);
            EXPECT_TRUE(list == -1 || (list >= 0 && list < kFontListCount)) << style << " " << b;
        }
    // Control codes before the first sheet, and styles past the last, draw nothing.
    EXPECT_EQ(glyphListFor(0, '\n'), -1);
    EXPECT_EQ(glyphListFor(0, (char)0xE9), -1);
    EXPECT_EQ(glyphListFor(8, 'A'), -1);
    EXPECT_EQ(glyphListFor(-1, 'A'), -1);
    // In a later style a control code lands in the last rows of the sheet before
    // (a blank cell there), never in another part's lists.
    EXPECT_EQ(glyphListFor(2, '\t'), 256 - 32 + '\t');
    EXPECT_EQ(glyphListFor(6, '\n'), 768 - 32 + '\n');
    // Style 7 lands on the alpha sheet's empty second half: no glyph, no pen
    // move, while style 6 prints from the same sheet.
    EXPECT_EQ(sheetOf(glyphListFor(7, 'A')), (int)FontSheet::Alpha);
    EXPECT_FALSE(glyphListBuilt(glyphListFor(7, 'A')));
    EXPECT_FLOAT_EQ(textAdvance("AB", 7, 1.0f), 0.0f);
    EXPECT_TRUE(glyphListBuilt(glyphListFor(6, '~')));
    EXPECT_FLOAT_EQ(textAdvance("AB", 6, 1.0f), 20.0f);
    // Unknown styles bind the plain sheet additively.
    EXPECT_EQ(fontStyleInfo(9).sheet, FontSheet::Plain);
    EXPECT_FALSE(fontStyleInfo(-3).alphaBlend);
}

TEST(GlyphLists, CellsAreCountedFromTheTopLeftOfTheSheet) {
    GlyphCell first = glyphCell(0);
    EXPECT_FLOAT_EQ(first.s0, 0.0f);
    EXPECT_FLOAT_EQ(first.s1, 1.0f / 16);
    EXPECT_FLOAT_EQ(first.t0, 15.0f / 16);
    EXPECT_FLOAT_EQ(first.t1, 1.0f);
    // 'A' in style 0 is glyph 33: column 1, second row from the top.
    GlyphCell a = glyphCell(glyphListFor(0, 'A'));
    EXPECT_FLOAT_EQ(a.s0, 1.0f / 16);
    EXPECT_FLOAT_EQ(a.t1, 14.0f / 16);
    EXPECT_FLOAT_EQ(a.t0, 13.0f / 16);
    // The last cell of a sheet is the bottom-right corner of the texture.
    GlyphCell last = glyphCell(1023);
    EXPECT_FLOAT_EQ(last.s1, 1.0f);
    EXPECT_FLOAT_EQ(last.t0, 0.0f);
    // The plain sheet advances 8 units, the others 10.
    EXPECT_EQ(glyphCell(255).advance, 8.0f);
    EXPECT_EQ(glyphCell(256).advance, 10.0f);
    EXPECT_EQ(glyphCell(900).advance, 10.0f);
}

TEST(TextAdvance, SumsThePenStepsOfThePrintedBytes) {
    EXPECT_FLOAT_EQ(textAdvance("Hello", 0, 1.0f), 40.0f);
    EXPECT_FLOAT_EQ(textAdvance("Hello", 4, 0.5f), 25.0f);
    EXPECT_FLOAT_EQ(textAdvance("a\nb", 0, 1.0f), 16.0f);  // the newline is dropped
    EXPECT_FLOAT_EQ(textAdvance("", 6, 2.0f), 0.0f);
    EXPECT_FLOAT_EQ(textAdvance(nullptr, 6, 2.0f), 0.0f);
}
