// The pages of the open menu, drawn in screen-space mode when the panel is
// fully open.
#pragma once

#include "menu/menu.h"

void drawAboutPage(int panelX, const MenuPointer& pointer);
void drawKeymapPage(int panelX, const MenuPointer& pointer);
void drawControlPage(int panelX, const MenuPointer& pointer);
void drawGraphPage(int panelX);
void drawScenePage(int panelX, const MenuPointer& pointer);
void drawOptionPage(int panelX);
// The scene-name box over the page while it is open.
void drawSceneNameBox(const MenuPointer& pointer);
