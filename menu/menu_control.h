// The menu's widgets in one record and the GL-free behaviour of the menu:
// opening and closing, the slide, mouse routing to the current tab, the
// scene presets' actions. Times are passed in (ms of the program's clock),
// so the program's callers and the tests drive the menu alike.
#pragma once

#include <cstdint>

#include "menu/control_page.h"
#include "menu/menu.h"
#include "menu/widgets.h"

struct ScenePreset;

// TGA images of the widgets (load order of the TGA set).
enum MenuImage {
    kImageMenuBack3 = 20,   // "Data/bk3.tga"
    kImageLeftArrow = 21,
    kImageRightArrow = 22,
    kImageLeftArrowBack = 23,
    kImageRightArrowBack = 24,
    kImageButton = 25,      // "Data/btn.tga"
    kImageButtonHover = 26, // "Data/btn2.tga"
    kImageScrollThumb = 29, // "Data/sl_tab.tga"
    kImageScrollTrack = 30, // "Data/sl_bk.tga"
    kImageMenuBack1 = 31,   // "Data/bk1.tga"
    kImageDialogBack = 32,  // "Data/f18.tga"
    kImageToggleOn = 33,
    kImageToggleOff = 34,
};

constexpr int kOptionToggleCount = 5;  // sound, trees, buildings, sky, fighter
constexpr Rect kTabStrip = {140, 15, 602, 45};
constexpr int kTabCellWidth = 77;

struct MenuWidgets {
    ValueSpinner control[kControlSpinnerCount];
    ToggleBox controlToggles[kControlToggleCount];  // "Apply G on Fighter"
    ToggleBox options[kOptionToggleCount];
    ImageButton openStrip, closeStrip;
    ImageButton aboutLeft, aboutRight, keymapLeft, keymapRight;
    ImageButton defaults, load, remove, save;
    ScrollBar sceneScroll;
    bool sceneScrollBuilt = false;
    NameList sceneList;
    TextDialog sceneNameBox;
    ValueSpinner cameraMode;
};

extern MenuWidgets menuWidgets;

// What a mouse event leaves for the caller: the shell owns the GL context
// the photographs and the projection need.
struct MenuEffects {
    bool loadPhotoSet = false;  // a click on the ABOUT page
    bool sceneApplied = false;  // a preset was loaded: projection and model follow
    // The page may have edited the set airspeed or the fighter altitude: the
    // HUD's copies of them follow, as after every key.
    bool hudCopies = false;
};

// Start-up state: closed on CONTROL, dialog created, backdrop chosen,
// widgets built.
void initMenuDefaults();

void openMenuAt(uint32_t nowMs);
void closeMenuAt(uint32_t nowMs);
// The panel's right edge for the slide at nowMs (0 to 800).
int menuEdgeAt(const MenuState& m, uint32_t nowMs);

// Mouse routing while the menu is open (top-left-origin virtual screen).
MenuEffects menuMouseDownAt(int x, int y, uint32_t nowMs);
MenuEffects menuMouseUpAt(int x, int y, uint32_t nowMs);
void menuMouseMoveAt(int x, int y);
// The camera-mode spinner in the HUD box and the MENU strip take clicks while the
// menu is closed. A press is theirs only on the spinner's arrows; a release on
// the arrows is the spinner's (the caller plays its click), a release on the
// strip opens the menu. True when the click was theirs.
bool menuClosedMouseDownAt(int x, int y, uint32_t nowMs);
bool cameraSpinnerMouseUpAt(int x, int y, uint32_t nowMs);
bool menuStripMouseUpAt(int x, int y, uint32_t nowMs);

// Each frame the page is shown: the current tab's spinners run and write their
// parameters, toggles write their switches, the derived values follow. True
// while a spinner's arrow is held (its value runs: the HUD's copies follow).
bool menuPageTick(uint32_t nowMs);
// Each frame while the menu is closed: the camera-mode spinner, while an
// arrow is held.
void cameraSpinnerTick(uint32_t nowMs);

// Gives the preset's values back to the records, recomputes what depends on
// them and rebuilds the widgets (the caller refreshes the HUD's copies).
void applyScenePreset(ScenePreset* preset);
