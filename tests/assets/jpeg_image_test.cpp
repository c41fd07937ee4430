#include "assets/jpeg_image.h"
#include "platform/error_report.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "tests/assets/image_test_support.h"

namespace {

// Writes a baseline JPEG of the given colour space with libjpeg itself.
// pixel(x, y, c) gives sample c of the pixel at column x, row y (row 0 on top).
// scans, when given, is a progressive scan script of scanCount entries.
template <typename PixelFn>
void writeJpeg(const std::string& path, int width, int height, J_COLOR_SPACE space,
               int components, PixelFn pixel, const jpeg_scan_info* scans = nullptr,
               int scanCount = 0) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (scans) {
        cinfo.scan_info = scans;
        cinfo.num_scans = scanCount;
    }
    jpeg_start_compress(&cinfo, TRUE);
    Bytes row(size_t(width) * size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < components; ++c) {
                row[size_t(x * components + c)] = static_cast<unsigned char>(pixel(x, y, c));
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
}

Bytes readAll(const std::string& path) {
    Bytes b;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return b;
    int c;
    while ((c = std::fgetc(f)) != EOF) b.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    return b;
}

// Offset of the baseline start-of-frame marker, or 0 if there is none.
size_t frameMarker(const Bytes& b) {
    for (size_t i = 2; i + 9 < b.size(); ++i) {
        if (b[i] == 0xFF && b[i + 1] == 0xC0) return i;
    }
    return 0;
}

class JpegReader : public ImageFileTest {
protected:
    // Top half red, bottom half blue, 32 x 16.
    std::string redOverBlue(const std::string& name) {
        const std::string path = pathOf(name);
        writeJpeg(path, 32, 16, JCS_RGB, 3, [](int, int y, int c) {
            const bool top = y < 8;
            return c == 0 ? (top ? 250 : 5) : c == 2 ? (top ? 5 : 250) : 5;
        });
        return path;
    }

    // 256 x 256 of noise: plenty of scan data to damage.
    std::string noise(const std::string& name) {
        const std::string path = pathOf(name);
        writeJpeg(path, 256, 256, JCS_RGB, 3,
                  [](int x, int y, int c) { return (x * 73 + y * 151 + c * 29 + x * y) % 251; });
        return path;
    }

    // An error whose first line is the path; the reason (if any) follows it.
    // The reader shows no box itself: its caller does. Returns the reason.
    std::string expectReportedFailure(const std::string& path) {
        boxes.clear();
        JpegImage image;
        LoadError error;
        EXPECT_FALSE(readJpeg(path.c_str(), image, &error)) << path;
        EXPECT_TRUE(image.pixels.empty());
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(boxes.empty()) << path;
        const std::string text = error.text;
        EXPECT_FALSE(text.empty()) << path;
        EXPECT_EQ(text.substr(0, text.find('\n')), path);
        const size_t cut = text.find('\n');
        return cut == std::string::npos ? "" : text.substr(cut + 1);
    }
};

TEST_F(JpegReader, ColourFileDecodesToRgbRowsTopFirst) {
    JpegImage image;
    LoadError error;
    ASSERT_TRUE(readJpeg(redOverBlue("rb.jpg").c_str(), image, &error));
    EXPECT_STREQ(error.text, "");
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 16);
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.rowBytes, 96);
    ASSERT_EQ(image.pixels.size(), size_t(96 * 16));
    const unsigned char* top = &image.pixels[3 * 10];
    const unsigned char* bottom = &image.pixels[15 * 96 + 3 * 10];
    EXPECT_GT(top[0], 200);
    EXPECT_LT(top[2], 60);
    EXPECT_LT(bottom[0], 60);
    EXPECT_GT(bottom[2], 200);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(JpegReader, GreyscaleFileIsWidenedToEqualRgb) {
    const std::string path = pathOf("grey.jpg");
    writeJpeg(path, 24, 8, JCS_GRAYSCALE, 1, [](int x, int, int) { return x < 12 ? 40 : 210; });
    JpegImage image;
    ASSERT_TRUE(readJpeg(path.c_str(), image));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.rowBytes, 72);
    ASSERT_EQ(image.pixels.size(), size_t(72 * 8));
    for (size_t p = 0; p < image.pixels.size(); p += 3) {
        ASSERT_EQ(image.pixels[p], image.pixels[p + 1]) << p;
        ASSERT_EQ(image.pixels[p], image.pixels[p + 2]) << p;
    }
    EXPECT_NEAR(image.pixels[3 * 2], 40, 12);
    EXPECT_NEAR(image.pixels[3 * 21], 210, 12);
}

TEST_F(JpegReader, MissingFileShowsThePath) {
    expectReportedFailure(pathOf("absent.jpg"));
}

TEST_F(JpegReader, DamagedDataIsReportedLikeAMissingFileAndLoadingGoesOn) {
    const std::string good = redOverBlue("good.jpg");
    const Bytes bytes = readAll(good);
    ASSERT_GT(bytes.size(), 200u);

    expectReportedFailure(writeFile("text.jpg", Bytes{'n', 'o', 't', ' ', 'j', 'p', 'g'}));
    expectReportedFailure(writeFile("empty.jpg", {}));
    expectReportedFailure(writeFile("half.jpg", Bytes(bytes.begin(), bytes.begin() + bytes.size() / 2)));
    expectReportedFailure(writeFile("headonly.jpg", Bytes(bytes.begin(), bytes.begin() + 20)));

    const size_t sof = frameMarker(bytes);
    ASSERT_NE(sof, 0u);
    Bytes badFrame = bytes;
    badFrame[sof + 9] = 7;  // seven components
    expectReportedFailure(writeFile("frame.jpg", badFrame));
    Bytes zeroHeight = bytes;
    zeroHeight[sof + 5] = zeroHeight[sof + 6] = 0;
    expectReportedFailure(writeFile("zero.jpg", zeroHeight));

    // The decoder is still usable after all of these.
    JpegImage image;
    EXPECT_TRUE(readJpeg(good.c_str(), image));
    EXPECT_EQ(image.height, 16);
}

TEST_F(JpegReader, DeclaredSizeNoTextureNeedsIsRefusedBeforeDecoding) {
    // A small file whose frame header claims a vast picture: the scan data
    // runs into the end-of-image marker long before, which libjpeg would
    // quietly pad to a 192 MiB picture.
    const Bytes clean = readAll(redOverBlue("small.jpg"));
    const size_t sof = frameMarker(clean);
    ASSERT_NE(sof, 0u);
    const struct { unsigned width, height; } sides[] = {{8192, 8192}, {2049, 8}, {8, 2049}};
    for (const auto& s : sides) {
        Bytes b = clean;
        b[sof + 5] = static_cast<unsigned char>(s.height >> 8);
        b[sof + 6] = static_cast<unsigned char>(s.height & 0xFF);
        b[sof + 7] = static_cast<unsigned char>(s.width >> 8);
        b[sof + 8] = static_cast<unsigned char>(s.width & 0xFF);
        const std::string why = expectReportedFailure(writeFile("claims.jpg", b));
        const std::string size = std::to_string(s.width) + " x " + std::to_string(s.height);
        EXPECT_NE(why.find(size), std::string::npos) << why;
    }
}

TEST_F(JpegReader, DamagedScanDataIsAFailureNotAGreyPicture) {
    const Bytes clean = readAll(noise("noise.jpg"));
    ASSERT_GT(clean.size(), 20000u);
    const size_t sof = frameMarker(clean);
    ASSERT_NE(sof, 0u);
    const Bytes endOfImage = {0xFF, 0xD9};

    // Cut short, yet still ending in the end-of-image marker.
    for (size_t keep : {clean.size() / 2, clean.size() - 200}) {
        Bytes cut(clean.begin(), clean.begin() + long(keep));
        cut.insert(cut.end(), endOfImage.begin(), endOfImage.end());
        EXPECT_NE(expectReportedFailure(writeFile("cut.jpg", cut)), "") << keep;
    }
    // A thousand bytes of the scan overwritten, with zeros and with noise.
    std::srand(11);
    for (int round = 0; round < 6; ++round) {
        Bytes b = clean;
        const size_t from = sof + 1000 + size_t(round) * 2500;
        for (size_t i = from; i < from + 1000; ++i) {
            b[i] = round % 2 ? static_cast<unsigned char>(std::rand() % 255) : 0;
        }
        EXPECT_NE(expectReportedFailure(writeFile("overwritten.jpg", b)), "") << round;
    }
}

TEST_F(JpegReader, ProgressiveFilesDecodeUpToAScanLimit) {
    const auto pixel = [](int x, int y, int c) { return (x * 5 + y * 3 + c * 70) % 256; };
    // The usual ten-scan progression decodes.
    std::string path = pathOf("progressive.jpg");
    {
        jpeg_compress_struct cinfo;
        jpeg_error_mgr err;
        cinfo.err = jpeg_std_error(&err);
        jpeg_create_compress(&cinfo);
        cinfo.in_color_space = JCS_RGB;
        cinfo.input_components = 3;
        jpeg_set_defaults(&cinfo);
        jpeg_simple_progression(&cinfo);
        std::vector<jpeg_scan_info> usual(cinfo.scan_info, cinfo.scan_info + cinfo.num_scans);
        jpeg_destroy_compress(&cinfo);
        writeJpeg(path, 64, 48, JCS_RGB, 3, pixel, usual.data(), int(usual.size()));
    }
    JpegImage image;
    ASSERT_TRUE(readJpeg(path.c_str(), image));
    EXPECT_EQ(image.width, 64);
    EXPECT_TRUE(boxes.empty());

    // One DC scan and one scan per AC coefficient and component: 190 scans,
    // a valid file that costs 190 passes over the picture.
    std::vector<jpeg_scan_info> many;
    jpeg_scan_info dc = {3, {0, 1, 2, 0}, 0, 0, 0, 0};
    many.push_back(dc);
    for (int c = 0; c < 3; ++c) {
        for (int k = 1; k < 64; ++k) {
            jpeg_scan_info ac = {1, {c, 0, 0, 0}, k, k, 0, 0};
            many.push_back(ac);
        }
    }
    path = pathOf("many_scans.jpg");
    writeJpeg(path, 64, 48, JCS_RGB, 3, pixel, many.data(), int(many.size()));
    const std::string why = expectReportedFailure(path);
    EXPECT_NE(why.find("scans"), std::string::npos) << why;
}

TEST_F(JpegReader, HostileSidesAreRefusedBeforeAllocating) {
    Bytes bytes = readAll(redOverBlue("small.jpg"));
    const size_t sof = frameMarker(bytes);
    ASSERT_NE(sof, 0u);
    for (size_t i = sof + 5; i < sof + 9; ++i) bytes[i] = 0xFD;  // 65021 x 65021
    expectReportedFailure(writeFile("vast.jpg", bytes));
}

TEST_F(JpegReader, CmykFilesAreRefused) {
    const std::string path = pathOf("cmyk.jpg");
    writeJpeg(path, 16, 16, JCS_CMYK, 4, [](int, int, int c) { return 60 * c; });
    expectReportedFailure(path);
}

TEST_F(JpegReader, ScrambledScanDataNeverEscapesTheBuffer) {
    const Bytes clean = readAll(redOverBlue("clean.jpg"));
    const size_t sof = frameMarker(clean);
    ASSERT_NE(sof, 0u);
    std::srand(7);
    for (int round = 0; round < 40; ++round) {
        Bytes b = clean;
        for (int k = 0; k < 12; ++k) {
            const size_t at = sof + 20 + size_t(std::rand()) % (b.size() - sof - 22);
            b[at] = static_cast<unsigned char>(std::rand());
        }
        JpegImage image;
        if (readJpeg(writeFile("scrambled.jpg", b).c_str(), image)) {
            EXPECT_EQ(image.pixels.size(), size_t(image.rowBytes) * size_t(image.height));
        } else {
            EXPECT_TRUE(image.pixels.empty());
        }
    }
}

}  // namespace
