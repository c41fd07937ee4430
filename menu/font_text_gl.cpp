// Placeholder until the font lists exist.
#include "menu/font_text.h"

void buildFontLists() {}
void deleteFontLists() {}
void printText(int, int, const char*, int, float, float) {}
