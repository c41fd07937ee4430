// The CONTROL page as it lays out and binds its spinners: every line of the
// start-up values in its place, values shown at the width and in the unit
// their rows give, and each spinner on its parameter with its range.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "camera/camera_state.h"
#include "menu/control_page.h"
#include "menu/menu_control.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sound/sound_events.h"

namespace {

struct Line {
    int x, y, style;
    const char* text;
};

// The page with the start-up values, panel fully open.
const Line kStartUpPage[] = {
    {70, 500, 4, " ETC Values"},
    {10, 480, 0, "CG off on Z axis = -0.33"},
    {10, 460, 0, "Seat back angle = 18"},
    {10, 440, 0, "Catapult onset rate     : 108.00 g/sec"},
    {10, 420, 0, "Rocket   onset rate     : 150.00 g/sec"},
    {10, 400, 0, "Sink rate               : 0.00 ft/sec"},
    {70, 360, 4, " Max Thrust"},
    {10, 340, 0, "Catapult :  7900 LB(= 3583 KG)  17.0G"},
    {10, 320, 0, "Rocket   :  4500 LB(= 2041 KG)  9.7G"},
    {10, 300, 0, "Canopy Jet.Rocket:  1700 LB(=  771 KG) "},
    {70, 280, 4, " Weight"},
    {10, 260, 0, "VORIX :  103 Kg (228 lb)"},
    {10, 240, 0, "Pilot :   73 Kg (161 lb)"},
    {10, 220, 0, "Pilot wear: 35 Kg ( 77lb)Total:211KG(466LB)"},
    {10, 200, 0, "Fighter's Canopy :   80 Kg (176 lb )"},
    {70, 160, 4, " Drag Coefficient(Cd)"},
    {10, 140, 0, "Main parachute on pilot  :  1.560 "},
    {10, 120, 0, "Vori Drogue chute        :  1.230 "},
    {10, 100, 0, "Seat/Man  package        :  1.050 "},
    {425, 490, 4, " Area Square meter"},
    {365, 470, 0, "Parachute     flying diameter         :  5.8 meter "},
    {365, 450, 0, "Drogue-chute  flying diameter         :  0.7 meter "},
    {425, 410, 4, " Time"},
    {365, 390, 0, "VORIX rocket burn time(0.25 default)  :  0.25 sec"},
    {365, 370, 0, "Canopy Jettison rocket burn time      :  0.20 sec"},
    {365, 350, 0, "Count down second                     :  0.30 sec"},
    {365, 330, 0, "on Catapult phase time                :  0.18 sec"},
    {365, 310, 0, "Play Speed                            :  1/1 "},
    {425, 290, 4, " Speed"},
    {365, 270, 0, "Initial True Air speed Knot           :     0 knot"},
    {365, 250, 0, "Catapult phase end speed              :  53.22 ft/sec"},
    {425, 210, 4, " ETC"},
    {365, 190, 0, "Canopy max pitch prior to release     :  85.00 "},
    {365, 170, 0, "Canopy delay second prior to eject    :  0.30 "},
    {365, 150, 0, "Apply G on Fighter"},  // the toggle's label
};
constexpr int kStartUpLines = sizeof kStartUpPage / sizeof kStartUpPage[0];

struct ControlPage : ::testing::Test {
    MenuText lines[kControlLineCapacity];
    int count = 0;

    void SetUp() override {
        setDefaults(simulation);
        deriveCatapult(simulation);
    }
    void layOut(int panelX = 10) { count = layoutControlPage(simulation, panelX, lines, kControlLineCapacity); }
    // The text of the line that starts with prefix.
    std::string row(const char* prefix) const {
        for (int i = 0; i < count; ++i)
            if (std::strncmp(lines[i].text, prefix, std::strlen(prefix)) == 0) return lines[i].text;
        return "(no row " + std::string(prefix) + ")";
    }
};

TEST_F(ControlPage, StartUpValuesInTheirPlaces) {
    layOut();
    ASSERT_EQ(count, kStartUpLines);
    for (int i = 0; i < count; ++i) {
        const MenuText& m = lines[i];
        const Line& want = kStartUpPage[i];
        EXPECT_STREQ(m.text, want.text) << "line " << i;
        EXPECT_EQ(m.x, want.x) << want.text;
        EXPECT_EQ(m.y, want.y) << want.text;
        EXPECT_EQ(m.style, want.style) << want.text;
        EXPECT_EQ(m.scaleX, 0.8f) << want.text;
        EXPECT_EQ(m.scaleY, 0.9f) << want.text;
        for (float c : m.color) EXPECT_EQ(c, 1.0f) << want.text;
    }
    // The rows follow the panel as it slides; a short array takes what fits.
    layOut(-200);
    EXPECT_EQ(lines[1].x, -200);
    EXPECT_EQ(lines[19].x, -200 + 355 + 60);
    EXPECT_EQ(layoutControlPage(simulation, 10, lines, 5), 5);
    EXPECT_STREQ(lines[4].text, kStartUpPage[4].text);
}

TEST_F(ControlPage, RowsShowTheirValuesAtTheirWidths) {
    SimParams& p = simulation.params;
    p.seatBackAngleDeg = -10.0f;   // shown within 0 to 360
    p.countdownS = 0.3049999999;   // double precision: as a float it would show 0.31
    p.canopyDelayS = 1.2349999999;
    p.catapultThrustLb = 9000.0f;
    p.gearMassKg = 30.0f;
    p.playSpeedDivisor = 4.0f;
    p.initialTasKt = 3400.0f;
    deriveCatapult(simulation);
    layOut();
    EXPECT_EQ(row("Seat back"), "Seat back angle = 350");
    EXPECT_EQ(row("Count down"), "Count down second                     :  0.30 sec");
    EXPECT_EQ(row("Canopy delay"), "Canopy delay second prior to eject    :  1.23 ");
    EXPECT_EQ(row("Catapult :"), "Catapult :  9000 LB(= 4082 KG)  19.8G");
    EXPECT_EQ(row("Pilot wear"), "Pilot wear: 30 Kg ( 66lb)Total:206KG(455LB)");
    EXPECT_EQ(row("Play Speed"), "Play Speed                            :  1/4 ");
    EXPECT_EQ(row("Initial True"), "Initial True Air speed Knot           :  3400 knot");
    p.seatBackAngleDeg = 360.0f;
    layOut();
    EXPECT_EQ(row("Seat back"), "Seat back angle =  0");
}

// DEFAULT exactly: the seat's values, the pilot's own, the count-down, the
// airspeed and "Apply G on Fighter" kept.
TEST_F(ControlPage, DefaultSetsTheSeatsValuesBitForBit) {
    SimParams& p = simulation.params;
    p.pilotMassKg = 91.0f;
    p.countdownS = 2.5;
    p.initialTasKt = 450.0f;
    p.applyGOnFighter = true;
    applyControlDefaults(simulation);
    const float want[] = {-0.3f, 18.0f, 108.0f, 155.0f, 0.0f, 9000.0f, 4800.0f, 1700.0f, 103.0f, 91.0f, 30.0f, 80.0f,
                          1.75f, 1.4f,  1.05f, 6.1f,   0.7f, 0.25f,   0.135f,  1.0f,    450.0f, 90.0f};
    const float got[] = {p.cgOffsetZ,          p.seatBackAngleDeg,   p.catapultOnsetRate, p.rocketOnsetRate,
                         p.sinkRateFtS,        p.catapultThrustLb,   p.rocketThrustLb,    p.canopyRocketThrustLb,
                         p.seatMassKg,         p.pilotMassKg,        p.gearMassKg,        p.canopyMassKg,
                         p.mainChuteCd,        p.drogueCd,           p.seatManCd,         p.mainChuteDiameterM,
                         p.drogueDiameterM,    p.rocketBurnTimeS,    p.canopyRocketBurnTimeS,
                         p.playSpeedDivisor,   p.initialTasKt,       p.canopyMaxPitchDeg};
    for (size_t k = 0; k < sizeof want / sizeof want[0]; ++k) EXPECT_EQ(got[k], want[k]) << "float field " << k;
    EXPECT_EQ(p.countdownS, 2.5);
    EXPECT_EQ(p.canopyDelayS, 0.25);
    EXPECT_TRUE(p.applyGOnFighter);
}

// Each row's format takes what its row passes: as many conversions, every
// one a float's; a toggle's label prints as it is.
TEST(ControlRows, FormatsTakeWhatTheirRowsPass) {
    for (const SimParameter& p : kSimParameters) {
        const ControlRow& c = p.control;
        if (c.column == kNotOnPage) continue;
        SCOPED_TRACE(p.name);
        int conversions = 0;
        for (const char* f = c.label; *f; ++f) {
            if (*f != '%') continue;
            ++f;
            ASSERT_NE(*f, '\0');
            if (*f == '%') continue;
            while (*f && std::strchr("0123456789.-+ #", *f)) ++f;
            EXPECT_EQ(*f, 'f') << c.label;
            ++conversions;
        }
        int want = 1;
        switch (c.show) {
            case ParamShow::Value:
            case ParamShow::Angle: want = 1; break;
            case ParamShow::PoundsAndKg: want = c.alsoShown ? 3 : 2; break;
            case ParamShow::KgAndPounds: want = 2; break;
            case ParamShow::KgPoundsAndTotal: want = 4; break;
            case ParamShow::Toggle: want = 0; break;
        }
        EXPECT_EQ(conversions, want) << c.label;
        EXPECT_EQ(c.show == ParamShow::Toggle, p.field.type == ParamType::Bool);
        if (c.show == ParamShow::Angle) {
            EXPECT_EQ(p.field.type, ParamType::Float) << "the spinner turns a float";
        }
    }
}

TEST_F(ControlPage, NoTwoLinesShareAPlace) {
    layOut();
    auto column = [](const MenuText& m) { return m.x >= 10 + 355 ? 1 : 0; };
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            EXPECT_FALSE(column(lines[i]) == column(lines[j]) && lines[i].y == lines[j].y)
                << "'" << lines[i].text << "' and '" << lines[j].text << "'";
}

struct ControlSpinners : ::testing::Test {
    void SetUp() override {
        setDefaults(simulation);
        setCameraDefaults(camera);
        setSceneSwitchDefaults(sceneSwitches);
        initMenuDefaults();
    }
};

struct SpinnerPlace {
    int left, top;
    float SimParams::*floatField;
    double SimParams::*doubleField;
    double min, max;
    float step;
};

TEST_F(ControlSpinners, EachSpinnerEditsItsParameterWithinItsRange) {
    using P = SimParams;
    const SpinnerPlace want[kControlSpinnerCount] = {
        {309, 102, &P::cgOffsetZ, nullptr, -10, 10, 0.01f},
        {309, 122, &P::seatBackAngleDeg, nullptr, -45, 45, 0.5f},
        {309, 142, &P::catapultOnsetRate, nullptr, 10, 3000, 5},
        {309, 162, &P::rocketOnsetRate, nullptr, 10, 3000, 5},
        {309, 182, &P::sinkRateFtS, nullptr, 0, 3000, 5},
        {309, 235, &P::catapultThrustLb, nullptr, -1, 35000, 100},  // minimum: the package weight
        {309, 255, &P::rocketThrustLb, nullptr, 0, 35000, 100},
        {309, 275, &P::canopyRocketThrustLb, nullptr, 0, 5000, 10},
        {309, 324, &P::seatMassKg, nullptr, 15, 300, 10},
        {309, 345, &P::pilotMassKg, nullptr, 15, 300, 1},
        {309, 365, &P::gearMassKg, nullptr, 0, 70, 1},
        {309, 385, &P::canopyMassKg, nullptr, 10, 250, 5},
        {309, 434, &P::mainChuteCd, nullptr, 0.01, 5, 0.05f},
        {309, 453, &P::drogueCd, nullptr, 0.01, 5, 0.05f},
        {309, 473, &P::seatManCd, nullptr, 0.01, 5, 0.05f},
        {700, 115, &P::mainChuteDiameterM, nullptr, 4, 8, 0.1f},
        {700, 135, &P::drogueDiameterM, nullptr, 0.3, 2, 0.1f},
        {700, 187, &P::rocketBurnTimeS, nullptr, 0, 30, 0.01f},
        {700, 207, &P::canopyRocketBurnTimeS, nullptr, 0, 2, 0.05f},
        {700, 227, nullptr, &P::countdownS, 0.3, 65, 0.05f},
        {700, 267, &P::playSpeedDivisor, nullptr, 1, 30, 1},
        {700, 316, &P::initialTasKt, nullptr, 0, 3400, 50},
        {700, 385, &P::canopyMaxPitchDeg, nullptr, 0, 150, 5},
        {700, 405, nullptr, &P::canopyDelayS, 0, 2, 0.05f},
    };
    SimParams& p = simulation.params;
    for (int k = 0; k < kControlSpinnerCount; ++k) {
        const ValueSpinner& s = menuWidgets.control[k];
        const SpinnerPlace& w = want[k];
        SCOPED_TRACE("spinner " + std::to_string(k));
        EXPECT_EQ(s.outer.left, w.left);
        EXPECT_EQ(s.outer.top, w.top);
        EXPECT_EQ(s.outer.right - s.outer.left, 24);
        EXPECT_EQ(s.outer.bottom - s.outer.top, 18);
        EXPECT_EQ(s.step, w.step);
        if (w.floatField) {
            EXPECT_EQ(s.targetFloat, &(p.*w.floatField));
            EXPECT_EQ(s.targetDouble, nullptr);
            const double min = w.min == -1 ? totalMass(p) * 2.20462 : w.min;  // kg to lb
            EXPECT_EQ(s.minFloat, (float)min);
            EXPECT_EQ(s.maxFloat, (float)w.max);
        } else {
            EXPECT_EQ(s.targetDouble, &(p.*w.doubleField));
            EXPECT_EQ(s.targetFloat, nullptr);
            EXPECT_EQ(s.minDouble, w.min);
            EXPECT_EQ(s.maxDouble, w.max);
        }
    }
    EXPECT_EQ(&menuWidgets.control[kCatapultThrustSpinner], &menuWidgets.control[5]);
    EXPECT_EQ(&menuWidgets.control[kSeatBackSpinner], &menuWidgets.control[1]);
}

}  // namespace
