#include "input/key_table.h"

#include "input/key_actions.h"
#include "input/trail_keys.h"
#include "platform/keycodes.h"

using namespace key_actions;

namespace {

constexpr bool kAnyTime = true;   // acts during a run too
constexpr bool kNoRun = false;    // does nothing while a run plays

}  // namespace

// In the order of the key map. Rows of one key are tried top to bottom: the
// first whose modifier is held wins (Ctrl before Shift before none).
const KeyBinding kKeyBindings[] = {
    {VK_TAB, kAnyModifiers, kAnyTime, toggleText},
    {VK_ESCAPE, kAnyModifiers, kAnyTime, escape},
    {VK_SPACE, kAnyModifiers, kAnyTime, toggleMenu},
    {VK_PRIOR, kAnyModifiers, kAnyTime, raiseCamera},
    {VK_NEXT, kAnyModifiers, kAnyTime, lowerCamera},
    {VK_LEFT, kAnyModifiers, kAnyTime, cameraLeft},
    {VK_RIGHT, kAnyModifiers, kAnyTime, cameraRight},
    {VK_UP, kAnyModifiers, kAnyTime, cameraForward},
    {VK_DOWN, kAnyModifiers, kAnyTime, cameraBack},
    {VK_HOME, kAnyModifiers, kAnyTime, zeroZero},
    {'0', kAnyModifiers, kAnyTime, lowPass},
    {'1', kNeedsCtrl, kAnyTime, addDatedPreset},
    {'2', kAnyModifiers, kAnyTime, toggleWatchFollow},
    {'A', kAnyModifiers, kAnyTime, catapultUp},
    {'Z', kAnyModifiers, kAnyTime, catapultDown},
    {'S', kAnyModifiers, kAnyTime, rocketUp},
    {'X', kAnyModifiers, kAnyTime, rocketDown},
    {'D', kAnyModifiers, kAnyTime, cgUp},
    {'C', kAnyModifiers, kAnyTime, cgDown},
    {'F', kAnyModifiers, kNoRun, countdownUp},
    {'V', kAnyModifiers, kAnyTime, countdownDown},  // lowers only with no run; the floor holds always
    {'G', kAnyModifiers, kAnyTime, pilotMassUp},
    {'B', kAnyModifiers, kAnyTime, pilotMassDown},
    {'H', kAnyModifiers, kAnyTime, seatMassUp},
    {'N', kAnyModifiers, kAnyTime, seatMassDown},
    {'E', kAnyModifiers, kAnyTime, eject},  // with the menu closed
    {'P', kAnyModifiers, kAnyTime, pause},
    {'Q', kNeedsCtrl, kAnyTime, stepClockBackFine},  // Q and W act while a run is paused
    {'Q', kNeedsShift, kAnyTime, stepClockBackCoarse},
    {'Q', kAnyModifiers, kAnyTime, stepClockBack},
    {'W', kNeedsCtrl, kAnyTime, stepClockAheadFine},
    {'W', kNeedsShift, kAnyTime, stepClockAheadCoarse},
    {'W', kAnyModifiers, kAnyTime, stepClockAhead},
    {'R', kAnyModifiers, kNoRun, reload},
    {'U', kAnyModifiers, kAnyTime, highAltitude},
    {VK_OEM_PLUS, kAnyModifiers, kNoRun, climb},
    {VK_OEM_MINUS, kAnyModifiers, kNoRun, descend},
    {VK_OEM_COMMA, kAnyModifiers, kAnyTime, airspeedDown},
    {VK_OEM_PERIOD, kAnyModifiers, kAnyTime, airspeedUp},
    {VK_OEM_4, kAnyModifiers, kNoRun, seatBackDown},
    {VK_OEM_6, kAnyModifiers, kNoRun, seatBackUp},
    {'I', kNeedsCtrl, kAnyTime, sunPlusZ},
    {'I', kNeedsShift, kAnyTime, sunPlusY},
    {'I', kAnyModifiers, kAnyTime, cameraPitchPlus},
    {'M', kNeedsCtrl, kAnyTime, sunMinusZ},
    {'M', kNeedsShift, kAnyTime, sunMinusY},
    {'M', kAnyModifiers, kAnyTime, cameraPitchMinus},
    {'J', kNeedsShift, kAnyTime, sunPlusX},
    {'J', kAnyModifiers, kAnyTime, cameraYawPlus},
    {'K', kNeedsShift, kAnyTime, sunMinusX},
    {'K', kAnyModifiers, kAnyTime, cameraYawMinus},
    {'T', kAnyModifiers, kAnyTime, toggleTrail},
    {'Y', kNeedsShift, kAnyTime, clearRunGhost},
    {'Y', kAnyModifiers, kAnyTime, keepRunAsGhost},
    {VK_NUMPAD8, kAnyModifiers, kNoRun, fighterPitchPlus},
    {VK_NUMPAD2, kAnyModifiers, kNoRun, fighterPitchMinus},
    {VK_NUMPAD6, kAnyModifiers, kNoRun, fighterHeadingPlus},
    {VK_NUMPAD4, kAnyModifiers, kNoRun, fighterHeadingMinus},
    {VK_DECIMAL, kAnyModifiers, kNoRun, fighterRollPlus},
    {VK_NUMPAD0, kAnyModifiers, kNoRun, fighterRollMinus},
    {VK_NUMPAD9, kAnyModifiers, kAnyTime, climbOneMetre},
    {VK_NUMPAD3, kAnyModifiers, kAnyTime, descendOneMetre},
    {VK_MULTIPLY, kAnyModifiers, kNoRun, slowerPlay},
    {VK_DIVIDE, kAnyModifiers, kAnyTime, fasterPlay},  // lowers only with no run; never below 1
    {VK_ADD, kAnyModifiers, kAnyTime, zoomIn},
    {VK_SUBTRACT, kAnyModifiers, kAnyTime, zoomOut},
    {VK_F1, kAnyModifiers, kAnyTime, freeCamera},
    {VK_F2, kAnyModifiers, kAnyTime, fighterFlyby},
    {VK_F3, kAnyModifiers, kAnyTime, pilotFlyby},
    {VK_F4, kAnyModifiers, kAnyTime, watchFighter},
    {VK_F5, kAnyModifiers, kAnyTime, watchPilot},
    {VK_F6, kAnyModifiers, kAnyTime, orbitFighter},
    {VK_F7, kAnyModifiers, kAnyTime, orbitPilot},
};

const int kKeyBindingCount = (int)(sizeof kKeyBindings / sizeof kKeyBindings[0]);

const KeyBinding* findKeyBinding(int key, KeyModifiers mods) {
    for (const KeyBinding& b : kKeyBindings) {
        if (b.key != key) continue;
        if (b.needs == kNeedsCtrl && !mods.ctrl) continue;
        if (b.needs == kNeedsShift && !mods.shift) continue;
        return &b;
    }
    return nullptr;
}
