// Layout and way-up contracts of the generated pictures, read back from the
// build's Data folder with the program's own readers. Rows are examined in
// stored order: stored row 0 is texture row t = 0, the bottom of every TGA and
// BMP surface the program draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "assets/bmp_image.h"
#include "assets/tga_image.h"

namespace {

std::string dataPath(const std::string& name) { return std::string(VORIX_BUILD_DIR) + "/Data/" + name; }

bool dataFolderExists() {
    struct stat st;
    return stat((std::string(VORIX_BUILD_DIR) + "/Data").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A decoded picture addressed by column and stored row.
struct Picture {
    int width = 0, height = 0, bytesPerPixel = 0;
    std::vector<unsigned char> pixels;
    const unsigned char* at(int x, int storedRow) const {
        return &pixels[(static_cast<size_t>(storedRow) * width + x) * bytesPerPixel];
    }
    float alpha(int x, int storedRow) const { return bytesPerPixel == 4 ? at(x, storedRow)[3] / 255.0f : 1.0f; }
    float brightness(int x, int storedRow) const {
        const unsigned char* p = at(x, storedRow);
        return (p[0] + p[1] + p[2]) / (3 * 255.0f);
    }
    // What a glyph or shape leaves on screen: bright and opaque.
    float ink(int x, int storedRow) const { return brightness(x, storedRow) * alpha(x, storedRow); }
    // Sum of alpha over a block of stored rows and columns.
    float alphaSum(int x0, int x1, int row0, int row1) const {
        float sum = 0;
        for (int r = row0; r < row1; ++r)
            for (int x = x0; x < x1; ++x) sum += alpha(x, r);
        return sum;
    }
};

Picture loadTga(const std::string& name) {
    TgaImage img;
    Picture p;
    if (!readTgaFile(dataPath(name).c_str(), img)) return p;
    p.width = img.width;
    p.height = img.height;
    p.bytesPerPixel = img.bits / 8;
    p.pixels = img.pixels;
    return p;
}

Picture loadBmp(const std::string& name) {
    BmpImage img;
    Picture p;
    if (!readBmp(dataPath(name).c_str(), img)) return p;
    p.width = img.width;
    p.height = img.height;
    p.bytesPerPixel = 3;
    p.pixels = img.pixels;
    return p;
}

class GeneratedPictures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!dataFolderExists()) GTEST_SKIP() << "no generated Data folder under " << VORIX_BUILD_DIR;
    }
};

// ---- font sheets ---------------------------------------------------------------

struct Sheet {
    const char* name;
    bool tga;
    int advance;   // pen advance in cell units (of 16)
    int halves;    // 2: glyphs 0..95 and 128..223; 1: only 0..95
};
const Sheet sheets[] = {{"Font.bmp", false, 8, 2}, {"font_shit.bmp", false, 10, 2},
                        {"font_newage.bmp", false, 10, 2}, {"Font.tga", true, 10, 1}};

// Cell k: column k mod 16, row k div 16 counted from the TOP of the texture,
// i.e. from the last stored row. The mask is cell-local, y from the cell top.
std::vector<float> cellInk(const Picture& p, int cell) {
    const int side = p.width / 16;
    std::vector<float> mask(static_cast<size_t>(side) * side);
    const int col = cell % 16, row = cell / 16;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            mask[static_cast<size_t>(y) * side + x] = p.ink(col * side + x, p.height - 1 - (row * side + y));
    return mask;
}

float total(const std::vector<float>& m) {
    float s = 0;
    for (float v : m) s += v;
    return s;
}

float difference(const std::vector<float>& a, const std::vector<float>& b) {
    float s = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) s += std::fabs(a[i] - b[i]);
    return s;
}

Picture loadSheet(const Sheet& s) { return s.tga ? loadTga(s.name) : loadBmp(s.name); }

TEST_F(GeneratedPictures, FontSheetsHoldTheCodesFrom32InEachHalfFromTheTopRow) {
    for (const Sheet& s : sheets) {
        Picture p = loadSheet(s);
        ASSERT_GT(p.width, 0) << s.name;
        ASSERT_EQ(p.width, p.height) << s.name;
        ASSERT_EQ(p.width % 16, 0) << s.name;
        for (int half = 0; half < 2; ++half) {
            const int first = half * 128;
            const bool used = half < s.halves;
            EXPECT_LT(total(cellInk(p, first)), 0.5f) << s.name << ": the space of half " << half << " has ink";
            for (int code = 33; code < 127; ++code) {
                float ink = total(cellInk(p, first + code - 32));
                if (used) EXPECT_GT(ink, 2.0f) << s.name << ": no glyph for code " << code << " in half " << half;
                else EXPECT_LT(ink, 0.5f) << s.name << ": unused cell " << first + code - 32 << " has ink";
            }
            for (int cell = first + 96; cell < first + 128; ++cell)
                EXPECT_LT(total(cellInk(p, cell)), 0.5f) << s.name << ": cell " << cell << " beyond the codes has ink";
        }
    }
}

TEST_F(GeneratedPictures, GlyphsStayInsideThePenAdvanceOfTheirCell) {
    for (const Sheet& s : sheets) {
        Picture p = loadSheet(s);
        ASSERT_GT(p.width, 0) << s.name;
        const int side = p.width / 16;
        const int limit = s.advance * side / 16;
        for (int cell = 0; cell < 256; ++cell) {
            std::vector<float> m = cellInk(p, cell);
            for (int y = 0; y < side; ++y)
                for (int x = limit; x < side; ++x)
                    ASSERT_LT(m[static_cast<size_t>(y) * side + x], 0.1f)
                        << s.name << ": cell " << cell << " inks column " << x << " past the advance " << limit;
        }
    }
}

TEST_F(GeneratedPictures, SheetHalvesAndTheThreeFacesLookDifferent) {
    std::vector<std::vector<float>> capitalA;
    for (const Sheet& s : sheets) {
        Picture p = loadSheet(s);
        ASSERT_GT(p.width, 0) << s.name;
        if (!s.tga) capitalA.push_back(cellInk(p, 'A' - 32));
        if (s.halves < 2) continue;
        int differing = 0;
        for (int code = 33; code < 127; ++code)
            if (difference(cellInk(p, code - 32), cellInk(p, 128 + code - 32)) > 6.0f) ++differing;
        EXPECT_GE(differing, 60) << s.name << ": the second half barely differs from the first";
    }
    ASSERT_EQ(capitalA.size(), 3u);
    EXPECT_GT(difference(capitalA[0], capitalA[1]), 6.0f);
    EXPECT_GT(difference(capitalA[0], capitalA[2]), 6.0f);
    EXPECT_GT(difference(capitalA[1], capitalA[2]), 6.0f);
}

// ---- gauges --------------------------------------------------------------------

// Opaque share of one stored row.
float rowCoverage(const Picture& p, int storedRow) {
    return p.alphaSum(0, p.width, storedRow, storedRow + 1) / p.width;
}

// Mean colour of the mostly opaque texels of a range of stored rows.
void meanOpaqueColour(const Picture& p, int row0, int row1, float rgb[3]) {
    float n = 0;
    rgb[0] = rgb[1] = rgb[2] = 0;
    for (int r = row0; r < row1; ++r)
        for (int x = 0; x < p.width; ++x)
            if (p.alpha(x, r) > 0.9f) {
                for (int c = 0; c < 3; ++c) rgb[c] += p.at(x, r)[c] / 255.0f;
                n += 1;
            }
    for (int c = 0; c < 3; ++c) rgb[c] /= std::max(1.0f, n);
}

TEST_F(GeneratedPictures, NeedlesPointUpWithTheirPivotAtTheQuadCentre) {
    for (const char* name : {"needle.tga", "needle_big.tga", "needle_max_g.tga"}) {
        Picture p = loadTga(name);
        ASSERT_EQ(p.bytesPerPixel, 4) << name << " needs alpha";
        const int band = std::max(1, p.height * 3 / 100);
        float head = 0, tail = 0;
        for (int k = 0; k < band; ++k) {
            head = std::max(head, rowCoverage(p, p.height - 1 - k));  // top of the picture
            tail = std::max(tail, rowCoverage(p, k));
        }
        EXPECT_LT(head, 0.25f) << name << ": the top of the picture is not a narrow head";
        EXPECT_GT(tail, 0.33f) << name << ": the bottom of the picture is not the blunt tail";
        // The needle turns about the quad centre, 1/3.2 of its length above the tail.
        const int pivotRow = static_cast<int>(std::lround(p.height / 3.2));
        EXPECT_GT(p.alpha(p.width / 2, pivotRow), 0.9f) << name << ": nothing at the pivot";
    }
}

TEST_F(GeneratedPictures, MaximumLoadNeedleIsRedAndTheOthersAreLight) {
    float c[3];
    Picture red = loadTga("needle_max_g.tga");
    meanOpaqueColour(red, 0, red.height, c);
    EXPECT_GT(c[0], 2 * c[1]);
    EXPECT_GT(c[0], 2 * c[2]);
    Picture light = loadTga("needle.tga");
    meanOpaqueColour(light, 0, light.height, c);
    EXPECT_GT(c[0] + c[1] + c[2], 1.5f);
}

TEST_F(GeneratedPictures, GaugeFacesAreRoundWithClearCorners) {
    for (const char* name : {"g_meter.tga", "speed_meter_low.tga", "alt.tga", "clock.tga"}) {
        Picture p = loadTga(name);
        ASSERT_EQ(p.bytesPerPixel, 4) << name;
        ASSERT_EQ(p.width, p.height) << name;
        const int e = p.width - 1;
        EXPECT_EQ(p.alpha(0, 0) + p.alpha(e, 0) + p.alpha(0, e) + p.alpha(e, e), 0.0f) << name;
        EXPECT_EQ(p.alpha(p.width / 2, p.height / 2), 1.0f) << name;
    }
}

// ---- world pictures ---------------------------------------------------------------

TEST_F(GeneratedPictures, TreesStandOnTheBottomEdgeAndDiffer) {
    const char* names[] = {"tree1.tga", "tree2.tga", "tree3.tga", "tree4.tga", "tree5.tga"};
    std::vector<Picture> trees;
    for (const char* name : names) {
        Picture p = loadTga(name);
        ASSERT_EQ(p.bytesPerPixel, 4) << name;
        EXPECT_EQ(p.height, 2 * p.width) << name << ": billboards are half as wide as high";
        // The trunk meets the ground in stored row 0; the sides there are clear.
        EXPECT_GT(p.alphaSum(p.width / 3, 2 * p.width / 3, 0, 1), 1.0f) << name << ": no trunk at the foot";
        EXPECT_EQ(p.alpha(0, 0) + p.alpha(p.width - 1, 0), 0.0f) << name;
        EXPECT_EQ(p.alpha(0, p.height - 1) + p.alpha(p.width - 1, p.height - 1), 0.0f) << name;
        // Bark at the foot (red at least equal to green), a green crown above.
        float foot[3], crown[3];
        meanOpaqueColour(p, 0, 3, foot);
        meanOpaqueColour(p, p.height / 2, p.height, crown);
        EXPECT_GE(foot[0], foot[1]) << name << ": the foot of the picture is not a trunk";
        EXPECT_GT(crown[1], crown[0]) << name << ": the top of the picture is not foliage";
        trees.push_back(p);
    }
    for (size_t i = 0; i < trees.size(); ++i)
        for (size_t j = i + 1; j < trees.size(); ++j) {
            ASSERT_EQ(trees[i].pixels.size(), trees[j].pixels.size());
            float diff = 0;
            for (int r = 0; r < trees[i].height; ++r)
                for (int x = 0; x < trees[i].width; ++x) diff += std::fabs(trees[i].alpha(x, r) - trees[j].alpha(x, r));
            EXPECT_GT(diff, 0.05f * trees[i].width * trees[i].height) << names[i] << " and " << names[j] << " look alike";
        }
}

TEST_F(GeneratedPictures, FireAtlasHasEightFramesRisingFromTheirFoot) {
    Picture p = loadTga("fire.tga");
    ASSERT_EQ(p.bytesPerPixel, 4);
    ASSERT_EQ(p.width, 2 * p.height);
    const int fw = p.width / 4, fh = p.height / 2;
    std::vector<std::vector<float>> frames;
    for (int k = 0; k < 8; ++k) {
        // Frames 0..3 fill the top half (v from 0.5 to 1.0), the last stored rows.
        const int x0 = (k % 4) * fw, row0 = k < 4 ? fh : 0;
        float foot = p.alphaSum(x0, x0 + fw, row0, row0 + fh / 4);
        float crown = p.alphaSum(x0, x0 + fw, row0 + 3 * fh / 4, row0 + fh);
        EXPECT_GT(foot, 2 * crown) << "frame " << k << " does not burn upwards";
        EXPECT_GT(foot, 0.1f * fw * fh / 4) << "frame " << k << " is nearly empty";
        // A clear border keeps linear filtering from bleeding into the next frame.
        float border = p.alphaSum(x0, x0 + fw, row0, row0 + 1) + p.alphaSum(x0, x0 + fw, row0 + fh - 1, row0 + fh) +
                       p.alphaSum(x0, x0 + 1, row0, row0 + fh) + p.alphaSum(x0 + fw - 1, x0 + fw, row0, row0 + fh);
        EXPECT_EQ(border, 0.0f) << "frame " << k;
        std::vector<float> a;
        for (int r = row0; r < row0 + fh; ++r)
            for (int x = x0; x < x0 + fw; ++x) a.push_back(p.alpha(x, r));
        frames.push_back(a);
    }
    for (int k = 0; k < 8; ++k)
        EXPECT_GT(difference(frames[k], frames[(k + 1) % 8]), 20.0f) << "frames " << k << " and " << (k + 1) % 8;
}

// ---- surfaces drawn with the texture's own alpha ------------------------------------

TEST_F(GeneratedPictures, SeatSurfacesAndMenuPicturesCarryOpaqueAlpha) {
    // The model's TGA quads and the menu pictures are drawn with the texture
    // replacing the colour and alpha blending on: a 24-bit file would take
    // its alpha from the current colour and could vanish.
    for (const char* name : {"vori_left_top.tga", "vori_left_low.tga", "vori_top.tga", "vori_right_top.tga",
                             "vori_right_low.tga", "head.tga", "bk1.tga", "bk3.tga", "btn.tga", "btn2.tga",
                             "on.tga", "off.tga", "f18.tga", "towertop.tga"}) {
        Picture p = loadTga(name);
        ASSERT_EQ(p.bytesPerPixel, 4) << name;
        EXPECT_GT(p.alpha(p.width / 2, p.height / 2), 0.5f) << name;
    }
}

// With the menu closed bk3 is drawn from x -759 to 41 after the HUD lines:
// its strip must carry the MENU letters at the top and stay clear of the
// lines that start at x 10 in the bottom band (the last 80 units).
TEST_F(GeneratedPictures, MenuStripLeavesTheHudLinesClear) {
    Picture p = loadTga("bk3.tga");
    ASSERT_EQ(p.bytesPerPixel, 4);
    // Screen units of the closed strip to the picture's column and stored row.
    auto alphaAt = [&](int sx, int sy) {
        int x = std::min(p.width - 1, (int)((sx + 759) * p.width / 800.0f));
        int row = p.height - 1 - std::min(p.height - 1, (int)(sy * p.height / 600.0f));
        return p.alpha(x, row);
    };
    float letters = 1.0f, band = 1.0f, overLines = 0.0f;
    for (int sy = 0; sy < 600; ++sy)
        for (int sx = 0; sx <= 40; ++sx) {
            const float a = alphaAt(sx, sy);
            if (sy <= 103 && sx <= 37) letters = std::min(letters, a);  // the strip that opens the menu
            if (sy >= 522 && sx <= 4) band = std::min(band, a);
            if (sy >= 528 && sx >= 9) overLines = std::max(overLines, a);  // the MODE line's top and below
        }
    EXPECT_GT(letters, 0.9f);
    EXPECT_GT(band, 0.9f);
    EXPECT_LT(overLines, 0.05f);
}

}  // namespace
