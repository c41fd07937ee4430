// The sliding menu's state and the entry points the keyboard, the mouse and the
// frame call. The entry points read the clock and then run the GL-free
// versions of menu/menu_control.h.
#pragma once

#include <cstdint>

struct MenuState {
    bool menuOpen = false;
    int menuEdgeX = 0;           // x of the panel's right edge, 0 to 800
    uint32_t menuEventTime = 0;  // ms when the menu last opened or closed
    int currentTab = 3;          // 1 ABOUT .. 6 OPTION
    int tabCell = 2;             // selected cell of the tab strip (0-based); the tab when the menu opens
    int menuBackground = 20;     // TGA image of the panel: "Data/bk3.tga" (20) or "Data/bk1.tga" (31)
    int aboutPage = 1;           // 1 .. 8
    int keymapPage = 1;          // 1 .. 2
};

extern MenuState menu;

enum MenuTab { kTabAbout = 1, kTabKeymap = 2, kTabControl = 3, kTabGraph = 4, kTabScene = 5, kTabOption = 6 };

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
// menu is closed. A press is theirs only on the spinner's arrows; a release on
// the arrows is the spinner's (the caller plays its click), a release on the
// strip opens the menu. True when the click was theirs.
bool menuClosedMouseDown(int x, int y);
bool cameraSpinnerMouseUp(int x, int y);
bool menuStripMouseUp(int x, int y);

// The scene-name entry box: while it is open every key goes to it.
bool sceneNameBoxOpen();
void sceneNameBoxKey(int virtualKey);

// Scene presets: "Data/scene.ini", written whenever the list changes and when
// Escape is pressed (changes another running program made to the file stay).
void saveScenePresets();
// 0 for an empty name or one over 255 characters, -1 when all 100 slots are
// used, otherwise the slot number + 1 of the new preset (made from the
// current state); the file is written and the widgets are rebuilt so the
// list shows it.
int addScenePreset(const char* name);

// Reads "Data/3d_eject.ini", rebuilds the widgets and reloads the scene
// presets (start-up and the reload key); scenes not yet written are saved
// first, and kept in the list when they cannot be.
bool readSettingsAndScenes();
