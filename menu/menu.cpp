// Placeholder entry points of the menu until its pages exist.
#include "menu/menu.h"

MenuState menu;

void openMenu() {}
void closeMenu() {}
void buildMenuWidgets() {}
void menuMouseDown(int, int) {}
void menuMouseUp(int, int) {}
void menuMouseMove(int, int) {}
bool menuClosedMouseDown(int, int) { return false; }
bool menuClosedMouseUp(int, int) { return false; }
bool sceneNameBoxOpen() { return false; }
void sceneNameBoxKey(int) {}
void saveScenePresets() {}
void addScenePreset(const char*) {}
