// Every image of the generated Data folder must decode through the program's
// own readers, in the order the program loads them, with power-of-two sides.
#include <string>
#include <sys/stat.h>

#include "assets/bmp_image.h"
#include "assets/jpeg_image.h"
#include "assets/texture_files.h"
#include "assets/tga_image.h"
#include "tests/assets/image_test_support.h"

namespace {

bool powerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

class GeneratedData : public ImageFileTest {
protected:
    void SetUp() override {
        ImageFileTest::SetUp();
        struct stat st;
        if (stat(dataDir().c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            GTEST_SKIP() << "no generated Data folder at " << dataDir();
        }
    }

    static std::string dataDir() { return std::string(VORIX_BUILD_DIR) + "/Data"; }
    static std::string pathOf(const char* name) { return dataDir() + "/" + dataFileName(name); }
};

TEST_F(GeneratedData, TgaSetDecodesInLoadOrder) {
    for (int i = 0; i < tgaImageCount; ++i) {
        const std::string path = pathOf(tgaFileNames[i]);
        TgaImage image;
        ASSERT_TRUE(readTgaFile(path.c_str(), image)) << "TGA image " << i << ": " << path;
        EXPECT_TRUE(powerOfTwo(image.width) && powerOfTwo(image.height))
            << path << " is " << image.width << "x" << image.height;
    }
}

TEST_F(GeneratedData, JpegSetAndPhotoSetDecode) {
    auto check = [](const TextureFile& file) {
        const std::string path = pathOf(file.path);
        JpegImage image;
        EXPECT_TRUE(readJpeg(path.c_str(), image)) << "slot " << file.slot << ": " << path;
        EXPECT_TRUE(powerOfTwo(image.width) && powerOfTwo(image.height))
            << path << " is " << image.width << "x" << image.height;
    };
    for (const TextureFile& file : jpegSetFiles) check(file);
    for (const TextureFile& file : photoSetFiles) check(file);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GeneratedData, BmpSetDecodes) {
    for (const TextureFile& file : bmpSetFiles) {
        const std::string path = pathOf(file.path);
        BmpImage image;
        EXPECT_TRUE(readBmp(path.c_str(), image)) << "slot " << file.slot << ": " << path;
        EXPECT_TRUE(powerOfTwo(image.width) && powerOfTwo(image.height))
            << path << " is " << image.width << "x" << image.height;
    }
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
