// Bitmap-font text: glyph display lists over the font sheets, printed on the
// 800 by 600 virtual screen with its origin at the bottom-left. The colour is
// the current GL colour.
#pragma once

#include <cstdint>

#include "assets/glyph_sheet.h"

void buildFontLists();
void deleteFontLists();
// style 0..7 picks the sheet and half; scaleX, scaleY scale glyph and advance.
void printText(int x, int y, const char* text, int style, float scaleX, float scaleY);
