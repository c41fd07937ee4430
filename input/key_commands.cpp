#include "input/key_commands.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/flyby_camera.h"
#include "camera/orbit_camera.h"
#include "input/fighter_pose.h"
#include "input/input_state.h"
#include "input/mouse_device.h"
#include "input/step_rate.h"
#include "menu/menu.h"
#include "menu/menu_control.h"
#include "overlay/overlay_state.h"
#include "platform/keycodes.h"
#include "render/body_state.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/playback.h"
#include "sim/simulation.h"
#include "sim/units.h"

namespace {

// The count-down never goes below 0.3 s as single precision holds it.
constexpr double kCountdownFloorS = (double)0.3f;
constexpr float kFreeCameraLowestM = 1.5f;

bool runActive(const InputRecords& r) { return r.sim.clocks.playing != 0; }

// Force step of the thrust keys and CG step of the seat-CG keys.
float forceStep(KeyModifiers m) { return m.ctrl ? 1.0f : m.shift ? 10.0f : 100.0f; }
float cgStep(KeyModifiers m) { return m.ctrl ? 0.01f : m.shift ? 0.2f : 0.05f; }
// Camera speed of the arrow keys and of Page Up / Page Down.
float arrowSpeed(KeyModifiers m) { return m.ctrl ? 0.08f : m.shift ? 60.0f : 25.0f; }
float heightSpeed(KeyModifiers m) { return m.ctrl ? 0.07f : m.shift ? 60.0f : 25.0f; }

// Moves the free camera along the heading angle (degrees): +s forward, -s back.
void moveAlong(CameraState& c, float angleDeg, float s) {
    const double a = angleDeg * kRotationRadPerDeg;
    c.freeCameraPosition.y += (float)(std::cos(a) * s);
    c.freeCameraPosition.x -= (float)(std::sin(a) * s);
}

void recomputeDerived(InputRecords& r) { deriveCatapult(r.sim); }

void placeFighterFlyby(InputRecords& r, uint32_t nowMs) {
    const FighterPosition& p = r.sim.fighterPosition;
    int a1 = std::rand(), a2 = std::rand();
    placeFlyby(r.camera.fighterFlyby, Vec3((float)p.x, (float)p.y, (float)p.altitude), r.sim.fighter.velocity,
               nowMs, a1, a2);
}

void placePilotFlyby(InputRecords& r, uint32_t nowMs) {
    const FighterPosition& p = r.sim.fighterPosition;
    int a1 = std::rand(), a2 = std::rand();
    placeFlyby(r.camera.pilotFlyby, Vec3((float)p.x, (float)p.y, (float)p.altitude), Vec3(), nowMs, a1, a2);
}

void chooseCamera(InputRecords& r, int mode, uint32_t nowMs) {
    CameraState& c = r.camera;
    r.input.savedYaw = c.cameraYaw;
    r.input.savedPitch = c.cameraPitch;
    c.cameraMode = mode;
    if (mode == kCameraFighterFlyby) placeFighterFlyby(r, nowMs);
    if (mode == kCameraPilotFlyby) placePilotFlyby(r, nowMs);
}

void freeCamera(InputRecords& r) {
    CameraState& c = r.camera;
    if (c.cameraMode != kCameraFree) {
        c.cameraPitch = r.input.savedPitch;
        c.cameraYaw = r.input.savedYaw;
        computeLookTarget(c);
    }
    c.cameraMode = kCameraFree;
}

void addDatedPreset() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char name[64];
    presetNameFor(local, name, sizeof name);
    addScenePreset(name);
    buildMenuWidgets();
}

// Keys that turn the fighter: only with no run.
bool turnFighter(InputRecords& r, float& angle, float delta) {
    if (runActive(r)) return false;
    angle += delta;
    return true;
}

}  // namespace

float stepMultiplier(KeyModifiers m) {
    if (m.shift && m.ctrl) return 0.1f;
    if (m.shift) return 100.0f;
    return 10.0f;
}

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

KeyResult applyKey(int vk, KeyModifiers mods, InputRecords& r, uint32_t nowMs) {
    KeyResult out;
    r.input.shiftHeld = mods.shift;
    r.input.ctrlHeld = mods.ctrl;
    const float m = stepMultiplier(mods);
    const float rate = keyStepRate(r.frame);
    SimParams& P = r.sim.params;
    FighterAttitude& att = r.sim.attitude;
    FighterPosition& pos = r.sim.fighterPosition;
    CameraState& c = r.camera;
    Vec3& sun = r.light.sunPosition;
    const bool running = runActive(r);

    switch (vk) {
        case VK_TAB:
            r.input.textVisible = !r.input.textVisible;
            break;
        case VK_ESCAPE:
            saveScenePresets();
            if (r.menu.menuOpen) closeMenuAt(nowMs);
            else out.effects |= kEffectQuit;
            break;
        case VK_SPACE:
            if (r.menu.menuOpen) closeMenuAt(nowMs);
            else openMenuAt(nowMs);
            break;
        case VK_PRIOR:
            c.freeCameraPosition.z += perFrame(m * heightSpeed(mods), rate);
            break;
        case VK_NEXT: {
            const float s = perFrame(m * heightSpeed(mods), rate);
            c.freeCameraPosition.z -= perFrame(s * 20.0f, rate);
            if (c.freeCameraPosition.z < kFreeCameraLowestM) c.freeCameraPosition.z = kFreeCameraLowestM;
            break;
        }
        case VK_LEFT:
            moveAlong(c, c.cameraYaw + 90.0f, perFrame(m * arrowSpeed(mods), rate));
            break;
        case VK_RIGHT:
            moveAlong(c, c.cameraYaw + 90.0f, -perFrame(m * arrowSpeed(mods), rate));
            break;
        case VK_UP:
            moveAlong(c, c.cameraYaw, perFrame(m * arrowSpeed(mods), rate));
            break;
        case VK_DOWN:
            moveAlong(c, c.cameraYaw, -perFrame(m * arrowSpeed(mods), rate));
            break;
        case VK_HOME:
            out = zeroZeroReset(r, nowMs);
            break;
        case '0':
            out = invertedLowPass(r, nowMs);
            break;
        case '1':
            if (mods.ctrl) addDatedPreset();
            break;
        case '2':
            c.watchFollow = !c.watchFollow;
            break;
        case 'A':
            P.catapultThrustLb += forceStep(mods);
            recomputeDerived(r);
            break;
        case 'Z': {
            // Never less thrust than the package weighs.
            const float weightLb = (float)(totalMass(P) * kLbPerKg);
            P.catapultThrustLb -= forceStep(mods);
            if (P.catapultThrustLb < weightLb) P.catapultThrustLb = weightLb;
            recomputeDerived(r);
            break;
        }
        case 'S':
            P.rocketThrustLb += forceStep(mods);
            recomputeDerived(r);
            break;
        case 'X':
            P.rocketThrustLb -= forceStep(mods);
            if (P.rocketThrustLb < 0.0f) P.rocketThrustLb = 0.0f;
            recomputeDerived(r);
            break;
        case 'D':
            P.cgOffsetZ += cgStep(mods);
            recomputeDerived(r);
            break;
        case 'C':
            P.cgOffsetZ -= cgStep(mods);
            recomputeDerived(r);
            break;
        case 'F':
            if (!running) P.countdownS += 0.1;
            break;
        case 'V':
            if (!running) P.countdownS -= 0.1;
            if (P.countdownS <= 0.3) P.countdownS = kCountdownFloorS;
            break;
        case 'G':
            P.pilotMassKg += 5.0f;
            recomputeDerived(r);
            break;
        case 'B':
            // Clamped before the derived values, so they never see a negative mass.
            P.pilotMassKg -= 5.0f;
            if (P.pilotMassKg < 0.0f) P.pilotMassKg = 0.0f;
            recomputeDerived(r);
            break;
        case 'H':
            P.seatMassKg += 5.0f;
            recomputeDerived(r);
            break;
        case 'N':
            P.seatMassKg -= 5.0f;
            if (P.seatMassKg < 0.0f) P.seatMassKg = 0.0f;
            recomputeDerived(r);
            break;
        case 'E':
            if (!r.menu.menuOpen) out.effects |= kEffectStartRun;
            break;
        case 'P':
            togglePause(r.sim.clocks, nowMs, P.playSpeedDivisor);
            break;
        case 'R':
            if (!running) out.effects |= kEffectReload;
            break;
        case 'U':
            pos.altitude = 5600.0;  // above 18,000 ft
            break;
        case VK_OEM_PLUS:
            if (!running) pos.altitude += perFrame(5000.0f, rate);
            break;
        case VK_OEM_MINUS:
            if (!running) {
                pos.altitude -= perFrame(5000.0f, rate);
                if (pos.altitude < 0.0) pos.altitude = 1.0;
            }
            break;
        case VK_OEM_COMMA:
            P.initialTasKt -= m;
            break;
        case VK_OEM_PERIOD:
            P.initialTasKt += m;
            break;
        case VK_OEM_4:
        case VK_OEM_6:
            if (!running) {
                P.seatBackAngleDeg += vk == VK_OEM_4 ? -2.0f : 2.0f;
                out.effects |= kEffectSeatBackFrame;
                out.attitudeChanged = true;
            }
            break;
        case 'I':
            if (mods.ctrl) sun.z += 20.0f;
            else if (mods.shift) sun.y += 20.0f;
            else c.cameraPitch += m;
            break;
        case 'M':
            if (mods.ctrl) sun.z -= 20.0f;
            else if (mods.shift) sun.y -= 20.0f;
            else c.cameraPitch -= m;
            break;
        case 'J':
            if (mods.shift) sun.x += 20.0f;
            else c.cameraYaw += m;
            break;
        case 'K':
            if (mods.shift) sun.x -= 20.0f;
            else c.cameraYaw -= m;
            break;
        case VK_NUMPAD8:
            out.attitudeChanged = turnFighter(r, att.pitchDeg, 5.0f);
            break;
        case VK_NUMPAD2:
            out.attitudeChanged = turnFighter(r, att.pitchDeg, -5.0f);
            break;
        case VK_NUMPAD6:
            out.attitudeChanged = turnFighter(r, att.headingDeg, 15.0f);
            break;
        case VK_NUMPAD4:
            out.attitudeChanged = turnFighter(r, att.headingDeg, -15.0f);
            break;
        case VK_DECIMAL:
            out.attitudeChanged = turnFighter(r, att.rollDeg, 5.0f);
            break;
        case VK_NUMPAD0:
            out.attitudeChanged = turnFighter(r, att.rollDeg, -5.0f);
            break;
        case VK_NUMPAD9:
            pos.altitude += 1.0;
            break;
        case VK_NUMPAD3:
            pos.altitude -= 1.0;
            if (pos.altitude < 0.0) pos.altitude = 0.0;
            break;
        case VK_MULTIPLY:
            if (!running) P.playSpeedDivisor += 1.0f;
            break;
        case VK_DIVIDE:
            if (!running) P.playSpeedDivisor -= 1.0f;
            if (P.playSpeedDivisor < 1.0f) P.playSpeedDivisor = 1.0f;
            break;
        case VK_ADD:
            r.camera.fieldOfView -= 1.0f;
            if (r.camera.fieldOfView < 0.01f) r.camera.fieldOfView = 0.1f;
            out.effects |= kEffectApplyProjection;
            break;
        case VK_SUBTRACT:
            r.camera.fieldOfView += 1.0f;
            out.effects |= kEffectApplyProjection;
            break;
        case VK_F1:
            freeCamera(r);
            break;
        case VK_F2: chooseCamera(r, kCameraFighterFlyby, nowMs); break;
        case VK_F3: chooseCamera(r, kCameraPilotFlyby, nowMs); break;
        case VK_F4: chooseCamera(r, kCameraWatchFighter, nowMs); break;
        case VK_F5: chooseCamera(r, kCameraWatchPilot, nowMs); break;
        case VK_F6: chooseCamera(r, kCameraOrbitFighter, nowMs); break;
        case VK_F7: chooseCamera(r, kCameraOrbitPilot, nowMs); break;
        default:
            break;
    }
    return out;
}

void refreshOrbitCameras(InputRecords& r) {
    CameraScene scene = cameraSceneFor(r.sim, r.bodies, r.model);
    OrbitMouse m = orbitMouseFrom(r.mouse, r.input, r.frame);
    updateOrbitFighter(r.camera, m, scene);
    updateOrbitPilot(r.camera, m, scene);
}

void finishKey(const KeyResult& result, InputRecords& r) {
    if (result.attitudeChanged) attitudeChanged(r.sim, r.model);
    buildMenuWidgets();
    refreshOrbitCameras(r);
    overlayAfterKey(r.overlay, r.sim);
}
