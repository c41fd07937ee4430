#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "overlay/hud_text.h"
#include "sim/atmosphere.h"
#include "sim/playback.h"
#include "sim/simulation.h"

namespace {

std::unique_ptr<Simulation> defaultSim() {
    auto sim = std::make_unique<Simulation>();
    setDefaults(*sim);
    return sim;
}

struct Hud {
    HudFrame frame;
    AtmosphereReadout readout;
    // The text item that starts with prefix ("" when there is none).
    std::string line(const char* prefix) const {
        for (int i = 0; i < frame.count; ++i)
            if (frame.items[i].kind == HudItem::Text && std::strncmp(frame.items[i].text, prefix, std::strlen(prefix)) == 0)
                return frame.items[i].text;
        return "";
    }
    const HudItem* item(const char* text) const {
        for (int i = 0; i < frame.count; ++i)
            if (frame.items[i].kind == HudItem::Text && std::strcmp(frame.items[i].text, text) == 0) return &frame.items[i];
        return nullptr;
    }
    int count(const char* text) const {
        int n = 0;
        for (int i = 0; i < frame.count; ++i)
            if (frame.items[i].kind == HudItem::Text && std::strcmp(frame.items[i].text, text) == 0) ++n;
        return n;
    }
    int boxes(HudItem::Kind kind) const {
        int n = 0;
        for (int i = 0; i < frame.count; ++i) n += frame.items[i].kind == kind;
        return n;
    }
};

Hud build(const Simulation& sim, HudInputs in = HudInputs()) {
    in.sim = &sim;
    Hud h;
    buildHudFrame(in, h.readout, h.frame);
    return h;
}

// Playback clocks as the frame would have them elapsedMs into a run.
void playTo(Simulation& sim, int32_t elapsedMs) {
    sim.clocks.playing = 1;
    sim.clocks.startTimeMs = 0;
    updatePlaybackClocks(sim.clocks, (uint32_t)elapsedMs, sim.params, sim.times);
}

}  // namespace

TEST(EjectionClock, ZeroBeforeARunNegativeDuringTheCountDownThenMinutesAndSeconds) {
    const double countdown = 0.3, delay = 0.30000001192092896;
    EjectionClock idle = ejectionClock(false, 12345, countdown, delay);
    EXPECT_EQ(idle.minutes, 0.0);
    EXPECT_EQ(idle.seconds, 0.0);
    EXPECT_EQ(idle.msIndex, 0);

    EjectionClock early = ejectionClock(true, 350, countdown, delay);
    EXPECT_NEAR(early.seconds, -0.25, 1e-6);
    EXPECT_FALSE(std::signbit(early.minutes));   // prints " 0", never "-0"
    EXPECT_EQ(early.msIndex, -250);

    EjectionClock later = ejectionClock(true, 600 + 75600, countdown, delay);
    EXPECT_EQ(later.minutes, 1.0);
    EXPECT_NEAR(later.seconds, 15.6, 1e-6);
    EXPECT_EQ(later.msIndex, 75599);   // 75599.99998 ms truncated
}

TEST(CameraModeNames, EveryModeAndTheFollowVariants) {
    EXPECT_STREQ(cameraModeName(0, true), "Free View");
    EXPECT_STREQ(cameraModeName(1, true), "Watch Fighter + Follow");
    EXPECT_STREQ(cameraModeName(1, false), "Watch Fighter View");
    EXPECT_STREQ(cameraModeName(2, true), "Watch Pilot + Follow");
    EXPECT_STREQ(cameraModeName(2, false), "Watch Pilot View");
    EXPECT_STREQ(cameraModeName(3, false), "Orbit on Pilot");
    EXPECT_STREQ(cameraModeName(4, false), "Orbit on Fighter");
    EXPECT_STREQ(cameraModeName(5, false), "Fighter Fly-by");
    EXPECT_STREQ(cameraModeName(6, false), "Pilot Fly-by");
    EXPECT_STREQ(cameraModeName(7, false), "");
    EXPECT_STREQ(cameraModeName(-1, false), "");
}

TEST(HudLines, BeforeARun) {
    auto sim = defaultSim();
    HudInputs in;
    in.pilotHeightM = 7.3f;   // the seat in the cockpit
    in.keyAltitudeM = 5.0;
    in.cameraMode = 2;
    Hud h = build(*sim, in);

    EXPECT_EQ(h.line("  [ Altitude="),
              "  [ Altitude=   7.3 meter (=  23.9 ft) ]     [ Air_density= 1.223 Kg/cu m ]        "
              "[ Temp.: 15.0C( 59F) ] ");
    EXPECT_EQ(h.line("Count:"), "Count:0.60 Zoom=50.0");
    // The divisor is right-aligned in two places.
    EXPECT_EQ(h.line("Init KTAS:"), "Init KTAS: 0.0(KEAS:  0.0 =   0Mile/h Mach:0.00)  PlaySpeed=1/ 1 ");
    EXPECT_EQ(h.line("CG_off"), "CG_off = -0.33  ");
    EXPECT_EQ(h.count(" 0:0.00"), 2);   // shadow and figure, not at the pointer
    EXPECT_NE(h.item("Watch Pilot View"), nullptr);
    EXPECT_EQ(h.line("MODE"), "");
    EXPECT_EQ(h.line("Parachute_Deploy"), "");
    EXPECT_EQ(h.line("PAUSED"), "");
    EXPECT_FALSE(h.frame.gaugeValuesSet);
    EXPECT_EQ(h.boxes(HudItem::Shade), 2);   // the two bands only
    EXPECT_EQ(h.boxes(HudItem::Fill), 1);    // the camera-mode box

    const HudItem* clock = &h.frame.items[0];
    for (int i = 0; i < h.frame.count; ++i)
        if (std::strcmp(h.frame.items[i].text, " 0:0.00") == 0) clock = &h.frame.items[i];
    EXPECT_EQ(clock->x, 271);   // the green figure comes last
    EXPECT_EQ(clock->colour[1], 1.0f);
    EXPECT_EQ(clock->scaleX, 2.0f);
}

TEST(HudLines, FlightConditionFieldsFollowTheirRecords) {
    auto sim = defaultSim();
    sim->params.initialTasKt = 400.0f;
    sim->params.playSpeedDivisor = 12.7f;
    sim->params.catapultThrustLb = 8400.9f;
    sim->derived.catapultG = 17.94f;
    HudInputs in;
    in.keyAltitudeM = 3048.0;   // 10,000 ft: KEAS falls below KTAS
    in.pilotHeightM = 0.0f;
    Hud h = build(*sim, in);
    std::string speed = h.line("Init KTAS:");
    EXPECT_EQ(speed.substr(0, 16), "Init KTAS:400.0(");
    EXPECT_NE(speed.find("= 460Mile/h"), std::string::npos) << speed;   // 400 * 1.151
    EXPECT_NE(speed.find("Mach:0.60)"), std::string::npos) << speed;    // 205.8 m/s over 340.3 m/s
    EXPECT_NE(speed.find("PlaySpeed=1/12 "), std::string::npos) << speed;
    double keas = std::stod(speed.substr(speed.find("KEAS:") + 5));
    EXPECT_NEAR(keas, 400.0 * std::sqrt(0.905 / 1.225), 2.0);
    EXPECT_EQ(h.line("GUNCAT").substr(0, 23), "GUNCAT =  8400lb 17.9G+");
}

// KEAS is the true airspeed scaled by the root of the density ratio at the
// fighter's altitude in feet, read to a tenth of a knot.
TEST(HudLines, KeasFollowsSpeedAndAltitude) {
    auto sim = defaultSim();
    const struct { float ktas; double altitudeM; } cases[] = {{150.0f, 0.0}, {420.0f, 1500.0}, {600.0f, 7000.0}};
    for (const auto& c : cases) {
        sim->params.initialTasKt = c.ktas;
        HudInputs in;
        in.keyAltitudeM = c.altitudeM;
        Hud h = build(*sim, in);
        const float altitudeFt = (float)(c.altitudeM * 3.2808);
        const double ratio = airDensity((float)(altitudeFt * 0.3048)) / airDensity(0.0f);
        char expected[32];
        std::snprintf(expected, sizeof expected, "(KEAS:%5.1f =", (double)(float)(c.ktas * std::sqrt(ratio)));
        EXPECT_NE(h.line("Init KTAS:").find(expected), std::string::npos) << h.line("Init KTAS:") << " / " << expected;
    }
}

TEST(HudLines, CountDownShowsNegativeSecondsAtTheTopAndAtThePointer) {
    auto sim = defaultSim();
    startEjection(*sim, true, 0, 25);
    playTo(*sim, 350);
    HudInputs in;
    in.cursorX = 200;
    in.cursorY = 150;
    Hud h = build(*sim, in);
    EXPECT_EQ(h.count(" 0:-0.25"), 3);
    const HudItem* atPointer = nullptr;
    for (int i = 0; i < h.frame.count; ++i)
        if (std::strcmp(h.frame.items[i].text, " 0:-0.25") == 0 && h.frame.items[i].style == 0)
            atPointer = &h.frame.items[i];
    ASSERT_NE(atPointer, nullptr);
    EXPECT_EQ(atPointer->x, 200);
    EXPECT_EQ(atPointer->y, 600 - 150 - 5);
    EXPECT_EQ(h.boxes(HudItem::Shade), 3);   // the bands and the box at the pointer
    EXPECT_EQ(h.line("MODE"), "");           // no sample before the seat moves
}

TEST(HudLines, DuringARunTheModeLineReadsTheSampleAtTheClocksMillisecond) {
    auto sim = defaultSim();
    startEjection(*sim, true, 0, 25);
    playTo(*sim, 600 + 1000);   // one second after the seat started to move
    Hud h = build(*sim);

    const int index = 999;      // 999.99998 ms, truncated
    const Trajectory& tr = *sim->trajectory;
    const double v = std::sqrt(tr.vx[index] * tr.vx[index] + tr.vy[index] * tr.vy[index] + tr.vz[index] * tr.vz[index]);
    const double a = std::sqrt(tr.ax[index] * tr.ax[index] + tr.ay[index] * tr.ay[index] + tr.az[index] * tr.az[index]);
    ASSERT_GT(v, 1.0);
    char expected[128];
    std::snprintf(expected, sizeof expected, "MODE %d ,  %4.1f(ft/s) %4.1f(mile/h)", sim->times.seqMode,
                  (float)(v * 3.281), (float)(v * 2.237));
    EXPECT_EQ(h.line("MODE"), expected);
    std::snprintf(expected, sizeof expected, "Parachute_Deploy:%3.2fsec ", sim->times.tMainFire);
    EXPECT_EQ(h.line("Parachute_Deploy"), expected);
    ASSERT_TRUE(h.frame.gaugeValuesSet);
    EXPECT_FLOAT_EQ(h.frame.pilotLoadG, (float)(a / 9.8));
    EXPECT_FLOAT_EQ(h.frame.shownSpeedKt, (float)(v * 1.944));
    EXPECT_NE(h.item(" 0:1.00"), nullptr);
}

TEST(HudLines, AfterTheWindowTheLiveDescentFeedsTheLinesAndLandingStopsThem) {
    auto sim = defaultSim();
    startEjection(*sim, true, 0, 25);
    sim->times.tMainFire = 1.0;
    playTo(*sim, 600 + 12000);
    const double p[3] = {0, 0, 100}, v[3] = {3, 4, 0}, a[3] = {0, 0, 19.6};
    beginDescent(sim->descent, p, v, a, 11.0);
    Hud h = build(*sim);
    EXPECT_FLOAT_EQ(h.frame.pilotLoadG, 2.0f);
    EXPECT_FLOAT_EQ(h.frame.shownSpeedKt, 5.0f * 1.944f);
    EXPECT_EQ(h.line("MODE").substr(h.line("MODE").find(',')), ",  16.4(ft/s) 11.2(mile/h)");

    HudInputs landed;
    landed.landed = true;
    Hud after = build(*sim, landed);
    EXPECT_FALSE(after.frame.gaugeValuesSet);
    EXPECT_EQ(after.line("MODE"), "");
    EXPECT_NE(after.item(" 0:12.00"), nullptr);   // the clock runs on
}

TEST(HudLines, PausedBannerFlickersBetweenTheHalvesOfTheSheet) {
    auto sim = defaultSim();
    sim->clocks.paused = 1;
    for (int style = 0; style < 2; ++style) {
        HudInputs in;
        in.pausedStyle = style;
        Hud h = build(*sim, in);
        int banners = 0;
        for (int i = 0; i < h.frame.count; ++i)
            if (std::strcmp(h.frame.items[i].text, "PAUSED") == 0) {
                EXPECT_EQ(h.frame.items[i].style, style);
                EXPECT_EQ(h.frame.items[i].scaleX, 3.0f);
                ++banners;
            }
        EXPECT_EQ(banners, 2);
        EXPECT_EQ(h.boxes(HudItem::Shade), 3);   // the bands and the box behind the banner
    }
}

// Values a hand-edited preset or a long key press can produce must print in
// full, within the line buffers, without undefined conversions.
TEST(HudLines, ExtremeValuesNeverOverflowTheirLines) {
    auto sim = defaultSim();
    SimParams& P = sim->params;
    P.initialTasKt = FLT_MAX;
    P.catapultThrustLb = NAN;
    P.rocketThrustLb = -1e30f;
    P.playSpeedDivisor = -FLT_MAX;
    P.cgOffsetZ = -FLT_MAX;
    P.countdownS = -1e300;
    P.canopyDelayS = 1e300;
    sim->derived.catapultG = -FLT_MAX;
    sim->derived.gravityG = -FLT_MAX;
    sim->derived.rocketG = INFINITY;
    sim->times.tMainFire = -1e300;
    sim->times.seqMode = -2147483647 - 1;
    sim->clocks.playing = 1;
    sim->clocks.paused = 1;
    sim->clocks.elapsedMs = 2147483647;
    HudInputs in;
    in.pilotHeightM = -FLT_MAX;
    in.keyAltitudeM = 1e300;
    in.fieldOfView = -FLT_MAX;
    in.cursorX = 2147483647;
    in.cursorY = -2147483647 - 1;
    Hud h = build(*sim, in);
    const char* tails[] = {"F) ] ", "Zoom=", "  PlaySpeed=1/", "G  "};
    for (int i = 0; i < h.frame.count; ++i) {
        const HudItem& item = h.frame.items[i];
        if (item.kind != HudItem::Text) continue;
        EXPECT_LT(std::strlen(item.text), (size_t)kHudTextChars - 1) << item.text;
    }
    EXPECT_NE(h.line("  [ Altitude=").find(tails[0]), std::string::npos);
    EXPECT_NE(h.line("Count:").find(tails[1]), std::string::npos);
    EXPECT_NE(h.line("Init KTAS:").find(tails[2]), std::string::npos);
    std::string gun = h.line("GUNCAT");
    EXPECT_EQ(gun.substr(gun.size() - 3), tails[3]);
    EXPECT_EQ(gun.substr(0, 16), "GUNCAT =     0lb");   // NaN thrust prints as 0
    EXPECT_NE(h.line("Parachute_Deploy").find("sec "), std::string::npos);
    EXPECT_LE(h.frame.count, kHudItemCount);
}
