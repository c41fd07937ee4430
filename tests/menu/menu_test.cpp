// The menu driven as the mouse drives it: the slide, tabs, CONTROL spinners
// and DEFAULT, the OPTION toggles, the page arrows, and the SCENE page with
// its name box, down to a preset that goes through the file and back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "camera/camera_state.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/mouse_commands.h"
#include "menu/menu_control.h"
#include "menu/scene_presets.h"
#include "menu/scene_snapshot.h"
#include "overlay/overlay_state.h"
#include "overlay/overlay_update.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sim/units.h"
#include "sound/sound_events.h"
#include "temp_files.h"

namespace {

using V = SceneValue;

// A parameter's place in a preset's values (sim/parameter_table.h); a name
// the table does not have stops the build.
constexpr int valueOf(const char* name, int copy = 0) {
    return sceneValueIndex(name, copy) >= 0 ? sceneValueIndex(name, copy) : throw "no such parameter";
}

struct Menu : ::testing::Test {
    uint32_t now = 100000;

    void SetUp() override {
        setDefaults(simulation);
        setCameraDefaults(camera);
        setSceneSwitchDefaults(sceneSwitches);
        camera.fieldOfView = 50.0f;
        soundAvailable = true;
        soundOn = true;
        clearScenePresets(scenePresetTable);
        scenePresetTable.fileProblem[0] = '\0';
        // Every change of the list is written at once: to a file of this test's own.
        static int files = 0;
        presetFile = tempPath(("menu-scenes-" + std::to_string(++files) + ".ini").c_str());
        std::remove(presetFile.c_str());
        scenePresetPath = presetFile.c_str();
        initMenuDefaults();
    }
    void TearDown() override { scenePresetPath = kScenePresetPath; }
    std::string presetFile;

    void open() {
        openMenuAt(now);
        now += 400;  // fully open
    }
    void click(int x, int y) {
        menuMouseDownAt(x, y, now);
        now += 60;
        menuMouseUpAt(x, y, now);
        now += 200;
    }
    void tick() {
        menuPageTick(now);
        now += 16;
    }
    void chooseTab(int tab) { click(kTabStrip.left + kTabCellWidth * (tab - 1) + 30, 30); }
    // The centre of an arrow of a CONTROL spinner.
    void clickSpinner(int index, bool up) {
        const ValueSpinner& s = menuWidgets.control[index];
        const Rect& r = up ? s.increment : s.decrement;
        click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void type(const char* text) {
        for (const char* c = text; *c; ++c) sceneNameBoxKey(*c);
    }
};

TEST_F(Menu, SlidesInAndOut) {
    openMenuAt(now);
    EXPECT_TRUE(menu.menuOpen);
    EXPECT_EQ(menu.currentTab, kTabControl) << "the first opening shows CONTROL";
    EXPECT_EQ(menuEdgeAt(menu, now), 0);
    EXPECT_EQ(menuEdgeAt(menu, now + 100), 79);
    EXPECT_LT(menuEdgeAt(menu, now + 300), 800);
    EXPECT_EQ(menuEdgeAt(menu, now + 320), 800);
    EXPECT_EQ(menuEdgeAt(menu, now + 60000), 800);
    closeMenuAt(now + 1000);
    EXPECT_FALSE(menu.menuOpen);
    EXPECT_EQ(menuEdgeAt(menu, now + 1000), 800);
    EXPECT_EQ(menuEdgeAt(menu, now + 1100), 569);  // 800 - (15 s^2 + 2300 s) at 0.1 s
    EXPECT_EQ(menuEdgeAt(menu, now + 1400), 0);
}

TEST_F(Menu, TabStripChoosesThePageAndTheTabIsKept) {
    open();
    chooseTab(kTabScene);
    EXPECT_EQ(menu.currentTab, kTabScene);
    click(790, 50);  // the EXIT strip
    EXPECT_FALSE(menu.menuOpen);
    open();
    EXPECT_EQ(menu.currentTab, kTabScene);
    click(601, 30);  // the right end of the strip is the last cell
    EXPECT_EQ(menu.currentTab, kTabOption);
}

TEST_F(Menu, ControlSpinnersEditTheirParametersEvenWhileTheMenuSlides) {
    openMenuAt(now);
    now += 50;  // still sliding: clicks already reach the page
    const float cg = simulation.params.cgOffsetZ;
    const double countdown = simulation.params.countdownS;
    clickSpinner(0, false);
    EXPECT_FLOAT_EQ(simulation.params.cgOffsetZ, cg - 0.01f);
    clickSpinner(21, true);  // initial airspeed, step 50
    clickSpinner(21, true);
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, 100.0f);
    clickSpinner(19, true);  // the count-down is double precision
    EXPECT_EQ(simulation.params.countdownS, countdown + (double)0.05f);
    tick();
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, 100.0f) << "the page writes what the spinners hold";
}

// The menu only says an edit happened; the mouse commands and the overlay's
// update step, which run it in the program, refresh the HUD's copies.
TEST_F(Menu, EditsRefreshTheHudCopiesAsKeysDo) {
    setOverlayDefaults(overlay, simulation);
    setInputDefaults(input);
    InputRecords r = processInputRecords();
    auto mouseClick = [&](int x, int y) {
        setCursor(input, x, y);
        leftPressed(now, r);
        now += 60;
        leftReleased(now, r);
        now += 200;
    };
    open();
    const ValueSpinner& tas = menuWidgets.control[21];
    mouseClick((tas.increment.left + tas.increment.right) / 2, (tas.increment.top + tas.increment.bottom) / 2);
    EXPECT_FLOAT_EQ(overlay.shownSpeedKt, 50.0f) << "a click on the initial airspeed's arrow";

    setCursor(input, tas.increment.left + 2, tas.increment.top + 2);
    leftPressed(now, r);
    OverlayInputs shown;
    for (int frame = 0; frame < 20; ++frame) {  // held: the value runs
        updateOverlay(overlay, shown, now);
        now += 16;
    }
    EXPECT_GT(simulation.params.initialTasKt, 50.0f);
    EXPECT_FLOAT_EQ(overlay.shownSpeedKt, simulation.params.initialTasKt) << "the copy follows while the arrow is held";
    setCursor(input, 0, 599);
    leftReleased(now, r);

    float values[V::count];
    captureSceneValues(programSceneRecords(), values);
    values[valueOf("fighterAltitudeM")] = 6000.0f;
    values[valueOf("initialTasKt")] = 250.0f;
    insertScenePreset(scenePresetTable, "high", values, V::count);
    buildMenuWidgets();
    chooseTab(kTabScene);
    mouseClick(300, 155);  // first row
    mouseClick(250, 440);  // LOAD
    EXPECT_FALSE(menu.menuOpen);
    EXPECT_EQ(overlay.keyAltitudeM, 6000.0) << "KEAS is read at the loaded altitude";
    EXPECT_FLOAT_EQ(overlay.shownSpeedKt, 250.0f);
}

TEST_F(Menu, ClosingWithTheButtonDownLeavesNothingHeld) {
    open();
    const ValueSpinner& tas = menuWidgets.control[21];
    menuMouseDownAt(tas.increment.left + 2, tas.increment.top + 2, now);
    closeMenuAt(now += 50);  // Space while the arrow is held
    cameraSpinnerMouseUpAt(400, 300, now += 50);
    const float airspeed = simulation.params.initialTasKt;
    open();
    for (int frame = 0; frame < 30; ++frame) tick();
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, airspeed) << "the arrow ran on by itself";
}

TEST_F(Menu, CatapultThrustStopsAtThePackageWeight) {
    open();
    simulation.params.catapultThrustLb = 520.0f;
    buildMenuWidgets();
    clickSpinner(kCatapultThrustSpinner, false);
    float weightLb = (float)(totalMass(simulation.params) * kLbPerKg);
    EXPECT_FLOAT_EQ(simulation.params.catapultThrustLb, weightLb);
}

TEST_F(Menu, SeatBackBelowZeroStaysBelowZero) {
    open();
    simulation.params.seatBackAngleDeg = 0.0f;
    buildMenuWidgets();
    clickSpinner(kSeatBackSpinner, false);
    EXPECT_FLOAT_EQ(simulation.params.seatBackAngleDeg, -0.5f);
    normalizeAttitude(simulation.attitude, simulation.fighterPosition, simulation.params);  // stored as 359.5
    clickSpinner(kSeatBackSpinner, false);
    EXPECT_FLOAT_EQ(simulation.params.seatBackAngleDeg, -1.0f) << "not pulled up to 45";
}

TEST_F(Menu, DefaultSetsTheSeatValuesAndKeepsThePilots) {
    open();
    SimParams& p = simulation.params;
    p.pilotMassKg = 90.0f;
    p.countdownS = 2.0;
    p.initialTasKt = 300.0f;
    p.applyGOnFighter = true;
    p.rocketThrustLb = 100.0f;
    p.canopyDelayS = 1.0;
    click(100, 540);
    EXPECT_FLOAT_EQ(p.rocketThrustLb, 4800.0f);
    EXPECT_FLOAT_EQ(p.catapultThrustLb, 9000.0f);
    EXPECT_FLOAT_EQ(p.canopyRocketBurnTimeS, 0.135f);
    EXPECT_EQ(p.canopyDelayS, 0.25);
    EXPECT_FLOAT_EQ(p.pilotMassKg, 90.0f);
    EXPECT_EQ(p.countdownS, 2.0);
    EXPECT_FLOAT_EQ(p.initialTasKt, 300.0f);
    EXPECT_TRUE(p.applyGOnFighter);
}

TEST_F(Menu, ApplyGAndOptionToggles) {
    open();
    click(530, 440);
    tick();
    EXPECT_TRUE(simulation.params.applyGOnFighter);
    chooseTab(kTabOption);
    click(200, 290);  // TREES
    click(200, 360);  // SKY
    tick();
    EXPECT_FALSE(sceneSwitches.trees);
    EXPECT_FALSE(sceneSwitches.sky);
    EXPECT_TRUE(sceneSwitches.fighter);
    click(200, 250);  // SOUND
    tick();
    EXPECT_FALSE(soundOn);
}

TEST_F(Menu, SoundToggleIsOffWhileSoundIsUnavailable) {
    soundAvailable = false;
    soundOn = true;
    open();
    chooseTab(kTabOption);
    EXPECT_FALSE(soundOn);
    click(200, 250);
    tick();
    EXPECT_FALSE(soundOn);
}

TEST_F(Menu, PageArrowsStayWithinTheirPages) {
    open();
    chooseTab(kTabAbout);
    click(20, 20);
    EXPECT_EQ(menu.aboutPage, 1);
    for (int k = 0; k < 10; ++k) click(60, 20);
    EXPECT_EQ(menu.aboutPage, 8);
    menuMouseDownAt(60, 20, now);
    EXPECT_TRUE(menuMouseUpAt(60, 20, now).loadPhotoSet) << "clicks on ABOUT load the pictures";
    chooseTab(kTabKeymap);
    click(60, 20);
    click(60, 20);
    EXPECT_EQ(menu.keymapPage, 2);
    click(20, 20);
    EXPECT_EQ(menu.keymapPage, 1);
    EXPECT_EQ(menu.aboutPage, 8);
}

TEST_F(Menu, CameraModeSpinnerWhileClosed) {
    EXPECT_TRUE(menuClosedMouseDownAt(700, 550, now));
    EXPECT_TRUE(cameraSpinnerMouseUpAt(700, 550, now + 40));
    EXPECT_FALSE(menuStripMouseUpAt(700, 550, now + 40));
    EXPECT_EQ(camera.cameraMode, 1);
    EXPECT_FALSE(menuClosedMouseDownAt(400, 300, now));
    EXPECT_FALSE(cameraSpinnerMouseUpAt(400, 300, now));
    EXPECT_FALSE(menuStripMouseUpAt(400, 300, now));
    EXPECT_FALSE(cameraSpinnerMouseUpAt(10, 50, now));
    EXPECT_TRUE(menuStripMouseUpAt(10, 50, now)) << "the MENU strip opens the menu";
    EXPECT_TRUE(menu.menuOpen);
}

TEST_F(Menu, CameraModeOnlyAPresetCanHoldStaysUntilTheSpinnerIsWorked) {
    float values[V::count];
    captureSceneValues(programSceneRecords(), values);
    values[V::cameraMode] = 7.0f;
    applyScenePreset(insertScenePreset(scenePresetTable, "preset view", values, V::count));
    for (int frame = 0; frame < 3; ++frame) cameraSpinnerTick(now += 16);
    EXPECT_EQ(camera.cameraMode, 7) << "the closed menu's spinner must not pull the mode into its range";

    menuClosedMouseDownAt(680, 550, now);  // the down arrow: from the top of its range
    cameraSpinnerMouseUpAt(680, 550, now + 40);
    EXPECT_EQ(camera.cameraMode, 5);

    menuClosedMouseDownAt(700, 550, now += 100);  // held: the mode runs up to its limit
    for (int frame = 0; frame < 10; ++frame) cameraSpinnerTick(now += 100);
    EXPECT_EQ(camera.cameraMode, 6);
    cameraSpinnerMouseUpAt(400, 300, now);
}

TEST_F(Menu, SaveThroughTheNameBoxThenLoadAndDelete) {
    open();
    chooseTab(kTabScene);
    click(580, 440);  // SAVE
    ASSERT_TRUE(sceneNameBoxOpen());
    type("OLD");
    click(790, 50);  // EXIT does nothing while the box is open
    EXPECT_TRUE(menu.menuOpen);
    click(500, 400);  // CANCEL
    EXPECT_FALSE(sceneNameBoxOpen());
    EXPECT_EQ(scenePresetTable.head, nullptr);

    simulation.params.initialTasKt = 450.0f;
    click(580, 440);
    EXPECT_EQ(menuWidgets.sceneNameBox.length, 0) << "SAVE clears the text";
    type("HIGH SPEED");
    click(250, 400);  // OK
    ASSERT_NE(scenePresetTable.head, nullptr);
    EXPECT_STREQ(scenePresetTable.head->name, "HIGH SPEED");
    EXPECT_EQ(scenePresetTable.head->valueCount, 70);
    EXPECT_EQ(menuWidgets.sceneList.count, 1);
    EXPECT_NE(readText(presetFile).find("\n[Name]:HIGH SPEED\n"), std::string::npos) << "OK writes the file at once";

    simulation.params.initialTasKt = 0.0f;
    click(300, 155);  // first row
    click(250, 440);  // LOAD
    EXPECT_FALSE(menu.menuOpen) << "LOAD closes the menu";
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, 450.0f);

    open();
    click(300, 155);
    click(450, 440);  // DELETE
    EXPECT_EQ(scenePresetTable.head, nullptr);
    EXPECT_EQ(menuWidgets.sceneList.count, 0);
    EXPECT_EQ(readText(presetFile), "") << "DELETE writes the file at once";
}

TEST_F(Menu, FullTableDoesNotOpenTheNameBox) {
    float v[1] = {0};
    for (int k = 0; k < kMaxScenePresets; ++k) insertScenePreset(scenePresetTable, "scene", v, 1);
    EXPECT_EQ(addScenePreset("one more"), -1);
    EXPECT_EQ(addScenePreset(""), 0);
    open();
    chooseTab(kTabScene);
    click(580, 440);
    EXPECT_FALSE(sceneNameBoxOpen());
}

TEST_F(Menu, PresetWithSoundOnLeavesSoundOffWhenUnavailable) {
    ASSERT_GT(addScenePreset("with sound"), 0);
    EXPECT_EQ(scenePresetTable.head->values[V::soundOn], 1.0f);
    soundAvailable = false;
    soundOn = false;
    applyScenePreset(scenePresetTable.head);
    EXPECT_FALSE(soundOn);
}

TEST_F(Menu, StarterScenesLoad) {
    std::string path = starterSceneFile();
    ASSERT_TRUE(fileExists(path));
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), scenePresetTable), 1);
    buildMenuWidgets();
    ScenePreset* mode4 = nullptr;
    for (int k = 0; k < menuWidgets.sceneList.count; ++k)
        if (std::strcmp(menuWidgets.sceneList.entries[k].name, "Mode 4 ejection 4000 m") == 0)
            mode4 = static_cast<ScenePreset*>(menuWidgets.sceneList.entries[k].record);
    ASSERT_NE(mode4, nullptr) << "the starter scene is not in the SCENE list";
    applyScenePreset(mode4);
    EXPECT_EQ(simulation.fighterPosition.altitude, 4000.0);
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, 300.0f);
    EXPECT_EQ(camera.cameraMode, kCameraOrbitPilot);
    EXPECT_GE(camera.pilotOrbit.eye.z, 4000.0f - camera.pilotOrbit.distance);
}

TEST_F(Menu, ShortPresetLeavesTheValuesItDoesNotHold) {
    float v[3] = {-1.0f, 10.0f, 200.0f};
    ScenePreset* p = insertScenePreset(scenePresetTable, "short", v, 3);
    applyScenePreset(p);
    EXPECT_FLOAT_EQ(simulation.params.cgOffsetZ, -1.0f);
    EXPECT_FLOAT_EQ(simulation.params.catapultOnsetRate, 200.0f);
    EXPECT_FLOAT_EQ(simulation.params.seatMassKg, 103.42f);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 50.0f);
}

// Distinct values a preset can hold exactly in its file ("%3.3f") and that
// lie inside the CONTROL ranges, so rebuilding the widgets keeps them.
void distinctValues(float* v) {
    const float control[24] = {-1.25f, 12.5f,  110.5f, 130.25f, 15.5f,  8800.0f, 4700.0f, 1650.0f,
                               105.5f, 80.25f, 33.5f,  77.5f,   1.625f, 1.375f,  1.125f,  6.25f,
                               0.875f, 0.375f, 0.125f, 2.5f,    3.0f,   250.5f,  87.5f,   0.75f};
    for (int k = 0; k < V::count; ++k) v[k] = k < 24 ? control[k] : 1.0f + (float)k * 0.125f;
    v[valueOf("headingDeg")] = v[valueOf("headingDeg", 1)] = 90.5f;
    v[valueOf("pitchDeg")] = v[valueOf("pitchDeg", 1)] = 10.25f;
    v[valueOf("rollDeg")] = v[valueOf("rollDeg", 1)] = 350.0f;
    v[valueOf("fighterPositionX")] = v[valueOf("fighterPositionX", 1)] = -1200.5f;
    v[valueOf("fighterPositionY")] = v[valueOf("fighterPositionY", 1)] = 3400.25f;
    v[valueOf("fighterAltitudeM")] = 4000.0f;
    v[V::watchFollow] = 1.0f;
    v[V::cameraMode] = 4.0f;
    v[V::cameraYaw] = 311.0f;
    v[V::cameraPitch] = -12.5f;
    for (int k = V::soundOn; k <= V::fighterOn; ++k) v[k] = (k % 2) ? 1.0f : 0.0f;
    v[V::fieldOfView] = 35.5f;
}

TEST_F(Menu, EveryPresetValueGoesThroughTheFileAndBack) {
    float crafted[V::count];
    distinctValues(crafted);
    applyScenePreset(insertScenePreset(scenePresetTable, "crafted", crafted, V::count));
    float before[V::count];
    captureSceneValues(programSceneRecords(), before);
    for (int k = 0; k < V::count; ++k) {
        // Recomputed: the look target from yaw and pitch, the orbit cameras'
        // eyes and centres from their distances and angles.
        if (k >= V::lookTargetX && k <= V::lookTargetZ) continue;
        if (k >= V::pilotOrbitEyeX && k <= V::fighterOrbitCentreZ) continue;
        EXPECT_EQ(before[k], crafted[k]) << "value " << k + 1 << " did not reach its record";
    }

    clearScenePresets(scenePresetTable);
    std::string path = presetFile;
    ASSERT_GT(addScenePreset("round trip"), 0);
    ASSERT_TRUE(fileExists(path)) << "the new preset is written at once";

    // Back to the start-up state, then load the file and apply the preset.
    SetUp();
    ASSERT_EQ(loadScenePresetsFrom(path.c_str(), scenePresetTable), 1);
    ASSERT_NE(scenePresetTable.head, nullptr);
    applyScenePreset(scenePresetTable.head);
    float after[V::count];
    captureSceneValues(programSceneRecords(), after);
    for (int k = 0; k < V::count; ++k) EXPECT_EQ(after[k], before[k]) << "value " << k + 1;
}

}  // namespace
