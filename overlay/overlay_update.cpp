#include "overlay/overlay_update.h"

#include <cstdlib>

#include "camera/camera_state.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "overlay/gauge_geometry.h"
#include "overlay/hud_text.h"
#include "overlay/overlay_state.h"
#include "overlay/timeline_layout.h"
#include "render/body_state.h"
#include "sim/atmosphere.h"
#include "sim/run_track.h"
#include "sim/simulation.h"

namespace {

// The HUD lines, then what the gauges show: the load and speed the lines
// hand on while the pilot flies, the fighter's speed until the seat moves,
// and the run's largest load.
void updateInstruments(OverlayState& o, const OverlayInputs& in) {
    const Simulation& sim = simulation;
    HudInputs h;
    h.sim = &sim;
    h.pilotHeightM = bodyState.pilotHeightM;
    h.landed = bodyState.landed;
    h.keyAltitudeM = o.keyAltitudeM;
    h.fieldOfView = camera.fieldOfView;
    h.cameraMode = camera.cameraMode;
    h.watchFollow = camera.watchFollow;
    h.cursorX = in.cursorX;
    h.cursorY = in.cursorY;
    h.pausedStyle = std::rand() % 2;  // the banner flickers between the sheet's halves
    if (recordedRunPlays(runTracks, sim.clocks) && ghostBesideCurrent(runTracks)) {
        h.runSummary = &runTracks.current.summary;
        h.ghostSummary = &runTracks.ghost.summary;
    }
    buildHudFrame(h, atmosphereReadout, hudFrame);
    if (hudFrame.gaugeValuesSet) {
        o.pilotLoadG = hudFrame.pilotLoadG;
        o.shownSpeedKt = hudFrame.shownSpeedKt;
    }
    if (sim.clocks.seatTime == 0.0) o.shownSpeedKt = fighterSpeedKt(sim);
    const float loadG = bodyState.landed ? 0.0f : o.pilotLoadG;
    o.maxLoadG = updateMaxLoad(o.maxLoadG, loadG, sim.clocks.seatTime, sim.derived.maxDragTimeS, sim.derived.maxDragG);
}

}  // namespace

void updateOverlay(OverlayState& o, const OverlayInputs& in, uint32_t nowMs) {
    const PlaybackClocks& clocks = simulation.clocks;
    trackRunForMaxLoad(o, clocks.playing != 0, clocks.startTimeMs);
    o.choice = chooseOverlay(menu.menuOpen, nowMs, menu.menuEventTime, in.textVisible);
    layoutTimeline(simulation, o.choice.instruments && o.choice.hudText, timelineFrame);
    if (o.choice.instruments) {
        if (o.choice.hudText) updateInstruments(o, in);
        cameraSpinnerTick(nowMs);
        return;
    }
    menu.menuEdgeX = menuEdgeAt(menu, nowMs);
    // The page and its widgets are on the screen only once the panel is fully open.
    if (menu.menuEdgeX == 800 && menuPageTick(nowMs)) overlayAfterKey(o, simulation);
}
