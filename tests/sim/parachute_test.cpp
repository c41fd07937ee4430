#include <gtest/gtest.h>

#include "sim/parachute.h"
#include "sim/sim_records.h"

namespace {

struct MainChute : ::testing::Test {
    SimParams params;
    ParachuteModel main, drogue;
    MainRadiusRecord radii;
    void SetUp() override {
        SimConstants c;
        FighterAttitude a;
        FighterPosition p;
        setDefaultParams(params, c, a, p);
        buildParachuteModels(params, main, drogue);
    }
};

}  // namespace

TEST(Parachute, InflationDelayByFighterSpeed) {
    EXPECT_EQ(inflationDelayS(0.0), 0.6f);
    EXPECT_EQ(inflationDelayS(29.99), 0.6f);
    EXPECT_EQ(inflationDelayS(30.0), 0.25f);
    EXPECT_EQ(inflationDelayS(60.0), 0.2f);
    EXPECT_EQ(inflationDelayS(149.99), 0.2f);
    EXPECT_EQ(inflationDelayS(150.0), 0.15f);
    EXPECT_EQ(inflationDelayS(1649.9), 0.15f);
    EXPECT_EQ(inflationDelayS(1650.0), 0.0f);
}

TEST_F(MainChute, NothingGrowsDuringTheDelay) {
    ChuteAreaCd r = mainChuteInflation(main, radii, 0.6, 5.0, 100.0, 0.0);
    EXPECT_EQ(main.inflation, 0.0f);
    EXPECT_EQ(r.areaM2, 0.0);
    EXPECT_EQ(r.cd, 0.0);
    mainChuteInflation(main, radii, 0.601, 5.0, 100.0, 0.0);
    EXPECT_EQ(main.inflation, 5.0f);
}

TEST_F(MainChute, SlowPilotGrowsPastTheReefingCap) {
    double tau = 0.7;
    for (int i = 0; i < 4; ++i, tau += 0.001) mainChuteInflation(main, radii, tau, 5.0, 100.0, 0.0);
    EXPECT_FLOAT_EQ(main.inflation, 20.0f);
    EXPECT_FALSE(main.fullyOpen);
}

TEST_F(MainChute, FastPilotIsHeldAtTheReefedLength) {
    ChuteAreaCd r{0, 0};
    double tau = 1.0;
    for (int i = 0; i < 100; ++i, tau += 0.001) r = mainChuteInflation(main, radii, tau, 1.0, 200.0, 0.0);
    EXPECT_FLOAT_EQ(main.inflation, 14.4f);
    EXPECT_NEAR(r.cd, 0.32 * 1.56, 1e-5);
    EXPECT_NEAR(radii.radius[radii.count - 1], 14.4 / 45.0 * 2.9, 1e-5);
    EXPECT_NEAR(r.areaM2, 3.14159265 * (14.4 / 45.0 * 2.9) * (14.4 / 45.0 * 2.9), 1e-4);
    // Slower than 115 kt it opens fully.
    for (int i = 0; i < 40; ++i, tau += 0.001) r = mainChuteInflation(main, radii, tau, 1.0, 100.0, 0.0);
    EXPECT_TRUE(main.fullyOpen);
    EXPECT_NEAR(main.fullyOpenTime, tau - 0.001 * 10, 0.002);
    EXPECT_EQ(r.areaM2, main.areaM2);
    EXPECT_EQ(r.cd, main.cd);
}

TEST_F(MainChute, ReefingHoldsFrom115Knots) {
    ParachuteModel fresh = main;
    mainChuteInflation(main, radii, 1.0, 20.0, 115.0, 0.0);
    EXPECT_FLOAT_EQ(main.inflation, 14.4f);
    main = fresh;
    mainChuteInflation(main, radii, 1.0, 20.0, 114.99, 0.0);
    EXPECT_FLOAT_EQ(main.inflation, 20.0f);
}

TEST_F(MainChute, RadiusRecordStopsWhenFull) {
    for (int i = 0; i < kRadiusRecordCapacity + 50; ++i) mainChuteInflation(main, radii, 1.0, 0.001, 50.0, 0.0);
    EXPECT_EQ(radii.count, kRadiusRecordCapacity);
    resetMainInflation(main, radii);
    EXPECT_EQ(radii.count, 0);
    EXPECT_EQ(main.inflation, 0.0f);
}
