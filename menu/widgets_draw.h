// Drawing of the widgets in screen-space mode (top-left origin); the mouse
// position drives the hover colours and images.
#pragma once

#include "menu/widgets.h"

void drawSpinner(const ValueSpinner& s, int mouseX, int mouseY);
void drawToggle(const ToggleBox& t);
void drawImageButton(const ImageButton& b, int mouseX, int mouseY);
void drawScrollBar(const ScrollBar& b);
// The outline and the bar over the selected row (the page prints the names).
void drawNameList(const NameList& l, float scroll);
void drawDialog(const TextDialog& d, int mouseX, int mouseY);

// A textured rectangle replacing the colour, alpha-blended. Texture
// coordinates run from (0,1) at the top-left to (1,0) at the bottom-right, as
// the TGA pictures are stored bottom row first; topRowFirst flips them for
// the JPEG pictures, whose first row is the top.
void drawTexturedRect(unsigned int texture, const Rect& r, bool topRowFirst = false);
// The texture of a TGA image (0 for none).
unsigned int tgaTexture(int image);
// A rectangle's edges, or the rectangle filled, in the current colour.
void outlineRect(const Rect& r);
void fillRect(const Rect& r);
// Text centred in a rectangle at a given advance per character.
void printCentred(const Rect& r, const char* text, int style, float scale, float advance);
