// The menu's behaviour without drawing: building the widgets from their
// targets, opening and closing, and routing the mouse to the current tab.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/orbit_camera.h"
#include "menu/graph_plots.h"
#include "menu/menu_control.h"
#include "menu/program_settings.h"
#include "menu/scene_presets.h"
#include "menu/scene_snapshot.h"
#include "render/body_state.h"
#include "render/fighter_pose.h"
#include "render/poly_model.h"
#include "render/scene_switches.h"
#include "sim/playback.h"
#include "sim/simulation.h"
#include "sim/units.h"
#include "sound/sound_events.h"
#include "sound/sound_requests.h"

MenuState menu;
MenuWidgets menuWidgets;

namespace {

MenuWidgets& W = menuWidgets;

constexpr int kToggleSize = 30;
constexpr int kOptionToggleX = 192;
constexpr int kOptionToggleTop[kOptionToggleCount] = {242, 277, 312, 347, 382};

// The CONTROL page's spinners and toggles, bound to their parameters.
void buildControlWidgets(Simulation& sim) {
    const ParamRecords records = {&sim.params, &sim.attitude, &sim.fighterPosition};
    int spinner = 0, toggle = 0;
    for (const SimParameter& row : kSimParameters) {
        const ControlRow& c = row.control;
        const ParamTarget target = paramTarget(row, records);
        if (hasToggle(row)) {
            setupToggle(W.controlToggles[toggle++], c.left, c.top, kControlToggleSize, kControlToggleSize, target.b);
            continue;
        }
        if (!hasSpinner(row)) continue;
        ValueSpinner& s = W.control[spinner++];
        const double min = c.minIsPackageWeight ? totalMass(sim.params) * kLbPerKg : c.min;
        if (target.f)
            setupSpinner(s, c.left, c.top, kControlSpinnerWidth, kControlSpinnerHeight, target.f, (float)min,
                         (float)c.max, c.step);
        else
            setupSpinner(s, c.left, c.top, kControlSpinnerWidth, kControlSpinnerHeight, target.d, min, c.max,
                         c.step);
        // The spinner edits an angle between its limits (the seat back's -45
        // to 45); one kept as 350 is the same as -10 and must not be pulled
        // to 45.
        if (c.show == ParamShow::Angle && target.f) {
            const float angle = angleForSpinner(*target.f);
            s.valueFloat = angle < s.minFloat ? s.minFloat : (angle > s.maxFloat ? s.maxFloat : angle);
        }
    }
}

void fillSceneList() {
    NameList& l = W.sceneList;
    setupNameList(l, 200, 150, 600, 350, 20);
    nameListClear(l);
    for (ScenePreset* p = scenePresetTable.head; p; p = p->next) nameListAdd(l, p->name, p);
}

void letGoOfEverything() {
    for (ValueSpinner& s : W.control) spinnerLetGo(s);
    spinnerLetGo(W.cameraMode);
    scrollRelease(W.sceneScroll);
}

int clampPage(int page, int last) { return page < 1 ? 1 : (page > last ? last : page); }

void runGraphSimulation(uint32_t nowMs) {
    startEjection(simulation, true, nowMs, std::rand() % 32768);
    // Analysed now: opening the menu resets the run's records right after.
    analyseGraphRun(simulation);
}

// The edited parameters take effect: derived values, the attitude brought
// into range and the fighter model posed for it (and for the seat-back angle).
void refreshSimulationState() { attitudeChanged(simulation, polyModel); }

void releaseOnScenePage(int x, int y, uint32_t nowMs, MenuEffects& effects) {
    nameListSelect(W.sceneList, x, y, W.sceneScroll.value);
    if (buttonHit(W.load, x, y)) {
        auto* preset = static_cast<ScenePreset*>(nameListSelectedRecord(W.sceneList));
        if (preset && preset->inUse) {
            applyScenePreset(preset);
            effects.sceneApplied = true;
            closeMenuAt(nowMs);
        }
    } else if (buttonHit(W.remove, x, y)) {
        auto* preset = static_cast<ScenePreset*>(nameListSelectedRecord(W.sceneList));
        if (preset && preset->inUse) {
            deleteScenePreset(scenePresetTable, preset);
            saveScenePresets();  // at once: no way of ending the program loses the change
            buildMenuWidgets();
        }
    } else if (buttonHit(W.save, x, y)) {
        if (freePresetSlot(scenePresetTable) >= 0) {
            dialogClearText(W.sceneNameBox);
            dialogOpen(W.sceneNameBox);
        }
    }
}

}  // namespace

void buildMenuWidgets() {
    const SimParams& p = simulation.params;
    buildControlWidgets(simulation);
    bool* switches[kOptionToggleCount] = {&soundOn, &sceneSwitches.trees, &sceneSwitches.buildings,
                                          &sceneSwitches.sky, &sceneSwitches.fighter};
    for (int k = 0; k < kOptionToggleCount; ++k)
        setupToggle(W.options[k], kOptionToggleX, kOptionToggleTop[k], kToggleSize, kToggleSize, switches[k],
                    k != 0 || soundAvailable);

    setupButton(W.openStrip, 0, 0, 37, 103);
    setupButton(W.closeStrip, 758, 2, 799, 109);
    setupButton(W.aboutLeft, 10, 14, 45, 39, kImageLeftArrow, kImageLeftArrowBack);
    setupButton(W.aboutRight, 50, 14, 85, 39, kImageRightArrow, kImageRightArrowBack);
    W.keymapLeft = W.aboutLeft;
    W.keymapRight = W.aboutRight;
    setupButton(W.defaults, 60, 522, 175, 555, kImageButtonHover, kImageButton);
    setupButton(W.load, 229, 422, 344, 455, kImageButtonHover, kImageButton);
    setupButton(W.remove, 409, 422, 524, 455, kImageButtonHover, kImageButton);
    setupButton(W.save, 529, 422, 644, 455, kImageButtonHover, kImageButton);

    // The scroll bar keeps its thumb across rebuilds.
    if (!W.sceneScrollBuilt) {
        setupScrollBar(W.sceneScroll, 600, 150, 625, 350, 15);
        W.sceneScrollBuilt = true;
    }
    fillSceneList();

    setupSpinner(W.cameraMode, 666, 545, 24, 17, &camera.cameraMode, kCameraModeMin, kCameraModeMax, 1.0f);

    // The parachutes' open areas follow their diameters.
    refreshParachuteModel(simulation.mainChute, p.mainChuteDiameterM, p.mainChuteCd);
    refreshParachuteModel(simulation.drogue, p.drogueDiameterM, p.drogueCd);
}

void initMenuDefaults() {
    setupDialog(W.sceneNameBox, {180, 190, 591, 450}, {200, 205, 571, 250}, "Enter Scene Name:", kImageDialogBack,
                kImageButtonHover, kImageButton);
    dialogClose(W.sceneNameBox);
    dialogClearText(W.sceneNameBox);
    menu = MenuState();
    menu.menuBackground = std::rand() % 2 ? kImageMenuBack1 : kImageMenuBack3;
    W.sceneScrollBuilt = false;
    W.sceneList.selected = 0;
    letGoOfEverything();
    buildMenuWidgets();
}

void openMenuAt(uint32_t nowMs) {
    requestSound(SoundCue::click);
    if (menu.tabCell + 1 == kTabGraph) runGraphSimulation(nowMs);
    menu.menuEventTime = nowMs;
    resetScene(simulation, nowMs);
    buildMenuWidgets();
    menu.currentTab = menu.tabCell + 1;
    menu.menuBackground = std::rand() % 2 ? kImageMenuBack1 : kImageMenuBack3;
    menu.menuOpen = true;
}

void closeMenuAt(uint32_t nowMs) {
    requestSound(SoundCue::click);
    menu.menuEventTime = nowMs;
    menu.menuOpen = false;
    // Closed with the button still down (Space, Escape): the release will not
    // reach the page, so no arrow or thumb may stay held for the next opening.
    letGoOfEverything();
    refreshSimulationState();
}

int menuEdgeAt(const MenuState& m, uint32_t nowMs) {
    double s = (double)(uint32_t)(nowMs - m.menuEventTime) / 1000.0;
    double edge = m.menuOpen ? 7900.0 * s * s : 800.0 - (15.0 * s * s + 2300.0 * s);
    if (edge < 0.0) return 0;
    if (edge > 800.0) return 800;
    return (int)edge;
}

MenuEffects menuMouseDownAt(int x, int y, uint32_t nowMs) {
    MenuEffects effects;
    if (!menu.menuOpen || W.sceneNameBox.open) return effects;
    switch (menu.currentTab) {
        case kTabControl:
            for (ValueSpinner& s : W.control) spinnerPress(s, x, y, nowMs);
            for (ToggleBox& t : W.controlToggles) togglePress(t, x, y);
            break;
        case kTabScene:
            scrollPress(W.sceneScroll, x, y);
            break;
        case kTabOption:
            for (ToggleBox& t : W.options) togglePress(t, x, y);
            break;
        default:
            break;
    }
    return effects;
}

MenuEffects menuMouseUpAt(int x, int y, uint32_t nowMs) {
    MenuEffects effects;
    if (!menu.menuOpen) return effects;
    // Whatever the release did, the HUD's copies follow the records.
    effects.hudCopies = true;
    // While the name box is open only its buttons act.
    if (W.sceneNameBox.open) {
        int answer = dialogClicked(W.sceneNameBox, x, y);
        if (answer == 1) {
            addScenePreset(W.sceneNameBox.text);
            buildMenuWidgets();
        } else if (answer == 0) {
            requestSound(SoundCue::click);
        }
        letGoOfEverything();
        return effects;
    }
    buildMenuWidgets();
    if (buttonHit(W.closeStrip, x, y)) {
        closeMenuAt(nowMs);
        letGoOfEverything();
        return effects;
    }
    if (inside(kTabStrip, x, y)) {
        int cell = (x - kTabStrip.left) / kTabCellWidth;
        menu.tabCell = cell < 0 ? 0 : (cell > 5 ? 5 : cell);
        menu.currentTab = menu.tabCell + 1;
    }
    switch (menu.currentTab) {
        case kTabAbout:
            effects.loadPhotoSet = true;
            if (buttonHit(W.aboutLeft, x, y)) menu.aboutPage = clampPage(menu.aboutPage - 1, 8);
            if (buttonHit(W.aboutRight, x, y)) menu.aboutPage = clampPage(menu.aboutPage + 1, 8);
            break;
        case kTabKeymap:
            if (buttonHit(W.keymapLeft, x, y)) menu.keymapPage = clampPage(menu.keymapPage - 1, 2);
            if (buttonHit(W.keymapRight, x, y)) menu.keymapPage = clampPage(menu.keymapPage + 1, 2);
            break;
        case kTabControl:
            if (buttonHit(W.defaults, x, y)) {
                applyControlDefaults(simulation);
                buildMenuWidgets();
            }
            for (ToggleBox& t : W.controlToggles) toggleRelease(t, x, y);
            for (ValueSpinner& s : W.control) spinnerRelease(s, x, y, nowMs);
            break;
        case kTabGraph:
            runGraphSimulation(nowMs);
            break;
        case kTabScene:
            releaseOnScenePage(x, y, nowMs, effects);
            break;
        case kTabOption:
            for (ToggleBox& t : W.options) toggleRelease(t, x, y);
            break;
        default:
            break;
    }
    letGoOfEverything();
    return effects;
}

void menuMouseMoveAt(int x, int y) {
    if (!menu.menuOpen) return;
    scrollDrag(W.sceneScroll, x, y);
}

bool menuClosedMouseDownAt(int x, int y, uint32_t nowMs) {
    if (menu.menuOpen) return false;
    int hit = spinnerHitTest(W.cameraMode, x, y);
    if (hit != kSpinnerDecrement && hit != kSpinnerIncrement) return false;
    spinnerPress(W.cameraMode, x, y, nowMs);
    return true;
}

bool cameraSpinnerMouseUpAt(int x, int y, uint32_t nowMs) {
    if (menu.menuOpen) return false;
    int hit = spinnerHitTest(W.cameraMode, x, y);
    if (hit == kSpinnerDecrement || hit == kSpinnerIncrement) {
        spinnerRelease(W.cameraMode, x, y, nowMs);
        return true;
    }
    spinnerLetGo(W.cameraMode);
    return false;
}

bool menuStripMouseUpAt(int x, int y, uint32_t nowMs) {
    if (menu.menuOpen || !buttonHit(W.openStrip, x, y)) return false;
    openMenuAt(nowMs);
    return true;
}

bool menuPageTick(uint32_t nowMs) {
    switch (menu.currentTab) {
        case kTabControl: {
            bool held = false;
            for (ValueSpinner& s : W.control) {
                held = held || spinnerHeld(s);
                spinnerTick(s, nowMs);
            }
            for (ToggleBox& t : W.controlToggles) toggleTick(t);
            deriveCatapult(simulation);
            return held;
        }
        case kTabOption:
            for (ToggleBox& t : W.options) toggleTick(t);
            return false;
        default:
            return false;
    }
}

// The spinner writes the mode only while an arrow is held (and at the click):
// a mode outside its range that a scene preset set (7) stays until the user
// works the arrows.
void cameraSpinnerTick(uint32_t nowMs) {
    if (spinnerHeld(W.cameraMode)) spinnerTick(W.cameraMode, nowMs);
}

// ---- scene presets ----------------------------------------------------------------

void applyScenePreset(ScenePreset* preset) {
    if (!preset || !preset->inUse) return;
    applySceneValues(programSceneRecords(), preset->values, preset->valueCount);
    refreshSimulationState();
    // The camera follows its angles: the look target from yaw and pitch, the
    // orbit cameras' eyes and centres from their distances and angles.
    computeLookTarget(camera);
    const CameraScene scene = cameraSceneFor(simulation, bodyState, polyModel);
    const OrbitMouse still;
    updateOrbitFighter(camera, still, scene);
    updateOrbitPilot(camera, still, scene);
    buildMenuWidgets();
}

int addScenePreset(const char* name) {
    float values[SceneValue::count];
    captureSceneValues(programSceneRecords(), values);
    size_t length = name ? std::strlen(name) : 0;
    if (length == 0 || length > (size_t)kMaxPresetNameLength) return 0;
    ScenePreset* p = insertScenePreset(scenePresetTable, name, values, SceneValue::count);
    if (!p) return -1;
    const int slot = p->slot;
    // Written at once, so that closing the window, a signal or the reload key
    // cannot lose it; the list then shows the file.
    saveScenePresets();
    buildMenuWidgets();
    return slot + 1;
}

void saveScenePresets() { saveScenePresetsNow(); }

bool sceneNameBoxOpen() { return W.sceneNameBox.open; }
void sceneNameBoxKey(int virtualKey) { dialogTypeKey(W.sceneNameBox, virtualKey); }

bool readSettingsAndScenes() {
    bool read = readSettings();
    reloadScenePresets();
    // The toggles show the new switches, the list the presets.
    buildMenuWidgets();
    return read;
}
