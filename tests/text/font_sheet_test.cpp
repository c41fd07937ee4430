// The generated glyph sheets, read back with the program's own readers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "assets/bmp_image.h"
#include "assets/tga_image.h"

namespace {

std::string dataPath(const char* name) { return std::string(VORIX_BUILD_DIR) + "/Data/" + name; }

// What a sheet puts on screen at one texel: brightness for the additive BMP
// sheets, coverage for the alpha sheet. Rows counted from the top of the
// picture, as the glyph cells are.
struct Sheet {
    int side = 0;
    std::vector<float> mark;
    float at(int x, int rowFromTop) const { return mark[(size_t)rowFromTop * side + x]; }
};

Sheet loadSheet(const char* name, bool tga) {
    Sheet s;
    const std::vector<unsigned char>* px = nullptr;
    int w = 0, h = 0, bpp = 3;
    BmpImage bmp;
    TgaImage t;
    if (tga) {
        if (!readTgaFile(dataPath(name).c_str(), t)) return s;
        px = &t.pixels, w = t.width, h = t.height, bpp = t.bits / 8;
    } else {
        if (!readBmp(dataPath(name).c_str(), bmp)) return s;
        px = &bmp.pixels, w = bmp.width, h = bmp.height;
    }
    if (w != h) return s;
    s.side = w;
    s.mark.resize((size_t)w * h);
    for (int row = 0; row < h; ++row)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = &(*px)[((size_t)(h - 1 - row) * w + x) * bpp];
            s.mark[(size_t)row * w + x] = bpp == 4 ? p[3] / 255.0f : (p[0] + p[1] + p[2]) / (3 * 255.0f);
        }
    return s;
}

}  // namespace

// A text quad is 16 units wide and samples half a texel past its cell on
// every side; any ink on the border of a cell would draw a thin line beside
// the neighbouring glyph, above or below it.
TEST(FontSheets, EveryCellKeepsADarkBorderForItsNeighbours) {
    struct stat st;
    if (stat((std::string(VORIX_BUILD_DIR) + "/Data").c_str(), &st) != 0) GTEST_SKIP() << "no Data folder";
    const struct {
        const char* name;
        bool tga;
    } sheets[] = {{"Font.bmp", false}, {"font_shit.bmp", false}, {"font_newage.bmp", false}, {"Font.tga", true}};
    for (const auto& sheet : sheets) {
        Sheet s = loadSheet(sheet.name, sheet.tga);
        ASSERT_EQ(s.side, 256) << sheet.name;
        const int cell = s.side / 16;
        int marked = 0;
        for (int k = 0; k < 256; ++k) {
            const int x0 = (k % 16) * cell, y0 = (k / 16) * cell;
            for (int i = 0; i < cell; ++i) {
                if (s.at(x0, y0 + i) > 0.06f) ++marked;                 // first column
                if (s.at(x0 + cell - 1, y0 + i) > 0.06f) ++marked;      // last column
                if (s.at(x0 + i, y0) > 0.06f) ++marked;                 // top row
                if (s.at(x0 + i, y0 + cell - 1) > 0.06f) ++marked;      // bottom row
            }
        }
        EXPECT_EQ(marked, 0) << sheet.name;
    }
}

// The speed read-out prints its digits at half size; a zero marked with a dot
// would then read as an eight. Shrunk 2:1 as the texture filter does, the two
// glyphs must still differ clearly in every half of every sheet (a dotted
// zero differs from the eight by less than one texel's worth).
TEST(FontSheets, ZeroAndEightStayApartAtHalfSize) {
    struct stat st;
    if (stat((std::string(VORIX_BUILD_DIR) + "/Data").c_str(), &st) != 0) GTEST_SKIP() << "no Data folder";
    const struct {
        const char* name;
        bool tga;
    } sheets[] = {{"Font.bmp", false}, {"font_shit.bmp", false}, {"font_newage.bmp", false}, {"Font.tga", true}};
    for (const auto& sheet : sheets) {
        Sheet s = loadSheet(sheet.name, sheet.tga);
        ASSERT_EQ(s.side, 256) << sheet.name;
        // The alpha sheet has only its first half.
        for (int half = 0; half < (sheet.tga ? 1 : 2); ++half) {
            auto shrunk = [&](char code, int x, int y) {
                const int k = half * 128 + code - 32;
                const int x0 = (k % 16) * 16 + 2 * x, y0 = (k / 16) * 16 + 2 * y;
                return (s.at(x0, y0) + s.at(x0 + 1, y0) + s.at(x0, y0 + 1) + s.at(x0 + 1, y0 + 1)) / 4;
            };
            float apart = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) apart += std::fabs(shrunk('8', x, y) - shrunk('0', x, y));
            EXPECT_GT(apart, 2.0f) << sheet.name << " half " << half;
        }
    }
}
