// The pages of the open menu, drawn in screen-space mode when the panel is
// fully open.
#pragma once

#include <cstdint>

void drawAboutPage(int panelX);
void drawKeymapPage(int panelX);
void drawControlPage(int panelX, uint32_t nowMs);
void drawGraphPage(int panelX);
void drawScenePage(int panelX);
void drawOptionPage(int panelX, uint32_t nowMs);
// The scene-name box over the page while it is open.
void drawSceneNameBox();
