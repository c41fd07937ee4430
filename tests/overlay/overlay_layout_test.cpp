#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "overlay/overlay_layout.h"
#include "overlay/overlay_state.h"
#include "sim/simulation.h"

TEST(OverlayChoice, TheMenuHoldsTheScreenAQuarterSecondAfterClosing) {
    const uint32_t closedAt = 10000;
    OverlayChoice justClosed = chooseOverlay(false, closedAt + 249, closedAt, true);
    EXPECT_TRUE(justClosed.menuPanel);
    EXPECT_FALSE(justClosed.instruments);
    EXPECT_FALSE(justClosed.hudText);
    OverlayChoice back = chooseOverlay(false, closedAt + 250, closedAt, true);
    EXPECT_TRUE(back.instruments);
    EXPECT_TRUE(back.hudText);
    EXPECT_FALSE(back.menuPanel);
    EXPECT_FALSE(back.frameRate);
    // The millisecond clock wrapping between the close and now still counts up.
    EXPECT_TRUE(chooseOverlay(false, 100, 0xFFFFFF00u, true).instruments);
    // An open menu covers everything, frame rate included, however long it is open.
    OverlayChoice open = chooseOverlay(true, closedAt + 99999, closedAt, false);
    EXPECT_TRUE(open.menuPanel);
    EXPECT_FALSE(open.frameRate);
}

TEST(OverlayChoice, HiddenTextShowsTheFrameRateInsteadOfTheInstruments) {
    OverlayChoice hidden = chooseOverlay(false, 5000, 0, false);
    EXPECT_TRUE(hidden.instruments);   // strip and pointer remain
    EXPECT_FALSE(hidden.hudText);      // lines and gauges go
    EXPECT_TRUE(hidden.frameRate);
}

TEST(Pointer, ColourByDragAndHintsOnlyWhileTheMenuIsClosed) {
    PointerFrame idle = pointerFrame(100, 200, 2.0f, false, false, false, 0);
    EXPECT_EQ(idle.colour[0], 0.8f);
    EXPECT_EQ(idle.hintCount, 0);
    // The tip is the hot spot; the arrow reaches 20 units right and 18 down.
    EXPECT_EQ(idle.fill[0][0][0], 100.0f);
    EXPECT_EQ(idle.fill[0][0][1], 200.0f);
    EXPECT_EQ(idle.outline[1][0], 120.0f);
    EXPECT_EQ(idle.outline[3][1], 218.0f);

    PointerFrame left = pointerFrame(100, 200, 2.0f, true, false, false, 0);
    EXPECT_EQ(left.colour[1], 1.0f);
    ASSERT_EQ(left.hintCount, 2);
    EXPECT_STREQ(left.hints[0].text, "Drag -> rotate camera");
    EXPECT_EQ(left.hints[0].y, 400);
    EXPECT_STREQ(left.hints[1].text, "Double click  ->  Eject");
    EXPECT_EQ(left.hints[1].y, 420);
    // Only the free camera turns with a left drag.
    EXPECT_EQ(pointerFrame(100, 200, 2.0f, true, false, false, 3).hintCount, 0);

    PointerFrame right = pointerFrame(100, 200, 2.0f, false, true, false, 0);
    EXPECT_EQ(right.colour[0], 0.3f);
    ASSERT_EQ(right.hintCount, 1);
    EXPECT_STREQ(right.hints[0].text, "Drag -> rotate fighter");
    EXPECT_EQ(right.hints[0].colour[0], 0.8f);

    PointerFrame overMenu = pointerFrame(100, 200, 2.0f, true, false, true, 0);
    EXPECT_EQ(overMenu.colour[1], 1.0f);   // same colours over the menu
    EXPECT_EQ(overMenu.hintCount, 0);
}

TEST(OverlayState, MaximumPointerRestartsWithEveryRunAndIdlesWithoutOne) {
    OverlayState o;
    trackRunForMaxLoad(o, false, 0);
    EXPECT_EQ(o.maxLoadG, -1.0f);
    trackRunForMaxLoad(o, true, 5000);
    EXPECT_EQ(o.maxLoadG, 0.001f);
    o.maxLoadG = 12.0f;
    trackRunForMaxLoad(o, true, 5000);   // the same run goes on
    EXPECT_EQ(o.maxLoadG, 12.0f);
    trackRunForMaxLoad(o, true, 9000);   // a new trigger without an idle frame
    EXPECT_EQ(o.maxLoadG, 0.001f);
    trackRunForMaxLoad(o, false, 9000);
    EXPECT_EQ(o.maxLoadG, -1.0f);
}

TEST(OverlayState, ShownSpeedBeforeAndDuringTheCountDown) {
    auto sim = std::make_unique<Simulation>();
    setDefaults(*sim);
    OverlayState o;
    setOverlayDefaults(o, *sim);
    EXPECT_EQ(o.keyAltitudeM, sim->fighterPosition.altitude);

    // No run: the dial follows the set airspeed and sink rate.
    sim->params.initialTasKt = 400.0f;
    EXPECT_NEAR(fighterSpeedKt(*sim), 400.0f, 0.1f);
    sim->params.sinkRateFtS = 300.0f;   // 91.44 m/s down, 205.8 m/s ahead
    EXPECT_NEAR(fighterSpeedKt(*sim), std::hypot(205.78, 91.44) * 1.944, 0.2);

    // A run: the fighter's own velocity, falling with "Apply G on Fighter".
    sim->params.sinkRateFtS = 0.0f;
    sim->params.initialTasKt = 0.0f;   // the set value no longer matters
    sim->fighter.velocity = Vec3(0.0f, -100.0f, 0.0f);
    sim->clocks.playing = 1;
    sim->clocks.flightTime = 0.25;
    EXPECT_NEAR(fighterSpeedKt(*sim), 194.4f, 0.01f);
    sim->params.applyGOnFighter = true;
    EXPECT_NEAR(fighterSpeedKt(*sim), std::hypot(100.0, 2.45) * 1.944, 0.01);

    sim->params.initialTasKt = 250.0f;
    sim->fighterPosition.altitude = 1234.0;
    overlayAfterKey(o, *sim);
    EXPECT_EQ(o.shownSpeedKt, 250.0f);
    EXPECT_EQ(o.keyAltitudeM, 1234.0);
}
