// The sliding menu's state and the entry points the keyboard, the mouse and the
// frame call. The menu's own code fills these in; until then they do nothing.
#pragma once

#include <cstdint>

struct MenuState {
    bool menuOpen = false;
    int menuEdgeX = 0;           // x of the panel's right edge, 0 to 800
    uint32_t menuEventTime = 0;  // ms when the menu last opened or closed
    int currentTab = 3;          // 1 ABOUT .. 6 OPTION
};

extern MenuState menu;

void openMenu();
void closeMenu();
// Drawing (screen-space mode already entered by the overlay): the open panel with
// its backdrop, clock and current page; while closed, the MENU strip and the
// camera-mode spinner.
void drawMenuPanel();
void drawMenuStrip();

// Rebuilds every widget from the value it edits (buildMenuWidgets).
void buildMenuWidgets();
// Mouse routing while the menu is open (top-left-origin virtual screen).
void menuMouseDown(int x, int y);
void menuMouseUp(int x, int y);
void menuMouseMove(int x, int y);
// The camera-mode spinner in the HUD box and the MENU strip take clicks while the
// menu is closed; true when the click was theirs.
bool menuClosedMouseDown(int x, int y);
bool menuClosedMouseUp(int x, int y);

// The scene-name entry box: while it is open every key goes to it.
bool sceneNameBoxOpen();
void sceneNameBoxKey(int virtualKey);

// Scene presets: "Data/scene.ini".
void saveScenePresets();
void addScenePreset(const char* name);
