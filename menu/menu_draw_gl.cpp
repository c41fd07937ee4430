// Placeholder drawing of the menu until its pages exist.
#include "menu/menu.h"

void drawMenuPanel() {}
void drawMenuStrip() {}
