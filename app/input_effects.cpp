#include "app/input_effects.h"

#include <cstdlib>

#include "app/frame.h"
#include "app/window.h"
#include "assets/textures.h"
#include "camera/camera_state.h"
#include "input/input_records.h"
#include "menu/menu.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "render/scene_light.h"
#include "render/world_draw.h"
#include "sim/playback.h"
#include "sim/run_track.h"
#include "sim/simulation.h"

namespace {

constexpr const char* kModelPath = "Data/poly.txt";

// The seat-back angle moves the seat in the cockpit: the parts go back to
// their unposed shape, one frame is shown at once, then they are posed again.
void seatBackFrame() {
    const int parts[] = {kPartFighter, kPartSeat, kPartPack, kPartPilot, kPartSecondPilot, kPartRocketPlume,
                         kPartCanopy, kPartSeatRailLeft, kPartSeatRailRight};
    for (int part : parts) resetPart(polyModel, part);
    renderFrame();
    Simulation& sim = simulation;
    initialPose(polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg, sim.attitude.headingDeg,
                sim.params.seatBackAngleDeg, (float)sim.constants.rocketCantDeg, seatAxes, partSnapshot);
}

void reloadSettingsAndModel() {
    readSettingsAndScenes();
    Simulation& sim = simulation;
    // A model that fails to load is shown in its box; the program goes on
    // without it rather than ending in the middle of a session.
    LoadError error;
    if (!loadFighterModel(kModelPath, polyModel, sim.attitude.pitchDeg, sim.attitude.rollDeg,
                          sim.attitude.headingDeg, sim.params.seatBackAngleDeg, (float)sim.constants.rocketCantDeg,
                          seatAxes, partSnapshot, sim.geometry, &error))
        errorBox(error.text);
}

}  // namespace

void startRun() {
    Simulation& sim = simulation;
    resetScene(sim, platTimeMs());
    renderFrame();
    EjectionStart started = startEjection(sim, false, platTimeMs(), std::rand());
    // Playback starts when the run has been computed, not when it was asked
    // for: computing takes a noticeable time, which must not be skipped over.
    // What the trail and a later ghost show of this run; carrying its descent
    // to the ground takes a moment at altitude, so it comes before the clock.
    recordRunTrack(sim, runTracks);
    if (started.playing) sim.clocks.startTimeMs = platTimeMs();
    notePlaybackStart(runTracks, sim.clocks.startTimeMs);
    // The engine and the ejection sound follow the run from its first frame.
}

void carryOutInputEffects(unsigned effects) {
    if (effects & kEffectQuit) platPostQuitMessage(0);
    if (effects & kEffectApplyProjection) applyProjection();
    if (effects & kEffectStartRun) startRun();
    if (effects & kEffectSeatBackFrame) seatBackFrame();
    if (effects & kEffectReload) reloadSettingsAndModel();
    if (effects & kEffectRebuildBuildings) buildWorldList();
    if (effects & kEffectLights) setupLights(sceneLight, camera.eyePosition);
    if (effects & kEffectLoadPhotoSet) loadPhotoSet();
}
