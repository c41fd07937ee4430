#include "assets/texture_files.h"

#include <set>
#include <string>

#include "assets/textures.h"

#include <gtest/gtest.h>

namespace {

TEST(TextureFiles, TablesHoldEveryImageOnceUnderData) {
    std::set<std::string> names;
    for (const char* name : tgaFileNames) names.insert(name);
    for (const TextureFile& f : jpegSetFiles) names.insert(f.path);
    for (const TextureFile& f : photoSetFiles) names.insert(f.path);
    for (const TextureFile& f : bmpSetFiles) names.insert(f.path);
    EXPECT_EQ(names.size(), size_t(36 + 34 + 5));
    for (const std::string& name : names) {
        EXPECT_EQ(name.rfind("Data/", 0), 0u) << name;
        EXPECT_EQ(std::string(dataFileName(name.c_str())), name.substr(5));
    }
}

TEST(TextureFiles, JpegAndBmpSlotsAreDistinctAndInsideTheirTables) {
    std::set<int> jpegSlots;
    int previous = 0;
    for (const TextureFile& f : jpegSetFiles) {
        EXPECT_GT(f.slot, previous) << f.path;  // loaded in slot order
        previous = f.slot;
        jpegSlots.insert(f.slot);
    }
    for (int i = 0; i < photoSetCount; ++i) {
        EXPECT_EQ(photoSetFiles[i].slot, 40 + i);
        jpegSlots.insert(photoSetFiles[i].slot);
    }
    EXPECT_EQ(jpegSlots.size(), size_t(34));
    EXPECT_LT(*jpegSlots.rbegin(), jpegSlotCount);
    EXPECT_STREQ(jpegSetFiles[3].path, "Data/wall1.jpg");
    EXPECT_EQ(jpegSetFiles[13].slot, 14);
    EXPECT_STREQ(jpegSetFiles[13].path, "Data/wall11.jpg");
    EXPECT_EQ(jpegSetFiles[jpegSetCount - 1].slot, 57);

    const int bmpSlots[] = {0, 1, 2, 15, 18};
    for (int i = 0; i < bmpSetCount; ++i) {
        EXPECT_EQ(bmpSetFiles[i].slot, bmpSlots[i]);
        EXPECT_LT(bmpSetFiles[i].slot, bmpSlotCount);
    }
}

TEST(TextureTables, ResetLeavesEveryNameZeroAndThePhotoSetPending) {
    jpegTextures[3] = 9;
    bmpTextures[18] = 4;
    tgaImages[7].texture = 2;
    tgaImages[7].pixels.assign(12, 1);
    photoSetPending = false;
    resetTextureTables();
    EXPECT_EQ(jpegTextures[3], 0u);
    EXPECT_EQ(bmpTextures[18], 0u);
    EXPECT_EQ(tgaImages[7].texture, 0u);
    EXPECT_TRUE(tgaImages[7].pixels.empty());
    EXPECT_TRUE(photoSetPending);
}

}  // namespace
