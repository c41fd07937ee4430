// Widget behaviour driven by made-up mouse input and times: the spinner's
// arrows and hold-to-repeat, toggles, the scroll bar, the name list and the
// text dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "menu/font_text.h"
#include "menu/menu_text.h"
#include "menu/widgets.h"

namespace {

// A 24 by 18 spinner at (309, 102): arrows 20 wide with a 2-unit gap.
struct Spinner : ::testing::Test {
    ValueSpinner s;
    float value = 1.0f;
    void SetUp() override { setupSpinner(s, 309, 102, 24, 18, &value, 0.0f, 10.0f, 0.5f); }
    void click(int x, uint32_t at) {
        spinnerPress(s, x, 110, at);
        spinnerRelease(s, x, 110, at + 50);
    }
};

constexpr int kDec = 320, kInc = 340;

TEST_F(Spinner, ArrowRegionsAndHitTest) {
    EXPECT_EQ(s.decrement.left, 310);
    EXPECT_EQ(s.decrement.right, 330);
    EXPECT_EQ(s.increment.left, 332);
    EXPECT_EQ(s.increment.right, 352);
    EXPECT_EQ(s.decrement.top, 102);
    EXPECT_EQ(s.decrement.bottom, 120);
    EXPECT_EQ(spinnerHitTest(s, 310, 102), kSpinnerDecrement);
    EXPECT_EQ(spinnerHitTest(s, 352, 120), kSpinnerIncrement);
    EXPECT_EQ(spinnerHitTest(s, 331, 110), kSpinnerBody);  // the gap, inside the outer box
    EXPECT_EQ(spinnerHitTest(s, 309, 121), kSpinnerOutside);
}

TEST_F(Spinner, PressAndReleaseOnOneArrowStepsOnce) {
    click(kInc, 1000);
    EXPECT_FLOAT_EQ(value, 1.5f);
    click(kDec, 2000);
    click(kDec, 3000);
    EXPECT_FLOAT_EQ(value, 0.5f);
    spinnerTick(s, 9000);
    EXPECT_FLOAT_EQ(value, 0.5f) << "nothing runs after the clicks";
}

TEST_F(Spinner, PressOnOneArrowReleaseOnTheOtherDoesNothing) {
    spinnerPress(s, kDec, 110, 1000);
    spinnerRelease(s, kInc, 110, 1050);
    EXPECT_FLOAT_EQ(value, 1.0f);
    EXPECT_FALSE(spinnerHeld(s));
    spinnerTick(s, 3000);
    EXPECT_FLOAT_EQ(value, 1.0f) << "neither arrow may keep running";
    // A release away from the spinner ends the hold as well.
    spinnerPress(s, kInc, 110, 4000);
    spinnerRelease(s, 600, 300, 4020);
    spinnerTick(s, 6000);
    EXPECT_FLOAT_EQ(value, 1.0f);
}

TEST_F(Spinner, HoldRunsFasterTheLongerItIsHeld) {
    spinnerPress(s, kInc, 110, 1000);
    spinnerTick(s, 1090);  // under 100 ms: nothing yet
    EXPECT_FLOAT_EQ(value, 1.0f);
    spinnerRelease(s, kInc, 110, 1095);
    EXPECT_FLOAT_EQ(value, 1.5f) << "a short hold is one click";

    value = 0.0f;
    setupSpinner(s, 309, 102, 24, 18, &value, 0.0f, 100.0f, 0.5f);
    spinnerPress(s, kInc, 110, 5000);
    spinnerTick(s, 6000);  // held 1 s: ten steps this frame
    EXPECT_FLOAT_EQ(value, 5.0f);
    spinnerTick(s, 6016);
    EXPECT_FLOAT_EQ(value, 10.0f);
    spinnerTick(s, 6350);  // 3 steps a frame at 350 ms would be less: the hold keeps growing
    EXPECT_FLOAT_EQ(value, 16.5f);
    for (int frame = 0; frame < 50; ++frame) spinnerTick(s, 7000 + frame * 16);
    EXPECT_FLOAT_EQ(value, 100.0f) << "runs until the limit";
    spinnerRelease(s, kInc, 110, 8000);
    EXPECT_FLOAT_EQ(value, 100.0f);
}

TEST(SpinnerBuild, OutOfRangeTargetsArePulledInWhenTheSpinnerWrites) {
    ValueSpinner s;
    float f = 50.0f;
    setupSpinner(s, 0, 0, 24, 18, &f, -10.0f, 10.0f, 0.01f);
    EXPECT_EQ(s.valueFloat, 10.0f);
    EXPECT_EQ(f, 50.0f) << "the building alone leaves the target";
    spinnerTick(s, 0);
    EXPECT_EQ(f, 10.0f);
    double d = 0.1;
    setupSpinner(s, 0, 0, 24, 18, &d, 0.3, 65.0, 0.05f);
    spinnerTick(s, 0);
    EXPECT_EQ(d, 0.3);
    int mode = 7;
    setupSpinner(s, 666, 545, 24, 17, &mode, 0, 6, 1.0f);
    spinnerTick(s, 0);
    EXPECT_EQ(mode, 6);
    spinnerPress(s, 680, 550, 0);  // 24 by 17: the decrement arrow spans 667 to 687
    spinnerRelease(s, 680, 550, 10);
    EXPECT_EQ(mode, 5);
}

TEST(SpinnerBuild, PressSurvivesARebuild) {
    ValueSpinner s;
    float f = 1.0f;
    setupSpinner(s, 0, 0, 24, 18, &f, 0.0f, 10.0f, 1.0f);
    spinnerPress(s, 30, 5, 0);
    setupSpinner(s, 0, 0, 24, 18, &f, 0.0f, 10.0f, 1.0f);  // the menu rebuilds on every release
    spinnerRelease(s, 30, 5, 20);
    EXPECT_EQ(f, 2.0f);
}

TEST(Toggle, FlipsOnAPressAndReleaseInside) {
    ToggleBox t;
    bool sw = false;
    setupToggle(t, 192, 242, 30, 30, &sw);
    togglePress(t, 200, 250);
    toggleRelease(t, 200, 250);
    toggleTick(t);
    EXPECT_TRUE(sw);
    togglePress(t, 200, 250);
    toggleRelease(t, 100, 100);  // dragged off
    toggleTick(t);
    EXPECT_TRUE(sw);
    togglePress(t, 100, 100);  // pressed elsewhere, released inside
    toggleRelease(t, 200, 250);
    toggleTick(t);
    EXPECT_TRUE(sw);
    togglePress(t, 200, 250);  // the next real click still counts
    toggleRelease(t, 222, 272);
    toggleTick(t);
    EXPECT_FALSE(sw);
}

TEST(Toggle, DisabledToggleStaysOffAndClearsItsSwitch) {
    ToggleBox t;
    bool sound = true;
    setupToggle(t, 192, 242, 30, 30, &sound, false);
    EXPECT_FALSE(sound);
    togglePress(t, 200, 250);
    toggleRelease(t, 200, 250);
    sound = true;
    toggleTick(t);
    EXPECT_FALSE(sound);
    EXPECT_FALSE(t.state);
}

TEST(ScrollBar, ThumbDragsWithinTheTrack) {
    ScrollBar b;
    setupScrollBar(b, 600, 150, 625, 350, 15);
    EXPECT_EQ(scrollThumbLength(b), 30);
    scrollPress(b, 610, 300);  // not on the thumb
    scrollDrag(b, 610, 340);
    EXPECT_EQ(b.offset, 0);
    scrollPress(b, 610, 160);
    scrollDrag(b, 610, 245);
    EXPECT_EQ(b.offset, 85);
    EXPECT_FLOAT_EQ(b.value, 50.0f);
    scrollDrag(b, 610, 900);
    EXPECT_EQ(b.offset, 170);
    EXPECT_FLOAT_EQ(b.value, 100.0f);
    scrollRelease(b);
    scrollDrag(b, 610, 0);
    EXPECT_EQ(b.offset, 170) << "no drag after the release";
}

TEST(NameList, ScrollingAndSelection) {
    static NameList l;
    setupNameList(l, 200, 150, 600, 350, 20);
    EXPECT_EQ(l.visibleRows, 10);
    int records[30];
    for (int k = 0; k < 6; ++k) nameListAdd(l, ("scene " + std::to_string(k)).c_str(), &records[k]);
    EXPECT_EQ(nameListFirstVisible(l, 100.0f), 0) << "a list that fits ignores the scroll bar";
    EXPECT_TRUE(nameListSelect(l, 300, 195, 100.0f));  // third row
    EXPECT_EQ(l.selected, 3);
    EXPECT_EQ(nameListSelectedRecord(l), &records[2]);
    nameListSelect(l, 300, 330, 0.0f);  // an empty row
    EXPECT_EQ(nameListSelectedRecord(l), nullptr);
    EXPECT_STREQ(nameListSelectedName(l), "");
    EXPECT_FALSE(nameListSelect(l, 100, 200, 0.0f));

    for (int k = 6; k < 30; ++k) nameListAdd(l, ("scene " + std::to_string(k)).c_str(), &records[k]);
    EXPECT_EQ(nameListFirstVisible(l, 50.0f), 10);
    EXPECT_EQ(nameListFirstVisible(l, 100.0f), 20);
    nameListSelect(l, 300, 150, 100.0f);
    EXPECT_EQ(l.selected, 21);
    nameListSelect(l, 300, 350, 100.0f);  // the bottom edge is the last row
    EXPECT_EQ(l.selected, 30);
    EXPECT_STREQ(nameListSelectedName(l), "scene 29");

    nameListClear(l);
    for (int k = 0; k < kNameListCapacity; ++k) EXPECT_TRUE(nameListAdd(l, std::string(300, 'x').c_str(), nullptr));
    EXPECT_FALSE(nameListAdd(l, "one more", nullptr));
    EXPECT_EQ(std::string(l.entries[0].name).size(), 255u);
}

TEST(TextDialog, KeysAndTheCharacterLimit) {
    TextDialog d;
    setupDialog(d, {180, 190, 591, 450}, {200, 205, 571, 250}, "Enter Scene Name:", -1, -1, -1);
    dialogTypeKey(d, 'A');
    EXPECT_EQ(d.length, 0) << "a closed dialog takes no keys";
    dialogOpen(d);
    for (int key : {(int)'A', (int)'1', (int)' ', 188, 189, 190, 191, 219, 221, 222, 13, 27}) dialogTypeKey(d, key);
    EXPECT_STREQ(d.text, "A1 ,-./[]\"\r\x1b");
    dialogTypeKey(d, 8);
    dialogTypeKey(d, 37);
    EXPECT_STREQ(d.text, "A1 ,-./[]\"");
    dialogTypeKey(d, 0);
    dialogTypeKey(d, '\n');
    EXPECT_EQ(d.length, 10);
    dialogClearText(d);
    dialogTypeKey(d, 8);
    EXPECT_EQ(d.length, 0);
    for (int k = 0; k < 50; ++k) dialogTypeKey(d, 'A' + k % 26);
    EXPECT_EQ(d.length, 44) << "the 45th character is ignored";
    EXPECT_EQ(std::string(d.text).size(), 44u);
}

TEST(TextDialog, ButtonsCloseIt) {
    TextDialog d;
    setupDialog(d, {180, 190, 591, 450}, {200, 205, 571, 250}, "Enter Scene Name:", -1, -1, -1);
    EXPECT_EQ(d.ok.rect.left, 221);
    EXPECT_EQ(d.ok.rect.right, 344);
    EXPECT_EQ(d.ok.rect.top, 385);
    EXPECT_EQ(d.ok.rect.bottom, 424);
    EXPECT_EQ(d.cancel.rect.left, 426);
    dialogOpen(d);
    EXPECT_EQ(dialogClicked(d, 300, 300), -1);
    EXPECT_TRUE(dialogIsOpen(d));
    EXPECT_EQ(dialogClicked(d, 230, 400), 1);
    EXPECT_FALSE(dialogIsOpen(d));
    dialogOpen(d);
    EXPECT_EQ(dialogClicked(d, 500, 400), 0);
    EXPECT_FALSE(dialogIsOpen(d));
}

TEST(FitText, LongNamesStopAtTheWidthShortOnesStayWhole) {
    char out[256];
    fitText("Zero-zero on the runway", 0, 0.9f, 390.0f, out, sizeof out);
    EXPECT_STREQ(out, "Zero-zero on the runway");

    const std::string name(255, 'W');
    fitText(name.c_str(), 0, 0.9f, 390.0f, out, sizeof out);
    const size_t n = std::strlen(out);
    ASSERT_GT(n, 0u);
    ASSERT_LT(n, name.size());
    EXPECT_LE(textAdvance(out, 0, 0.9f), 390.0f);
    EXPECT_GT(textAdvance(name.substr(0, n + 1).c_str(), 0, 0.9f), 390.0f) << "one more would not fit";

    fitText(name.c_str(), 0, 0.9f, 1e9f, out, 8);  // the buffer bounds the copy
    EXPECT_STREQ(out, "WWWWWWW");
    fitText(nullptr, 0, 0.9f, 100.0f, out, sizeof out);
    EXPECT_STREQ(out, "");
}

}  // namespace
