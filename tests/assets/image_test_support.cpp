#include "tests/assets/image_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/error_report.h"

std::vector<std::string> ImageFileTest::boxes;

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(Bytes& b, unsigned long v) {
    put16(b, unsigned(v & 0xFFFF));
    put16(b, unsigned((v >> 16) & 0xFFFF));
}

void ImageFileTest::recordBox(const char* text, const char* caption) {
    EXPECT_STREQ(caption, "Error");
    boxes.push_back(text);
}

void ImageFileTest::SetUp() {
    char pattern[] = "/tmp/vorix-images-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    dir_ = made;
    boxes.clear();
    setErrorBoxHandler(recordBox);
}

void ImageFileTest::TearDown() {
    setErrorBoxHandler(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string ImageFileTest::pathOf(const std::string& name) const { return dir_ + "/" + name; }

std::string ImageFileTest::writeFile(const std::string& name, const Bytes& bytes) {
    const std::string path = pathOf(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr) << path;
    if (f) {
        if (!bytes.empty()) {
            EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        }
        std::fclose(f);
    }
    return path;
}
