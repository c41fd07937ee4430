#include <gtest/gtest.h>

#include <cmath>

#include "sim/atmosphere.h"

TEST(Atmosphere, SeaLevelDensity) {
    // 2116 / (1718 * 518.6) slug/ft^3 times 515.4.
    EXPECT_NEAR(airDensity(0.0f), 1.22406, 5e-6);
    EXPECT_NEAR(airDensity(0.0f) / 515.4, 0.00237498, 5e-9);
}

TEST(Atmosphere, TropopauseStepsDownIntoTheIsothermalLayer) {
    // 36150 ft still uses the troposphere formula, 36154 ft the isothermal one.
    double below = airDensity((float)(36150.0 / 3.281));
    double above = airDensity((float)(36154.0 / 3.281));
    float hBelow = (float)((float)(36150.0 / 3.281) * 3.281);
    float tBelow = (float)(518.6 - 3.56 * hBelow / 1000.0);
    float pBelow = (float)(2116.0 * std::pow(tBelow / 518.6, 5.256));
    EXPECT_NEAR(below, pBelow / (1718.0 * tBelow) * 515.4, 1e-12);
    float hAbove = (float)((float)(36154.0 / 3.281) * 3.281);
    float pAbove = (float)(473.1376 * std::exp((36000.0 - hAbove) / 20805.433));
    EXPECT_NEAR(above, pAbove / (1718.0 * 389.98f) * 515.4, 1e-12);
    EXPECT_NEAR(pBelow, 472.50, 0.05);
    EXPECT_NEAR(pAbove, 469.65, 0.05);
    // The isothermal pressure is lower, so density steps down slightly.
    EXPECT_LT(above, below);
    EXPECT_GT(above, below * 0.99);
}

TEST(Atmosphere, UpperLayerAndNegativeAltitude) {
    EXPECT_GT(airDensity(-10.0f), airDensity(0.0f));
    double high = airDensity((float)(90000.0 / 3.281));
    EXPECT_GT(high, 0.0);
    EXPECT_LT(high, airDensity((float)(80000.0 / 3.281)));
}

TEST(Atmosphere, DisplayVariantAloneSetsTheReadout) {
    AtmosphereReadout readout;
    readout.airTemperatureC = -999.0f;
    double d = airDensityForDisplay(0.0f, readout);
    EXPECT_EQ(d, airDensity(0.0f));
    // 518.6 R is 15.0 C; sound travels sqrt(1.4 * 1718 * 518.6) = 1116.84 ft/s there.
    EXPECT_NEAR(readout.airTemperatureC, 15.008, 1e-3);
    EXPECT_NEAR(readout.speedOfSoundMs, 340.397, 1e-3);

    AtmosphereReadout before = atmosphereReadout;
    airDensity(5000.0f);
    EXPECT_EQ(before.airTemperatureC, atmosphereReadout.airTemperatureC);
}

TEST(Atmosphere, EquivalentAirspeed) {
    EXPECT_DOUBLE_EQ(equivalentAirspeed(350.0, 0.0f), 350.0);
    // At 20000 ft the density is 0.65287 kg/m^3, 0.53336 of sea level's.
    EXPECT_NEAR(airDensity((float)(20000.0f * 0.3048)), 0.652867, 1e-6);
    EXPECT_NEAR(equivalentAirspeed(400.0, 20000.0f), 292.126, 1e-3);
}

TEST(Atmosphere, AngleOfQuadrants) {
    EXPECT_NEAR(angleOf(1.0, -1.0), 135.0, 1e-9);
    EXPECT_NEAR(angleOf(1.0, 1.0), 225.0, 1e-9);
    EXPECT_NEAR(angleOf(-1.0, 1.0), 315.0, 1e-9);
    EXPECT_NEAR(angleOf(-1.0, -1.0), 45.0, 1e-9);
    EXPECT_NEAR(angleOf(-1.0, -std::sqrt(3.0)), 60.0, 1e-9);
    EXPECT_EQ(angleOf(0.0, 1.0), 0.0);
    EXPECT_EQ(angleOf(1.0, 0.0), 0.0);
}
