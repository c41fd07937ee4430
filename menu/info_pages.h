// The KEYMAP and ABOUT pages: their lines of text and the ABOUT pictures,
// laid out GL-free for the drawing.
#pragma once

#include "menu/menu_text.h"
#include "menu/widgets.h"

constexpr int kKeymapPageCount = 2;
constexpr int kAboutPageCount = 8;

constexpr int kKeymapPage1Lines = 25;
constexpr int kKeymapPage2Lines = 26;
extern const char* const kKeymapPage1[kKeymapPage1Lines];
extern const char* const kKeymapPage2[kKeymapPage2Lines];

// Lines from (panelX, 525) downwards, 20 apart; a line starting with a space
// is a heading. Returns the number of lines.
constexpr int kInfoLineCapacity = 32;
int layoutKeymapPage(int page, int panelX, MenuText* lines, int capacity);
int layoutAboutPage(int page, int panelX, MenuText* lines, int capacity);

// A picture of the photo set on an ABOUT page: its JPEG slot and rectangle
// (top-left origin).
struct AboutPicture {
    int slot;
    Rect rect;
};
constexpr int kAboutPictureCapacity = 2;
int aboutPictures(int page, int panelX, AboutPicture* out, int capacity);
