// The start-up values: the first frame, before any key, shows the derived
// figures of the default seat, not zeros.
#include <gtest/gtest.h>

#include <string>

#include "app/startup.h"
#include "overlay/hud_text.h"
#include "sim/simulation.h"

TEST(StartUpDefaults, FirstFrameShowsTheDerivedCatapultFigures) {
    // Whatever an earlier run left behind, the defaults put it right.
    simulation.derived = SimDerived();
    initDefaults();
    const SimDerived derived = simulation.derived;
    EXPECT_GT(derived.catapultG, 10.0f);
    EXPECT_GT(derived.rocketG, 1.0f);
    // The stroke time the sound cues and the HUD use is a real stroke.
    EXPECT_GT(derived.catapultPhaseTimeS, 0.05f);
    EXPECT_LT(derived.catapultPhaseTimeS, 1.0f);

    HudInputs in;
    in.sim = &simulation;
    AtmosphereReadout readout;
    HudFrame frame;
    buildHudFrame(in, readout, frame);
    std::string gun;
    for (int i = 0; i < frame.count; ++i)
        if (std::string(frame.items[i].text).rfind("GUNCAT", 0) == 0) gun = frame.items[i].text;
    ASSERT_FALSE(gun.empty());
    EXPECT_EQ(gun.find(" 0.0G+"), std::string::npos) << gun;

    // Run twice, as start-up does: the same figures.
    initDefaults();
    EXPECT_EQ(simulation.derived.catapultG, derived.catapultG);
    EXPECT_EQ(simulation.derived.catapultPhaseTimeS, derived.catapultPhaseTimeS);
}
