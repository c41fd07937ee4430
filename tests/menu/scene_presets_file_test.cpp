// The scene-preset list and its file: the reading rules of names and values
// lines, the sorted list and its slots, the limits of the table, and damaged
// files that must load what they can and not be replaced by less.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "menu/scene_presets.h"
#include "temp_files.h"

namespace {

ScenePresetTable table;  // 360 kB: kept off the stack

std::vector<std::string> names(const ScenePresetTable& t) {
    std::vector<std::string> out;
    for (ScenePreset* p = t.head; p; p = p->next) out.push_back(p->name);
    return out;
}

std::vector<float> values(const ScenePreset* p) { return std::vector<float>(p->values, p->values + p->valueCount); }

// Loads text as a preset file; what the load reports is not looked at here.
int load(const std::string& text, const char* name = "scene.ini") {
    std::string path = tempPath(name);
    writeText(path, text);
    testing::internal::CaptureStderr();
    int result = loadScenePresetsFrom(path.c_str(), table);
    testing::internal::GetCapturedStderr();
    return result;
}

TEST(ScenePresetFile, ValuesLineRules) {
    load("\nWARNING: Do Not Edit ! May Cause Crash!\n"
         "\n[Name]:plain\n1.000 2.500 -3.000 \n"
         "[Name]:two spaces\n1.000  2.000 \n"
         "[Name]:no final space\n1 2 3\n"
         "[Name]:hyphen\n5.000 1-2 -.5 - . 7 \n"
         "[Name]:empty\n[Name]:then end\n[END]\n[Name]:after end\n1 \n");
    ASSERT_EQ(names(table), (std::vector<std::string>{"plain", "two spaces", "no final space", "hyphen", "empty",
                                                      "then end"}));
    EXPECT_EQ(values(presetAt(table, 1)), (std::vector<float>{1.0f, 2.5f, -3.0f}));
    // The empty number between two spaces repeats the one before.
    EXPECT_EQ(values(presetAt(table, 2)), (std::vector<float>{1.0f, 1.0f, 2.0f}));
    EXPECT_EQ(values(presetAt(table, 3)), (std::vector<float>{1.0f, 2.0f}));
    // "1-2" reads as 1; "-" and "." do not convert and repeat the value before.
    EXPECT_EQ(values(presetAt(table, 4)), (std::vector<float>{5.0f, 1.0f, -0.5f, -0.5f, -0.5f, 7.0f}));
    EXPECT_EQ(presetAt(table, 5)->valueCount, 0);
    EXPECT_EQ(presetAt(table, 6)->valueCount, 0) << "a name followed by [END] gets no values";
    EXPECT_EQ(presetAt(table, 7), nullptr);
    // Slots fill in file order.
    EXPECT_EQ(presetAt(table, 1)->slot, 0);
    EXPECT_EQ(presetAt(table, 6)->slot, 5);
    EXPECT_EQ(presetAt(table, 6)->previous, presetAt(table, 5));
}

TEST(ScenePresetFile, MissingFileLeavesTheListEmpty) {
    load("[Name]:x\n1 \n[END]\n");
    EXPECT_EQ(loadScenePresetsFrom(tempPath("absent.ini").c_str(), table), -1);
    EXPECT_EQ(table.head, nullptr);
    EXPECT_EQ(freePresetSlot(table), 0);
}

TEST(ScenePresetList, SortedByBytesWithEqualNamesAfterTheExisting) {
    clearScenePresets(table);
    float v[2] = {1, 2};
    insertScenePreset(table, "a", v, 2);
    insertScenePreset(table, "B", v, 2);
    insertScenePreset(table, "b", v, 2);
    ScenePreset* firstA = table.head->next;
    ScenePreset* secondA = insertScenePreset(table, "a", v, 1);
    insertScenePreset(table, "\xe9t\xe9", v, 2);  // bytes above 127 sort last
    EXPECT_EQ(names(table), (std::vector<std::string>{"B", "a", "a", "b", "\xe9t\xe9"}));
    EXPECT_EQ(firstA->next, secondA);
    EXPECT_EQ(secondA->valueCount, 1);
}

TEST(ScenePresetList, NameLengthAndFullTable) {
    clearScenePresets(table);
    float v[1] = {0};
    EXPECT_EQ(insertScenePreset(table, "", v, 1), nullptr);
    EXPECT_NE(insertScenePreset(table, std::string(255, 'n').c_str(), v, 1), nullptr);
    EXPECT_EQ(insertScenePreset(table, std::string(256, 'n').c_str(), v, 1), nullptr);
    for (int k = 1; k < kMaxScenePresets; ++k) ASSERT_NE(insertScenePreset(table, "more", v, 1), nullptr);
    EXPECT_EQ(usedPresetSlots(table), 100);
    EXPECT_EQ(freePresetSlot(table), -1);
    EXPECT_EQ(insertScenePreset(table, "one too many", v, 1), nullptr);

    // Deleting frees the slot; the next preset takes the lowest free slot.
    deleteScenePreset(table, presetAt(table, 40));
    deleteScenePreset(table, presetAt(table, 7));
    int lowest = freePresetSlot(table);
    EXPECT_EQ(usedPresetSlots(table), 98);
    ScenePreset* p = insertScenePreset(table, "zz", v, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->slot, lowest);
    EXPECT_EQ(names(table).back(), "zz");
    // Deleting the head and the last keeps the links whole.
    deleteScenePreset(table, table.head);
    ScenePreset* last = presetAt(table, usedPresetSlots(table));
    deleteScenePreset(table, last);
    int n = 0;
    for (ScenePreset* q = table.head; q; q = q->next) {
        if (q->next) {
            EXPECT_EQ(q->next->previous, q);
        }
        ++n;
    }
    EXPECT_EQ(n, 97);
    EXPECT_EQ(table.head->previous, nullptr);
}

std::string presetFile(int presets, const std::string& valuesLine) {
    std::string text = "\nWARNING: Do Not Edit ! May Cause Crash!\n";
    for (int k = 0; k < presets; ++k) text += "\n[Name]:scene " + std::to_string(k) + "\n" + valuesLine;
    return text + "\n[END]\n";
}

TEST(ScenePresetFile, PresetsPastTheHundredStayInTheFile) {
    load(presetFile(100, "1.000 2.000 "));
    EXPECT_EQ(usedPresetSlots(table), 100);
    EXPECT_FALSE(table.fileHeldMore);

    // 120 presets, each with values of its own.
    std::string path = tempPath("120.ini");
    std::string text = "\nWARNING: Do Not Edit ! May Cause Crash!\n", withoutFirst = text;
    for (int k = 0; k < 120; ++k) {
        std::string block = "\n[Name]:scene " + std::to_string(k) + "\n" + std::to_string(k) + ".250 -2.000 ";
        text += block;
        if (k > 0) withoutFirst += block;
    }
    text += "\n[END]\n";
    withoutFirst += "\n[END]\n";
    writeText(path, text);
    testing::internal::CaptureStderr();
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), table), 1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("120.ini holds 120 scenes"), std::string::npos) << err;
    EXPECT_EQ(usedPresetSlots(table), 100);
    EXPECT_STREQ(presetAt(table, 100)->name, "scene 99");
    EXPECT_EQ(table.presetsInFile, 120);
    EXPECT_FALSE(table.fileHeldMore);
    // Unchanged, the file is not written.
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_EQ(readText(path), text);
    // A deletion writes the other 119, the 20 the list could not hold among
    // them unchanged; the list takes the next one of the file.
    deleteScenePreset(table, table.head);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_EQ(readText(path), withoutFirst);
    EXPECT_EQ(usedPresetSlots(table), 100);
    EXPECT_STREQ(presetAt(table, 100)->name, "scene 100");
    EXPECT_EQ(table.presetsInFile, 119);
}

TEST(ScenePresetFile, FileOfMorePresetsThanCanBeMergedIsNeverRewritten) {
    std::string path = tempPath("1001.ini");
    std::string text = presetFile(kMaxStoredPresets + 1, "1.000 ");
    writeText(path, text);
    table.fileProblem[0] = '\0';
    testing::internal::CaptureStderr();
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), table), 1);
    EXPECT_EQ(usedPresetSlots(table), 100);
    deleteScenePreset(table, table.head);
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("more than 1000 scenes"), std::string::npos) << err;
    EXPECT_EQ(err.find("more than 1000"), err.rfind("more than 1000")) << "told once";
    EXPECT_EQ(readText(path), text);
    EXPECT_NE(std::string(table.fileProblem).find("not saved"), std::string::npos);
    EXPECT_EQ(usedPresetSlots(table), 99) << "the change stays in the list";
}

TEST(ScenePresetFile, ValuesLineStopsAt827Values) {
    std::string line;
    for (int k = 0; k < 1000; ++k) line += std::to_string(k) + ".000 ";
    load(presetFile(2, line));
    ASSERT_EQ(usedPresetSlots(table), 2);
    EXPECT_EQ(table.head->valueCount, 827);
    EXPECT_EQ(table.head->values[826], 826.0f);
    EXPECT_STREQ(table.head->next->name, "scene 1") << "the next preset still loads";
    EXPECT_TRUE(table.fileHeldMore);

    // A line of spaces repeats values up to the limit as well.
    load(presetFile(1, "5 " + std::string(5000, ' ')));
    EXPECT_EQ(table.head->valueCount, 827);
    EXPECT_EQ(table.head->values[826], 5.0f);
}

TEST(ScenePresetFile, WrittenListReadsBackExactly) {
    clearScenePresets(table);
    float a[70], b[3] = {-0.0004f, 1e7f, -123456.789f};
    for (int k = 0; k < 70; ++k) a[k] = (float)(k * 13 % 37) * 0.25f - 3.0f;
    insertScenePreset(table, "second [Name]:", a, 70);
    insertScenePreset(table, "first", b, 3);
    insertScenePreset(table, "no values", b, 0);
    std::string path = tempPath("written.ini");
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), table));
    std::string text = readText(path);
    EXPECT_EQ(text.substr(0, 41), "\nWARNING: Do Not Edit ! May Cause Crash!\n");
    EXPECT_NE(text.find("\n[Name]:first\n-0.000 10000000.000 -123456.789 \n[Name]:no values\n\n[Name]:second"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "\n[END]\n");

    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), table), 1);
    EXPECT_FALSE(table.fileHeldMore);
    ASSERT_EQ(names(table), (std::vector<std::string>{"first", "no values", "second [Name]:"}));
    EXPECT_EQ(values(presetAt(table, 3)), std::vector<float>(a, a + 70));
    EXPECT_EQ(presetAt(table, 2)->valueCount, 0);
    // The loaded list formats to the same bytes; unchanged, it is not written again.
    static char again[1 << 16];
    size_t length = 0;
    ASSERT_TRUE(formatScenePresets(table, again, sizeof again, length));
    EXPECT_EQ(std::string(again, length), text);
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));

    // Every preset deleted: an empty file.
    while (table.head) deleteScenePreset(table, table.head);
    ASSERT_TRUE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_EQ(readText(path), "");
}

TEST(ScenePresetFile, WindowsLineEndsRead) {
    load("\r\nWARNING: Do Not Edit ! May Cause Crash!\r\n\r\n[Name]:dos\r\n1.000 2.000 \r\n[END]\r\n");
    ASSERT_EQ(names(table), std::vector<std::string>{"dos"});
    EXPECT_EQ(values(table.head), (std::vector<float>{1.0f, 2.0f}));
    EXPECT_FALSE(table.fileHeldMore);
}

TEST(ScenePresetFile, HostileFileLoadsWhatItCanAndIsKept) {
    std::string text = "\nWARNING: Do Not Edit ! May Cause Crash!\n";
    text += "\n[Name]:" + std::string(10000, 'L') + "\n1 2 \n";            // a 10,000-character name
    text += "[Name]:huge\n" + std::string(400, '9') + " 4 -" + std::string(60, '1') + " \n";
    text += "[Name]:zero";
    text += std::string("\0byte\n7 8 \n", 11);                                  // a zero byte in a name
    text += std::string(10 * 1024 * 1024, '\x80') + "\n";                        // a 10 MB line of binary
    text += "[Name]:last\n3 \n[END]\ntrailing words\n";
    std::string path = tempPath("hostile.ini");
    writeText(path, text);
    testing::internal::CaptureStderr();
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), table), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("hostile.ini"), std::string::npos);
    ASSERT_EQ(usedPresetSlots(table), 4);
    EXPECT_EQ(std::strlen(table.head->name), 255u);
    EXPECT_EQ(values(table.head), (std::vector<float>{1.0f, 2.0f}));
    ScenePreset* huge = presetAt(table, 2);
    // Numbers beyond a float repeat the value before instead of becoming infinite.
    ASSERT_EQ(huge->valueCount, 3);
    EXPECT_EQ(huge->values[0], 0.0f);
    EXPECT_EQ(huge->values[1], 4.0f);
    EXPECT_EQ(huge->values[2], 4.0f);
    EXPECT_STREQ(presetAt(table, 3)->name, "zero");
    EXPECT_EQ(values(presetAt(table, 3)), (std::vector<float>{7.0f, 8.0f}));
    EXPECT_STREQ(presetAt(table, 4)->name, "last");
    EXPECT_TRUE(table.fileHeldMore);
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_EQ(readText(path).size(), text.size());
}

TEST(ScenePresetFile, UnwritableFolderIsReportedOnce) {
    clearScenePresets(table);
    table.fileProblem[0] = '\0';
    float v[1] = {1};
    insertScenePreset(table, "kept in memory", v, 1);
    std::string path = tempPath("no-such-folder/scene.ini");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    EXPECT_FALSE(saveScenePresetsTo(path.c_str(), table));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no-such-folder/scene.ini"), std::string::npos);
    EXPECT_EQ(err.find("scene.ini"), err.rfind("scene.ini"));
    EXPECT_STREQ(table.head->name, "kept in memory");
}

TEST(ScenePresetFile, StarterScenesLoadAndWriteBackUnchanged) {
    std::string path = starterSceneFile();
    ASSERT_TRUE(fileExists(path));
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), table), 1);
    ASSERT_GE(usedPresetSlots(table), 1);
    for (ScenePreset* p = table.head; p; p = p->next) {
        EXPECT_EQ(p->valueCount, 70) << p->name;
        if (p->next) {
            EXPECT_LT(std::strcmp(p->name, p->next->name), 0);
        }
    }
    EXPECT_FALSE(table.fileHeldMore);
    static char text[1 << 16];
    size_t length = 0;
    ASSERT_TRUE(formatScenePresets(table, text, sizeof text, length));
    EXPECT_EQ(std::string(text, length), readText(path));
}

}  // namespace
