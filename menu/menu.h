// The sliding menu's state and what the rest of the program asks of it; the
// menu's behaviour, driven by the keyboard, the mouse and the frame with the
// time passed in, is in menu/menu_control.h.
#pragma once

#include <cstdint>
#include <ctime>

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

// Where the pointer is on the virtual screen (top-left origin): the widgets
// under it light up.
struct MenuPointer {
    int x = 0, y = 0;
};

// Drawing (screen-space mode already entered by the overlay), from what the
// frame's update steps left in the records: the open panel with its backdrop,
// clock and current page at menuEdgeX; while closed, the MENU strip and the
// camera-mode spinner.
void drawMenuPanel(const MenuPointer& pointer, const std::tm& localTime);
void drawMenuStrip(const MenuPointer& pointer);

// Rebuilds every widget from the value it edits (buildMenuWidgets).
void buildMenuWidgets();
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
