// The overlay's update step: the menu's ticks run only while what they edit
// is on the screen, and the instruments' values are made before anything is
// drawn.
#include <gtest/gtest.h>

#include "camera/camera_state.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "overlay/hud_text.h"
#include "overlay/overlay_state.h"
#include "overlay/overlay_update.h"
#include "render/body_state.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"

namespace {

class OverlayUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        setDefaults(simulation);
        deriveCatapult(simulation);
        setCameraDefaults(camera);
        setSceneSwitchDefaults(sceneSwitches);
        bodyState = BodyState();
        initMenuDefaults();
        setOverlayDefaults(overlay, simulation);
    }
    OverlayInputs in;
};

TEST_F(OverlayUpdate, AHeldSpinnerRunsOnlyOnceThePanelIsFullyOpen) {
    uint32_t now = 50000;
    openMenuAt(now);
    const ValueSpinner& tas = menuWidgets.control[21];  // initial airspeed
    menuMouseDownAt(tas.increment.left + 2, tas.increment.top + 2, now);
    const float pressed = simulation.params.initialTasKt;
    // Sliding in (the panel is fully open after about 320 ms): the page is not
    // on the screen yet, so its arrow does not run.
    for (int frame = 0; frame < 15; ++frame) updateOverlay(overlay, in, now += 20);
    EXPECT_LT(menu.menuEdgeX, 800);
    EXPECT_FLOAT_EQ(simulation.params.initialTasKt, pressed);
    for (int frame = 0; frame < 40; ++frame) updateOverlay(overlay, in, now += 20);
    EXPECT_EQ(menu.menuEdgeX, 800);
    EXPECT_GT(simulation.params.initialTasKt, pressed);
    EXPECT_FLOAT_EQ(overlay.shownSpeedKt, simulation.params.initialTasKt) << "the HUD's copy follows the edit";
}

TEST_F(OverlayUpdate, TheInstrumentsAreLaidOutBeforeTheyAreDrawn) {
    menu.menuEventTime = 0;
    hudFrame.count = 0;
    simulation.params.initialTasKt = 300.0f;
    updateOverlay(overlay, in, 10000);
    EXPECT_TRUE(overlay.choice.instruments);
    EXPECT_TRUE(overlay.choice.hudText);
    EXPECT_GT(hudFrame.count, 0);
    EXPECT_FLOAT_EQ(overlay.shownSpeedKt, fighterSpeedKt(simulation)) << "before the seat moves: the fighter's speed";
    EXPECT_EQ(overlay.maxLoadG, 0.0f) << "no run: the maximum pointer follows the load at rest";

    // Hidden text: no lines and no gauge values are made.
    hudFrame.count = 0;
    in.textVisible = false;
    updateOverlay(overlay, in, 10020);
    EXPECT_FALSE(overlay.choice.hudText);
    EXPECT_EQ(hudFrame.count, 0);
}

}  // namespace
