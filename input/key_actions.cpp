#include "input/key_actions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "camera/camera_state.h"
#include "camera/flyby_camera.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/step_rate.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "render/fighter_pose.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/playback.h"
#include "sim/playback_clocks.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"
#include "sim/units.h"

void presetNameFor(const std::tm& t, char* out, size_t size) {
    if (!out || size == 0) return;
    std::snprintf(out, size, "%d-%2d-%4d %2d:%2d:%2d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900, t.tm_hour,
                  t.tm_min, t.tm_sec);
}

KeyResult zeroZeroReset(InputRecords& r, uint32_t nowMs) {
    KeyResult out;
    // Stops the run, sets the zero-zero parameters, the main parachute's
    // area and the derived values.
    resetToZeroZero(r.sim, nowMs);
    CameraState& c = r.camera;
    c.freeCameraPosition = Vec3(-100.0f, 0.0f, 1.55f);
    c.cameraYaw = 270.0f;
    c.cameraPitch = 1.0f;
    r.camera.fieldOfView = 50.0f;
    r.input.textVisible = true;
    r.switches.textured = true;
    c.watchFollow = false;
    c.cameraMode = kCameraFree;
    reposeFighter(r.sim, r.model);
    out.effects = kEffectApplyProjection | kEffectRebuildBuildings | kEffectLights;
    return out;
}

KeyResult invertedLowPass(InputRecords& r, uint32_t nowMs) {
    KeyResult out;
    resetScene(r.sim, nowMs);
    CameraState& c = r.camera;
    c.cameraMode = kCameraWatchFighter;
    r.sim.attitude.headingDeg = 360.0f;
    r.sim.attitude.pitchDeg = 360.0f;
    r.sim.attitude.rollDeg = 180.0f;
    r.sim.params.initialTasKt = 150.0f;
    r.sim.fighterPosition.x = 0.0;
    r.sim.fighterPosition.y = 0.0;
    r.sim.fighterPosition.altitude = 45.0;
    c.freeCameraPosition = Vec3(-118.0f, -197.0f, 1.55f);
    c.cameraYaw = 311.0f;
    c.cameraPitch = 10.0f;
    attitudeChanged(r.sim, r.model);
    out.effects = kEffectLights;
    return out;
}

namespace key_actions {

namespace {

// The count-down never goes below 0.3 s as single precision holds it.
constexpr double kCountdownFloorS = (double)0.3f;
constexpr float kFreeCameraLowestM = 1.5f;

// Force step of the thrust keys and CG step of the seat-CG keys.
float forceStep(KeyModifiers m) { return m.ctrl ? 1.0f : m.shift ? 10.0f : 100.0f; }
float cgStep(KeyModifiers m) { return m.ctrl ? 0.01f : m.shift ? 0.2f : 0.05f; }
// Camera speed of the arrow keys and of Page Up / Page Down.
float arrowSpeed(KeyModifiers m) { return m.ctrl ? 0.08f : m.shift ? 60.0f : 25.0f; }
float heightSpeed(KeyModifiers m) { return m.ctrl ? 0.07f : m.shift ? 60.0f : 25.0f; }

// The free camera's step of this frame at a per-second speed.
float arrowStep(const KeyContext& k) { return perFrame(k.m * arrowSpeed(k.mods), k.rate); }

// Moves the free camera along the heading angle (degrees): +s forward, -s back.
void moveAlong(CameraState& c, float angleDeg, float s) {
    const double a = angleDeg * kRotationRadPerDeg;
    c.freeCameraPosition.y += (float)(std::cos(a) * s);
    c.freeCameraPosition.x -= (float)(std::sin(a) * s);
}

SimParams& params(KeyContext& k) { return k.r.sim.params; }
void recomputeDerived(KeyContext& k) { deriveCatapult(k.r.sim); }

// The menu closes; a left drag begun before it ends with it.
void closeMenu(KeyContext& k) {
    closeMenuAt(k.nowMs);
    k.r.input.leftDragging = false;
}

// F2 to F7: the free camera's angles are kept for F1; a fly-by camera is
// placed around the fighter at once.
void chooseCamera(KeyContext& k, int mode) {
    CameraState& c = k.r.camera;
    k.r.input.savedYaw = c.cameraYaw;
    k.r.input.savedPitch = c.cameraPitch;
    c.cameraMode = mode;
    if (mode != kCameraFighterFlyby && mode != kCameraPilotFlyby) return;
    const FighterPosition& p = k.r.sim.fighterPosition;
    const Vec3 at((float)p.x, (float)p.y, (float)p.altitude);
    int a1 = std::rand(), a2 = std::rand();
    FlybyCamera& flyby = mode == kCameraFighterFlyby ? c.fighterFlyby : c.pilotFlyby;
    placeFlyby(flyby, at, mode == kCameraFighterFlyby ? k.r.sim.fighter.velocity : Vec3(), k.nowMs, a1, a2);
}

// The fighter's attitude keys act only with no run (their rows say so).
void turnFighter(KeyContext& k, float& angle, float delta) {
    angle += delta;
    k.out.attitudeChanged = true;
}

// Only a paused run's clock moves; playing, the keys do nothing.
void stepClock(KeyContext& k, int32_t deltaMs) {
    stepPausedClock(k.r.sim.clocks, deltaMs, storedRunEndMs(k.r.sim));
}

void turnSeatBack(KeyContext& k, float delta) {
    params(k).seatBackAngleDeg += delta;
    k.out.effects |= kEffectSeatBackFrame;
    k.out.attitudeChanged = true;
}

}  // namespace

void toggleText(KeyContext& k) { k.r.input.textVisible = !k.r.input.textVisible; }

void escape(KeyContext& k) {
    saveScenePresets();
    if (k.r.menu.menuOpen) closeMenu(k);
    else k.out.effects |= kEffectQuit;
}

void toggleMenu(KeyContext& k) {
    if (k.r.menu.menuOpen) closeMenu(k);
    else openMenuAt(k.nowMs);
}

void addDatedPreset(KeyContext&) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char name[64];
    presetNameFor(local, name, sizeof name);
    addScenePreset(name);
    buildMenuWidgets();
}

void raiseCamera(KeyContext& k) { k.r.camera.freeCameraPosition.z += perFrame(k.m * heightSpeed(k.mods), k.rate); }

void lowerCamera(KeyContext& k) {
    Vec3& p = k.r.camera.freeCameraPosition;
    const float s = perFrame(k.m * heightSpeed(k.mods), k.rate);
    p.z -= perFrame(s * 20.0f, k.rate);
    if (p.z < kFreeCameraLowestM) p.z = kFreeCameraLowestM;
}

void cameraLeft(KeyContext& k) { moveAlong(k.r.camera, k.r.camera.cameraYaw + 90.0f, arrowStep(k)); }
void cameraRight(KeyContext& k) { moveAlong(k.r.camera, k.r.camera.cameraYaw + 90.0f, -arrowStep(k)); }
void cameraForward(KeyContext& k) { moveAlong(k.r.camera, k.r.camera.cameraYaw, arrowStep(k)); }
void cameraBack(KeyContext& k) { moveAlong(k.r.camera, k.r.camera.cameraYaw, -arrowStep(k)); }
void toggleWatchFollow(KeyContext& k) { k.r.camera.watchFollow = !k.r.camera.watchFollow; }
void cameraPitchPlus(KeyContext& k) { k.r.camera.cameraPitch += k.m; }
void cameraPitchMinus(KeyContext& k) { k.r.camera.cameraPitch -= k.m; }
void cameraYawPlus(KeyContext& k) { k.r.camera.cameraYaw += k.m; }
void cameraYawMinus(KeyContext& k) { k.r.camera.cameraYaw -= k.m; }

void zoomIn(KeyContext& k) {
    float& fov = k.r.camera.fieldOfView;
    fov -= 1.0f;
    if (fov < 0.01f) fov = 0.1f;
    k.out.effects |= kEffectApplyProjection;
}

void zoomOut(KeyContext& k) {
    k.r.camera.fieldOfView += 1.0f;
    k.out.effects |= kEffectApplyProjection;
}

void freeCamera(KeyContext& k) {
    CameraState& c = k.r.camera;
    if (c.cameraMode != kCameraFree) {
        c.cameraPitch = k.r.input.savedPitch;
        c.cameraYaw = k.r.input.savedYaw;
        computeLookTarget(c);
    }
    c.cameraMode = kCameraFree;
}

void fighterFlyby(KeyContext& k) { chooseCamera(k, kCameraFighterFlyby); }
void pilotFlyby(KeyContext& k) { chooseCamera(k, kCameraPilotFlyby); }
void watchFighter(KeyContext& k) { chooseCamera(k, kCameraWatchFighter); }
void watchPilot(KeyContext& k) { chooseCamera(k, kCameraWatchPilot); }
void orbitFighter(KeyContext& k) { chooseCamera(k, kCameraOrbitFighter); }
void orbitPilot(KeyContext& k) { chooseCamera(k, kCameraOrbitPilot); }

void sunPlusZ(KeyContext& k) { k.r.light.sunPosition.z += 20.0f; }
void sunMinusZ(KeyContext& k) { k.r.light.sunPosition.z -= 20.0f; }
void sunPlusY(KeyContext& k) { k.r.light.sunPosition.y += 20.0f; }
void sunMinusY(KeyContext& k) { k.r.light.sunPosition.y -= 20.0f; }
void sunPlusX(KeyContext& k) { k.r.light.sunPosition.x += 20.0f; }
void sunMinusX(KeyContext& k) { k.r.light.sunPosition.x -= 20.0f; }

void catapultUp(KeyContext& k) {
    params(k).catapultThrustLb += forceStep(k.mods);
    recomputeDerived(k);
}

void catapultDown(KeyContext& k) {
    SimParams& P = params(k);
    // Never less thrust than the package weighs.
    const float weightLb = (float)(totalMass(P) * kLbPerKg);
    P.catapultThrustLb -= forceStep(k.mods);
    if (P.catapultThrustLb < weightLb) P.catapultThrustLb = weightLb;
    recomputeDerived(k);
}

void rocketUp(KeyContext& k) {
    params(k).rocketThrustLb += forceStep(k.mods);
    recomputeDerived(k);
}

void rocketDown(KeyContext& k) {
    SimParams& P = params(k);
    P.rocketThrustLb -= forceStep(k.mods);
    if (P.rocketThrustLb < 0.0f) P.rocketThrustLb = 0.0f;
    recomputeDerived(k);
}

void cgUp(KeyContext& k) {
    params(k).cgOffsetZ += cgStep(k.mods);
    recomputeDerived(k);
}

void cgDown(KeyContext& k) {
    params(k).cgOffsetZ -= cgStep(k.mods);
    recomputeDerived(k);
}

void countdownUp(KeyContext& k) { params(k).countdownS += 0.1; }

void countdownDown(KeyContext& k) {
    SimParams& P = params(k);
    if (!k.running) P.countdownS -= 0.1;
    // The floor holds during a run too.
    if (P.countdownS <= 0.3) P.countdownS = kCountdownFloorS;
}

void pilotMassUp(KeyContext& k) {
    params(k).pilotMassKg += 5.0f;
    recomputeDerived(k);
}

void pilotMassDown(KeyContext& k) {
    SimParams& P = params(k);
    // Clamped before the derived values, so they never see a negative mass.
    P.pilotMassKg -= 5.0f;
    if (P.pilotMassKg < 0.0f) P.pilotMassKg = 0.0f;
    recomputeDerived(k);
}

void seatMassUp(KeyContext& k) {
    params(k).seatMassKg += 5.0f;
    recomputeDerived(k);
}

void seatMassDown(KeyContext& k) {
    SimParams& P = params(k);
    P.seatMassKg -= 5.0f;
    if (P.seatMassKg < 0.0f) P.seatMassKg = 0.0f;
    recomputeDerived(k);
}

void seatBackDown(KeyContext& k) { turnSeatBack(k, -2.0f); }
void seatBackUp(KeyContext& k) { turnSeatBack(k, 2.0f); }

void airspeedDown(KeyContext& k) { params(k).initialTasKt -= k.m; }
void airspeedUp(KeyContext& k) { params(k).initialTasKt += k.m; }
void highAltitude(KeyContext& k) { k.r.sim.fighterPosition.altitude = 5600.0; }  // above 18,000 ft
void climb(KeyContext& k) { k.r.sim.fighterPosition.altitude += perFrame(5000.0f, k.rate); }

void descend(KeyContext& k) {
    double& altitude = k.r.sim.fighterPosition.altitude;
    altitude -= perFrame(5000.0f, k.rate);
    if (altitude < 0.0) altitude = 1.0;
}

void climbOneMetre(KeyContext& k) { k.r.sim.fighterPosition.altitude += 1.0; }

void descendOneMetre(KeyContext& k) {
    double& altitude = k.r.sim.fighterPosition.altitude;
    altitude -= 1.0;
    if (altitude < 0.0) altitude = 0.0;
}

void fighterPitchPlus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.pitchDeg, 5.0f); }
void fighterPitchMinus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.pitchDeg, -5.0f); }
void fighterHeadingPlus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.headingDeg, 15.0f); }
void fighterHeadingMinus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.headingDeg, -15.0f); }
void fighterRollPlus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.rollDeg, 5.0f); }
void fighterRollMinus(KeyContext& k) { turnFighter(k, k.r.sim.attitude.rollDeg, -5.0f); }

void eject(KeyContext& k) {
    if (!k.r.menu.menuOpen) k.out.effects |= kEffectStartRun;
}

void pause(KeyContext& k) { togglePause(k.r.sim.clocks, k.nowMs, params(k).playSpeedDivisor); }
void stepClockBackFine(KeyContext& k) { stepClock(k, -1); }
void stepClockBack(KeyContext& k) { stepClock(k, -10); }
void stepClockBackCoarse(KeyContext& k) { stepClock(k, -100); }
void stepClockAheadFine(KeyContext& k) { stepClock(k, 1); }
void stepClockAhead(KeyContext& k) { stepClock(k, 10); }
void stepClockAheadCoarse(KeyContext& k) { stepClock(k, 100); }
void reload(KeyContext& k) { k.out.effects |= kEffectReload; }
void slowerPlay(KeyContext& k) { params(k).playSpeedDivisor += 1.0f; }

void fasterPlay(KeyContext& k) {
    SimParams& P = params(k);
    if (!k.running) P.playSpeedDivisor -= 1.0f;
    if (P.playSpeedDivisor < 1.0f) P.playSpeedDivisor = 1.0f;
}

void zeroZero(KeyContext& k) { k.out = zeroZeroReset(k.r, k.nowMs); }
void lowPass(KeyContext& k) { k.out = invertedLowPass(k.r, k.nowMs); }

}  // namespace key_actions
