#include "assets/bmp_image.h"
#include "platform/error_report.h"

#include <cstdint>
#include <cstdlib>

#include "tests/assets/image_test_support.h"

namespace {

struct Rgb {
    unsigned char r, g, b;
};

// Colours that survive every depth exactly (132 is 5-bit 16 widened).
const Rgb colours[6] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255},
                        {255, 255, 255}, {0, 0, 0}, {132, 132, 132}};

enum class Header { core, info };

struct BmpRecipe {
    Header header = Header::info;
    int width = 5;
    int height = 3;  // negative: top-down
    int bits = 24;
    uint32_t compression = 0;
    bool fileHeader = true;
    std::vector<uint32_t> masks;  // BI_BITFIELDS
    uint32_t colorsUsed = 0;
    size_t gapBeforePixels = 0;  // bytes between the table and the pixels
};

int paletteSize(const BmpRecipe& s) {
    if (s.bits > 8) return 0;
    return s.colorsUsed ? int(s.colorsUsed) : 1 << s.bits;
}

int colourCount(const BmpRecipe& s) {
    const int n = paletteSize(s);
    return n == 0 || n > 6 ? 6 : n;
}

// Colour index of the pixel in stored row r (the picture is the same for every
// depth, up to the number of colours the depth has).
int colourAt(const BmpRecipe& s, int x, int r) { return (x + 2 * r) % colourCount(s); }

void putPixel(const BmpRecipe& s, Bytes& row, int x, int k) {
    const Rgb c = colours[k];
    switch (s.bits) {
    case 1:
        row[size_t(x / 8)] |= static_cast<unsigned char>(k << (7 - x % 8));
        break;
    case 4:
        row[size_t(x / 2)] |= static_cast<unsigned char>(k << (x % 2 ? 0 : 4));
        break;
    case 8:
        row[size_t(x)] = static_cast<unsigned char>(k);
        break;
    case 16: {
        unsigned v = 0;
        if (s.masks.empty()) {
            v = unsigned((c.r >> 3) << 10 | (c.g >> 3) << 5 | (c.b >> 3));
        } else {  // the 5-6-5 masks used below
            v = unsigned((c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3));
        }
        row[size_t(2 * x)] = static_cast<unsigned char>(v & 0xFF);
        row[size_t(2 * x + 1)] = static_cast<unsigned char>(v >> 8);
        break;
    }
    case 24:
        row[size_t(3 * x)] = c.b;
        row[size_t(3 * x + 1)] = c.g;
        row[size_t(3 * x + 2)] = c.r;
        break;
    case 32:
        if (s.masks.empty()) {
            row[size_t(4 * x)] = c.b;
            row[size_t(4 * x + 1)] = c.g;
            row[size_t(4 * x + 2)] = c.r;
            row[size_t(4 * x + 3)] = 0x5A;  // unused byte
        } else {  // masks below put red in the low byte
            row[size_t(4 * x)] = c.r;
            row[size_t(4 * x + 1)] = c.g;
            row[size_t(4 * x + 2)] = c.b;
            row[size_t(4 * x + 3)] = 0xFF;
        }
        break;
    }
}

Bytes encode(const BmpRecipe& s) {
    const int rows = s.height < 0 ? -s.height : s.height;
    const size_t stride = ((size_t(s.width) * size_t(s.bits) + 31) / 32) * 4;
    Bytes info;
    if (s.header == Header::core) {
        put32(info, 12);
        put16(info, unsigned(s.width));
        put16(info, unsigned(s.height));
        put16(info, 1);
        put16(info, unsigned(s.bits));
    } else {
        put32(info, 40);
        put32(info, uint32_t(s.width));
        put32(info, uint32_t(s.height));
        put16(info, 1);
        put16(info, unsigned(s.bits));
        put32(info, s.compression);
        put32(info, uint32_t(stride * size_t(rows)));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, s.colorsUsed);
        put32(info, 0);
    }
    for (uint32_t m : s.masks) put32(info, m);
    for (int i = 0; i < paletteSize(s); ++i) {
        const Rgb c = colours[i % 6];
        info.push_back(c.b);
        info.push_back(c.g);
        info.push_back(c.r);
        if (s.header == Header::info) info.push_back(0);
    }
    info.insert(info.end(), s.gapBeforePixels, 0xEE);
    Bytes file;
    if (s.fileHeader) {
        const size_t offset = 14 + info.size();
        file = {'B', 'M'};
        put32(file, uint32_t(offset + stride * size_t(rows)));
        put32(file, 0);
        put32(file, uint32_t(offset));
    }
    file.insert(file.end(), info.begin(), info.end());
    for (int r = 0; r < rows; ++r) {
        Bytes row(stride, 0);
        for (int x = 0; x < s.width; ++x) putPixel(s, row, x, colourAt(s, x, r));
        file.insert(file.end(), row.begin(), row.end());
    }
    return file;
}

// What the reader must produce: packed R,G,B, bottom row first.
Bytes expected(const BmpRecipe& s) {
    const int rows = s.height < 0 ? -s.height : s.height;
    Bytes out;
    for (int bottom = 0; bottom < rows; ++bottom) {
        const int stored = s.height < 0 ? rows - 1 - bottom : bottom;
        for (int x = 0; x < s.width; ++x) {
            const Rgb c = colours[colourAt(s, x, stored)];
            out.insert(out.end(), {c.r, c.g, c.b});
        }
    }
    return out;
}

class BmpReader : public ImageFileTest {
protected:
    // Decodes bytes and expects the failure's box text; the reader itself
    // shows no box (its caller does).
    void expectRefused(const Bytes& bytes, const char* text) {
        boxes.clear();
        BmpImage image;
        LoadError error;
        EXPECT_FALSE(decodeBmp(bytes.data(), bytes.size(), image, &error)) << text;
        EXPECT_TRUE(image.pixels.empty());
        EXPECT_TRUE(boxes.empty()) << text;
        EXPECT_STREQ(error.text, text);
    }
};

TEST_F(BmpReader, EveryDepthWithBothHeaderKindsGivesPackedRgb) {
    for (Header header : {Header::core, Header::info}) {
        for (int bits : {1, 4, 8, 16, 24, 32}) {
            BmpRecipe s;
            s.header = header;
            s.bits = bits;
            const Bytes file = encode(s);
            BmpImage image;
            ASSERT_TRUE(decodeBmp(file.data(), file.size(), image))
                << bits << (header == Header::core ? " core" : " info");
            EXPECT_EQ(image.width, 5);
            EXPECT_EQ(image.height, 3);
            EXPECT_EQ(image.pixels, expected(s))
                << bits << (header == Header::core ? " core" : " info");
        }
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BmpReader, WidthsThatAreNotMultiplesOfFourSkipTheRowPadding) {
    for (int bits : {1, 4, 8, 24}) {
        for (int width : {1, 2, 3, 5, 6, 7, 9, 13}) {
            BmpRecipe s;
            s.bits = bits;
            s.width = width;
            s.height = 4;
            BmpImage image;
            ASSERT_TRUE(readBmp(writeFile("w.bmp", encode(s)).c_str(), image)) << bits << "/" << width;
            EXPECT_EQ(image.pixels.size(), size_t(width) * 4 * 3);
            EXPECT_EQ(image.pixels, expected(s)) << bits << "/" << width;
        }
    }
}

TEST_F(BmpReader, BitfieldMasksDecideWhereEachChannelSits) {
    BmpRecipe s16;
    s16.bits = 16;
    s16.compression = 3;
    s16.masks = {0xF800, 0x07E0, 0x001F};
    BmpRecipe s32;
    s32.bits = 32;
    s32.compression = 3;
    s32.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    for (const BmpRecipe& s : {s16, s32}) {
        const Bytes file = encode(s);
        BmpImage image;
        ASSERT_TRUE(decodeBmp(file.data(), file.size(), image)) << s.bits;
        // Six green bits: 132 is stored as 33 of 63, which widens back to 134.
        Bytes want = expected(s);
        if (s.bits == 16) {
            for (size_t i = 0; i < want.size(); ++i) {
                if (want[i] == 132 && i % 3 == 1) want[i] = 134;
            }
        }
        EXPECT_EQ(image.pixels, want) << s.bits;
    }
}

TEST_F(BmpReader, TopDownFilesComeOutBottomRowFirstLikeTheOthers) {
    BmpRecipe s;
    s.height = -3;
    const Bytes file = encode(s);
    BmpImage image;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.height, 3);
    EXPECT_EQ(image.pixels, expected(s));
}

TEST_F(BmpReader, WithoutFileHeaderThePixelsFollowTheUsedColours) {
    BmpRecipe s;
    s.bits = 8;
    s.colorsUsed = 3;
    s.fileHeader = false;
    const Bytes file = encode(s);
    BmpImage image;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.pixels, expected(s));
}

TEST_F(BmpReader, FileHeaderPixelOffsetIsHonoured) {
    BmpRecipe s;
    s.bits = 4;
    s.gapBeforePixels = 37;
    const Bytes file = encode(s);
    BmpImage image;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.pixels, expected(s));
}

TEST_F(BmpReader, IndexPastTheColourTableIsBlack) {
    BmpRecipe s;
    s.bits = 8;
    s.colorsUsed = 2;
    s.width = 4;
    s.height = 1;
    Bytes file = encode(s);
    file[file.size() - 4] = 200;  // first pixel: no such colour
    BmpImage image;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), image));
    EXPECT_EQ(Bytes(image.pixels.begin(), image.pixels.begin() + 3), (Bytes{0, 0, 0}));
}

TEST_F(BmpReader, MissingLastRowPaddingIsAccepted) {
    BmpRecipe s;
    s.width = 3;
    Bytes file = encode(s);
    file.resize(file.size() - 3);  // 9 pixel bytes + 3 padding in the last row
    BmpImage image;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.pixels, expected(s));
}

TEST_F(BmpReader, UnknownHeadersAreReportedAsUnknownFormat) {
    Bytes v4 = encode(BmpRecipe());
    v4[14] = 108;  // the header size of a later variant
    expectRefused(v4, "Unknown DIB file format.");
    const Bytes full = encode(BmpRecipe());
    expectRefused(Bytes(full.begin(), full.begin() + 30), "Unknown DIB file format.");
    expectRefused(Bytes(full.begin(), full.begin() + 10), "Unknown DIB file format.");
    expectRefused(Bytes{'B', 'M'}, "Unknown DIB file format.");
    expectRefused(Bytes{12, 0}, "Unknown DIB file format.");
}

TEST_F(BmpReader, UnconvertibleContentIsAConversionError) {
    BmpRecipe rle;
    rle.bits = 8;
    rle.compression = 1;
    expectRefused(encode(rle), "Image file conversion error.");
    BmpRecipe bitfields24;
    bitfields24.compression = 3;
    bitfields24.masks = {0xFF0000, 0xFF00, 0xFF};
    expectRefused(encode(bitfields24), "Image file conversion error.");
    BmpRecipe twoBit;
    twoBit.bits = 2;
    twoBit.colorsUsed = 4;
    expectRefused(encode(twoBit), "Image file conversion error.");
    BmpRecipe zeroWidth;
    zeroWidth.width = 0;
    expectRefused(encode(zeroWidth), "Image file conversion error.");

    const Bytes full = encode(BmpRecipe());
    expectRefused(Bytes(full.begin(), full.end() - 20), "Image file conversion error.");
    Bytes badOffset = full;
    badOffset[10] = 0xFF;
    badOffset[11] = 0xFF;
    expectRefused(badOffset, "Image file conversion error.");
    Bytes hugeSides = full;
    for (int i = 18; i < 26; ++i) hugeSides[size_t(i)] = 0x7F;  // ~2^31 each way
    expectRefused(hugeSides, "Image file conversion error.");
    Bytes shortTable = encode([] { BmpRecipe s; s.bits = 8; return s; }());
    shortTable.resize(14 + 40 + 100);
    expectRefused(shortTable, "Image file conversion error.");
}

TEST_F(BmpReader, PictureBeyondThePixelBudgetIsOutOfMemory) {
    // One encoded row, then the header patched to 8193 rows of zero bits:
    // every byte is present, but the RGB result would exceed the budget.
    BmpRecipe s;
    s.bits = 1;
    s.width = 8192;
    s.height = 1;
    Bytes file = encode(s);
    const uint32_t rows = 8193;
    for (int i = 0; i < 4; ++i) file[size_t(22 + i)] = static_cast<unsigned char>(rows >> (8 * i));
    file.resize(file.size() + size_t(rows - 1) * 1024, 0);
    expectRefused(file, "Out of memory.");
}

TEST_F(BmpReader, FilesThatCannotBeReadNameThePath) {
    BmpImage image;
    LoadError missingError, emptyError;
    const std::string missing = pathOf("nothere.bmp");
    EXPECT_FALSE(readBmp(missing.c_str(), image, &missingError));
    const std::string empty = writeFile("empty.bmp", {});
    EXPECT_FALSE(readBmp(empty.c_str(), image, &emptyError));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(std::string(missingError.text), "Failed to open DIB file " + missing + ".");
    EXPECT_EQ(std::string(emptyError.text), "Failed to open DIB file " + empty + ".");
}

// A file that opens but is refused keeps the box's own words and tells the
// caller why, so the loader can name the file with the reason.
TEST_F(BmpReader, RefusedFilesGiveTheirReason) {
    BmpRecipe s;
    s.width = 4;
    s.height = 4;
    Bytes file = encode(s);
    file.resize(file.size() - 20);
    const std::string cut = writeFile("cut.bmp", file);
    BmpImage image;
    LoadError error;
    const char* why = nullptr;
    EXPECT_FALSE(readBmpFile(cut.c_str(), image, &why, &error));
    ASSERT_NE(why, nullptr);
    EXPECT_STREQ(why, "pixel rows cut short");
    EXPECT_STREQ(error.text, "Image file conversion error.");

    why = nullptr;
    const std::string text = writeFile("text.bmp", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
    EXPECT_FALSE(readBmpFile(text.c_str(), image, &why, &error));
    ASSERT_NE(why, nullptr);
    EXPECT_STREQ(error.text, "Unknown DIB file format.");
    EXPECT_TRUE(boxes.empty());
}

}  // namespace

namespace {

// Random damage anywhere in the headers, the table or the pixels must either be
// refused with a message or give a picture of exactly width * height pixels.
TEST_F(BmpReader, RandomlyDamagedFilesStayInsideTheirBuffers) {
    std::srand(11);
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        BmpRecipe s;
        s.bits = bits;
        s.width = 7;
        const Bytes clean = encode(s);
        for (int round = 0; round < 300; ++round) {
            Bytes b = clean;
            const int hits = 1 + std::rand() % 4;
            for (int k = 0; k < hits; ++k) {
                // Mostly the first 60 bytes, where the sizes and offsets live.
                const size_t span = std::rand() % 4 ? 60 : b.size();
                b[size_t(std::rand()) % span] = static_cast<unsigned char>(std::rand());
            }
            if (std::rand() % 5 == 0) b.resize(size_t(std::rand()) % b.size());
            BmpImage image;
            LoadError error;
            if (decodeBmp(b.data(), b.size(), image, &error)) {
                EXPECT_EQ(image.pixels.size(), size_t(image.width) * size_t(image.height) * 3);
                EXPECT_STREQ(error.text, "");
            } else {
                EXPECT_TRUE(image.pixels.empty());
                EXPECT_STRNE(error.text, "");
            }
        }
    }
}

}  // namespace
