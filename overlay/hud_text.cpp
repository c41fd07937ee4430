#include "overlay/hud_text.h"

#include <cfloat>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "overlay/gauge_geometry.h"
#include "overlay/run_comparison.h"
#include "sim/simulation.h"
#include "sim/units.h"

HudFrame hudFrame;

namespace {

constexpr float kGreen[4] = {0, 1, 0, 1};
constexpr float kShade[4] = {0.3f, 0.3f, 0.3f, 0.2f};

HudItem* nextItem(HudFrame& f) {
    if (f.count >= kHudItemCount) return nullptr;
    HudItem* item = &f.items[f.count++];
    *item = HudItem();
    return item;
}

void setColour(HudItem& item, const float c[4]) {
    for (int k = 0; k < 4; ++k) item.colour[k] = c[k];
}

void addBox(HudFrame& f, HudItem::Kind kind, const float colour[4], int x0, int y0, int x1, int y1) {
    HudItem* item = nextItem(f);
    if (!item) return;
    item->kind = kind;
    setColour(*item, colour);
    item->x0 = x0, item->y0 = y0, item->x1 = x1, item->y1 = y1;
}

[[gnu::format(printf, 8, 9)]] void addText(HudFrame& f, const float colour[4], int x, int y, int style,
                                           float scaleX, float scaleY, const char* format, ...) {
    HudItem* item = nextItem(f);
    if (!item) return;
    item->kind = HudItem::Text;
    setColour(*item, colour);
    item->x = x, item->y = y, item->style = style;
    item->scaleX = scaleX, item->scaleY = scaleY;
    va_list args;
    va_start(args, format);
    std::vsnprintf(item->text, sizeof item->text, format, args);
    va_end(args);
}

double length3(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

}  // namespace

float hudFloat(double v) {
    if (std::isnan(v)) return NAN;
    if (v > FLT_MAX) return INFINITY;
    if (v < -FLT_MAX) return -INFINITY;
    return (float)v;
}

EjectionClock ejectionClock(bool playing, int32_t elapsedMs, double countdownS, double canopyDelayS) {
    EjectionClock c;
    const double ms = playing ? elapsedMs - (countdownS + canopyDelayS) * 1000.0 : 0.0;
    c.seconds = ms * 0.001;
    // + 0.0 turns a truncated -0 into 0, so the count-down reads " 0:-0.25".
    c.minutes = std::trunc(c.seconds / 60.0) + 0.0;
    c.seconds -= c.minutes * 60.0;
    c.msIndex = truncToInt(ms);
    return c;
}

const char* cameraModeName(int mode, bool watchFollow) {
    switch (mode) {
        case 0: return "Free View";
        case 1: return watchFollow ? "Watch Fighter + Follow" : "Watch Fighter View";
        case 2: return watchFollow ? "Watch Pilot + Follow" : "Watch Pilot View";
        case 3: return "Orbit on Pilot";
        case 4: return "Orbit on Fighter";
        case 5: return "Fighter Fly-by";
        case 6: return "Pilot Fly-by";
        default: return "";
    }
}

namespace {

void addPausedBanner(HudFrame& f, int pausedStyle) {
    const float glow[4] = {1, 1, 1, 0.2f};
    const float banner[4] = {0.513f, 0.635f, 0, 0.8f};
    const int style = pausedStyle == 1 ? 1 : 0;
    addText(f, glow, 320, 300, style, 3.0f, 3.0f, "PAUSED");
    addText(f, banner, 322, 298, style, 3.0f, 3.0f, "PAUSED");
}

// The comparison with the ghost, on a band of its own over the lower one.
void addGhostComparison(HudFrame& f, const RunSummary& run, const RunSummary& ghost) {
    addBox(f, HudItem::Shade, kShade, 0, 499, 800, 520);
    HudItem* item = nextItem(f);
    if (!item) return;
    const float violet[4] = {0.85f, 0.75f, 1.0f, 1};
    setColour(*item, violet);
    item->x = 45, item->y = 84, item->style = 0;
    item->scaleX = 0.8f, item->scaleY = 0.9f;
    formatRunComparison(run, ghost, item->text, sizeof item->text);
}

// The flight line of a run in the air, and the gauges' speed and load.
void addFlightLine(HudFrame& f, const Simulation& sim, int32_t msIndex) {
    // Under the canopy once the stored run is over, the live descent moves him.
    TrajectorySample sample;
    if (sim.clocks.seatTime > sim.times.tMainFire + 10.0 && sim.descent.active) {
        for (int k = 0; k < 3; ++k) {
            sample.a[k] = sim.descent.a[k];
            sample.v[k] = sim.descent.v[k];
        }
    } else {
        sample = trajectorySample(*sim.trajectory, msIndex);
    }
    const double speed = length3(sample.v);
    f.gaugeValuesSet = true;
    f.pilotLoadG = hudFloat(length3(sample.a) / kGravity);
    f.shownSpeedKt = hudFloat(speed * kKtPerMs);
    const float yellow[4] = {1, 1, 0, 1};
    addText(f, kGreen, 10, 55, 1, 1.0f, 1.0f, "MODE %d ,  %4.1f(ft/s) %4.1f(mile/h)", sim.times.seqMode,
            hudFloat(speed * kFtPerM), hudFloat(speed * kMphPerMs));
    addText(f, yellow, 320, 55, 1, 1.0f, 1.0f, "Parachute_Deploy:%3.2fsec ", hudFloat(sim.times.tMainFire));
}

}  // namespace

void buildHudFrame(const HudInputs& in, AtmosphereReadout& readout, HudFrame& f) {
    f.count = 0;
    f.clockItem = -1;
    f.gaugeValuesSet = false;
    if (!in.sim) return;
    const Simulation& sim = *in.sim;
    const SimParams& P = sim.params;
    const PlaybackClocks& clocks = sim.clocks;
    const bool running = clocks.playing != 0;
    const bool paused = clocks.paused != 0;
    // The cursor lies on the virtual screen; the bound only keeps the offsets
    // below from overflowing whatever a caller passes.
    const int cursorX = in.cursorX < -800 ? -800 : in.cursorX > 1600 ? 1600 : in.cursorX;
    const int cursorY = in.cursorY < -600 ? -600 : in.cursorY > 1200 ? 1200 : in.cursorY;

    // Bands and boxes darken the picture behind the lines.
    addBox(f, HudItem::Shade, kShade, 0, 0, 800, 40);
    addBox(f, HudItem::Shade, kShade, 0, 520, 800, 600);
    if (running) addBox(f, HudItem::Shade, kShade, cursorX + 2, cursorY - 11, cursorX + 80, cursorY + 4);
    if (paused) addBox(f, HudItem::Shade, kShade, 315, 247, 515, 307);

    const EjectionClock clock = ejectionClock(running, clocks.elapsedMs, P.countdownS, P.canopyDelayS);
    const double density = airDensityForDisplay(in.pilotHeightM, readout);
    const double mach = (P.initialTasKt / kKtPerMs) / readout.speedOfSoundMs;

    const float yellow[4] = {1, 1, 0, 1};
    addText(f, yellow, 45, 575, 0, 0.84f, 0.7f,
            "  [ Altitude= %5.1f meter (= %5.1f ft) ]     [ Air_density= %3.3f Kg/cu m ]        "
            "[ Temp.: %3.1fC(%3.0fF) ] ",
            in.pilotHeightM, hudFloat(in.pilotHeightM * kFtPerMOverlay), hudFloat(density),
            readout.airTemperatureC, hudFloat(celsiusToFahrenheit(readout.airTemperatureC)));

    const float red[4] = {1, 0.2f, 0.2f, 1};
    addText(f, red, 590, 5, 1, 0.79f, 0.99f, "Count:%3.2f Zoom=%1.1f", hudFloat(P.countdownS + P.canopyDelayS),
            in.fieldOfView);

    const float grey[4] = {0.9f, 0.9f, 0.9f, 1};
    const double keas = equivalentAirspeed(P.initialTasKt, hudFloat(in.keyAltitudeM * kFtPerMOverlay));
    addText(f, grey, 10, 23, 0, 1.0f, 1.0f,
            "Init KTAS:%4.1f(KEAS:%5.1f = %3.0fMile/h Mach:%2.2f)  PlaySpeed=1/%2d ", P.initialTasKt,
            hudFloat(keas), hudFloat(P.initialTasKt * kMphPerKt), hudFloat(mach), truncToInt(P.playSpeedDivisor));

    const float cyan[4] = {0.4f, 0.9f, 1.0f, 1};
    addText(f, cyan, 10, 5, 0, 0.8f, 0.9f, "GUNCAT = %5dlb %2.1fG+ %2.1fG(byGravity)   ROCAT = %5dlb %2.1fG  ",
            truncToInt(P.catapultThrustLb), sim.derived.catapultG, sim.derived.gravityG,
            truncToInt(P.rocketThrustLb), sim.derived.rocketG);

    // The clock twice, a shadow and the figure, and at the pointer during a run.
    const float black[4] = {0, 0, 0, 1};
    const float minutes = hudFloat(clock.minutes), seconds = hudFloat(clock.seconds);
    addText(f, black, 270, 525, 1, 2.0f, 2.0f, "%2.0f:%3.2f", minutes, seconds);
    addText(f, kGreen, 271, 524, 1, 2.0f, 2.0f, "%2.0f:%3.2f", minutes, seconds);
    f.clockItem = f.count - 1;
    if (running) addText(f, kGreen, cursorX, 600 - cursorY - 5, 0, 0.8f, 0.9f, "%2.0f:%3.2f", minutes, seconds);

    addText(f, kGreen, 10, 44, 1, 0.8f, 0.7f, "CG_off = %2.2f  ", P.cgOffsetZ);
    addText(f, kGreen, 570, 40, 0, 0.8f, 0.8f, "Camera Mode:");
    const float cameraBox[4] = {1, 0, 0, 0.5f};
    addBox(f, HudItem::Fill, cameraBox, 570, 600 - 60, 760, 600 - 20);
    addText(f, kGreen, 570, 20, 1, 1.0f, 1.0f, "%s", cameraModeName(in.cameraMode, in.watchFollow));

    if (paused) addPausedBanner(f, in.pausedStyle);
    if (running && in.runSummary && in.ghostSummary) addGhostComparison(f, *in.runSummary, *in.ghostSummary);
    if (running && clock.msIndex > 0 && !in.landed) addFlightLine(f, sim, clock.msIndex);
}
