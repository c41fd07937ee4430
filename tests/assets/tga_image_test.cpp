#include "assets/tga_image.h"

#include <unistd.h>

#include <cstdlib>

#include "tests/assets/image_test_support.h"

namespace {

// An 18-byte plain header followed by the given pixel bytes.
Bytes tga(int width, int height, int bits, const Bytes& pixels, unsigned char descriptor = 0) {
    Bytes b = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(b, unsigned(width));
    put16(b, unsigned(height));
    b.push_back(static_cast<unsigned char>(bits));
    b.push_back(descriptor);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes pattern(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<unsigned char>(i * 7 + 1);
    return b;
}

class TgaReader : public ImageFileTest {};

TEST_F(TgaReader, TwentyFourBitPixelsComeOutRgbInStoredRowOrder) {
    // 2x2: stored B,G,R per pixel, bottom row first.
    const Bytes stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    TgaImage image;
    ASSERT_TRUE(readTgaFile(writeFile("a.tga", tga(2, 2, 24, stored)).c_str(), image));
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.bits, 24);
    EXPECT_EQ(image.texture, 0u);
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_TRUE(boxes.empty());  // TGA failures are reported by the loading screen
}

TEST_F(TgaReader, ThirtyTwoBitKeepsAlphaAndSwapsOnlyRedAndBlue) {
    const Bytes stored = {10, 20, 30, 0, 40, 50, 60, 255, 70, 80, 90, 128};
    TgaImage image;
    ASSERT_TRUE(readTgaFile(writeFile("a.tga", tga(3, 1, 32, stored)).c_str(), image));
    EXPECT_EQ(image.bits, 32);
    EXPECT_EQ(image.pixels, (Bytes{30, 20, 10, 0, 60, 50, 40, 255, 90, 80, 70, 128}));
}

TEST_F(TgaReader, TopDownDescriptorIsIgnoredAndRowsStayAsStored) {
    const Bytes stored = pattern(2 * 3 * 3);
    TgaImage bottomUp, topDown;
    ASSERT_TRUE(readTgaFile(writeFile("b.tga", tga(3, 2, 24, stored, 0x00)).c_str(), bottomUp));
    ASSERT_TRUE(readTgaFile(writeFile("t.tga", tga(3, 2, 24, stored, 0x20)).c_str(), topDown));
    EXPECT_EQ(bottomUp.pixels, topDown.pixels);
}

TEST_F(TgaReader, OddWidthNeedsNoRowPadding) {
    const Bytes stored = pattern(5 * 3 * 3);
    TgaImage image;
    ASSERT_TRUE(readTgaFile(writeFile("odd.tga", tga(5, 3, 24, stored)).c_str(), image));
    ASSERT_EQ(image.pixels.size(), stored.size());
    EXPECT_EQ(image.pixels[3 * 14], stored[3 * 14 + 2]);  // last pixel's red
}

TEST_F(TgaReader, RefusesEveryHeaderOtherThanPlainTrueColour) {
    const Bytes px = pattern(4 * 3);
    struct Case {
        const char* what;
        int byteIndex;
        unsigned char value;
    };
    const Case cases[] = {
        {"identifier length", 0, 5},  {"colour map present", 1, 1},
        {"run-length type 10", 2, 10}, {"colour-mapped type 1", 2, 1},
        {"colour-map fields", 5, 8},     {"x origin", 8, 1},
        {"y origin", 11, 1},
    };
    for (const Case& c : cases) {
        Bytes b = tga(2, 2, 24, px);
        b[size_t(c.byteIndex)] = c.value;
        TgaImage image;
        EXPECT_FALSE(readTgaFile(writeFile("h.tga", b).c_str(), image)) << c.what;
        EXPECT_TRUE(image.pixels.empty()) << c.what;
        EXPECT_FALSE(decodeTga(b.data(), b.size(), image)) << c.what;
    }
}

TEST_F(TgaReader, RefusesZeroSidesAndDepthsOtherThan24Or32) {
    TgaImage image;
    EXPECT_FALSE(readTgaFile(writeFile("w0.tga", tga(0, 2, 24, pattern(12))).c_str(), image));
    EXPECT_FALSE(readTgaFile(writeFile("h0.tga", tga(2, 0, 24, pattern(12))).c_str(), image));
    for (int bits : {8, 15, 16, 0, 48}) {
        EXPECT_FALSE(readTgaFile(writeFile("d.tga", tga(2, 2, bits, pattern(64))).c_str(), image))
            << bits;
    }
}

TEST_F(TgaReader, ShortOrMissingFilesFailAndLeaveTheRecordEmpty) {
    TgaImage image;
    image.pixels = {1, 2, 3};
    image.width = 9;
    Bytes full = tga(4, 4, 32, pattern(4 * 4 * 4));
    Bytes shortPixels(full.begin(), full.end() - 1);
    EXPECT_FALSE(readTgaFile(writeFile("short.tga", shortPixels).c_str(), image));
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_EQ(image.width, 0);
    Bytes shortHeader(full.begin(), full.begin() + 15);
    EXPECT_FALSE(readTgaFile(writeFile("hdr.tga", shortHeader).c_str(), image));
    EXPECT_FALSE(readTgaFile(writeFile("empty.tga", {}).c_str(), image));
    EXPECT_FALSE(readTgaFile(pathOf("missing.tga").c_str(), image));
    EXPECT_FALSE(readTgaFile(nullptr, image));
    EXPECT_FALSE(decodeTga(shortPixels.data(), shortPixels.size(), image));
    EXPECT_TRUE(readTgaFile(writeFile("full.tga", full).c_str(), image));
}

TEST_F(TgaReader, HugeClaimedSizeWithLittleDataFailsWithoutReserving) {
    // 65535 x 65535 x 4 bytes would be 17 GB; the file holds a few bytes.
    TgaImage image;
    EXPECT_FALSE(readTgaFile(writeFile("huge.tga", tga(65535, 65535, 32, pattern(64))).c_str(), image));
    EXPECT_FALSE(readTgaFile(writeFile("big.tga", tga(16000, 16000, 32, pattern(64))).c_str(), image));
}

TEST_F(TgaReader, PixelCountBeyondTheLimitIsRefusedEvenWhenTheFileBacksIt) {
    // Each side is allowed, the product is not: 16384 x 4097 pixels. The file
    // really is that long (sparse, so it costs no disk).
    const int width = maxImageSide;
    const int height = int(maxImagePixels / size_t(maxImageSide)) + 1;
    const std::string path = writeFile("wide.tga", tga(width, height, 24, {}));
    ASSERT_EQ(truncate(path.c_str(), off_t(18) + off_t(width) * height * 3), 0);
    TgaImage image;
    const char* why = nullptr;
    EXPECT_FALSE(readTgaFile(path.c_str(), image, &why));
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_STREQ(why, "larger than any picture the program uses");
}

TEST_F(TgaReader, EveryRefusalSaysWhy) {
    struct Case {
        const char* name;
        Bytes bytes;
        const char* why;
    };
    Bytes colourMapped = tga(2, 2, 24, pattern(12));
    colourMapped[2] = 1;
    const Case cases[] = {
        {"mapped.tga", colourMapped, "not an uncompressed true-colour TGA"},
        {"zero.tga", tga(0, 2, 24, pattern(12)), "zero width or height"},
        {"grey.tga", tga(2, 2, 8, pattern(12)), "not 24 or 32 bits a pixel"},
        {"short.tga", tga(2, 2, 24, pattern(11)), "shorter than its header says"},
        {"header.tga", Bytes(10, 0), "shorter than its header says"},
    };
    for (const Case& c : cases) {
        TgaImage image;
        const char* why = nullptr;
        EXPECT_FALSE(readTgaFile(writeFile(c.name, c.bytes).c_str(), image, &why)) << c.name;
        EXPECT_STREQ(why, c.why) << c.name;
        why = nullptr;
        EXPECT_FALSE(decodeTga(c.bytes.data(), c.bytes.size(), image, &why)) << c.name;
        EXPECT_STREQ(why, c.why) << c.name;
    }
    TgaImage image;
    const char* why = nullptr;
    EXPECT_FALSE(readTgaFile(pathOf("absent.tga").c_str(), image, &why));
    EXPECT_STREQ(why, "cannot be opened");
}

TEST_F(TgaReader, TrailingBytesAfterThePixelsAreIgnored) {
    Bytes b = tga(1, 1, 24, {1, 2, 3});
    b.insert(b.end(), {9, 9, 9, 9, 9});  // e.g. a TGA 2.0 footer
    TgaImage image;
    ASSERT_TRUE(decodeTga(b.data(), b.size(), image));
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1}));
}

}  // namespace

namespace {

TEST_F(TgaReader, RandomlyDamagedHeadersAreRefusedOrFullyBacked) {
    std::srand(5);
    const Bytes clean = tga(6, 5, 32, pattern(6 * 5 * 4));
    for (int round = 0; round < 500; ++round) {
        Bytes b = clean;
        b[size_t(std::rand()) % 18] = static_cast<unsigned char>(std::rand());
        if (std::rand() % 4 == 0) b.resize(size_t(std::rand()) % b.size());
        TgaImage image;
        if (decodeTga(b.data(), b.size(), image)) {
            EXPECT_EQ(image.pixels.size(),
                      size_t(image.width) * size_t(image.height) * size_t(image.bits / 8));
            EXPECT_LE(image.pixels.size() + 18, b.size());
        } else {
            EXPECT_TRUE(image.pixels.empty());
        }
    }
}

}  // namespace
