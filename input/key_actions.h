// The keyboard's actions, one per row of the key table (or shared by rows
// that differ by a step). Each works on the records of its KeyContext and
// puts what it asks of the shell into k.out.
#pragma once

#include <cstddef>
#include <ctime>

#include "input/key_table.h"

// The name of a preset made with Ctrl+1: month-day-year and the time.
void presetNameFor(const std::tm& when, char* out, size_t size);

// The zero-zero reset of the Home key and the inverted low pass of key 0.
KeyResult zeroZeroReset(InputRecords& r, uint32_t nowMs);
KeyResult invertedLowPass(InputRecords& r, uint32_t nowMs);

namespace key_actions {

// Menu, text and quitting.
void toggleText(KeyContext& k);
void escape(KeyContext& k);
void toggleMenu(KeyContext& k);
void addDatedPreset(KeyContext& k);

// The free camera and the view.
void raiseCamera(KeyContext& k);
void lowerCamera(KeyContext& k);
void cameraLeft(KeyContext& k);
void cameraRight(KeyContext& k);
void cameraForward(KeyContext& k);
void cameraBack(KeyContext& k);
void toggleWatchFollow(KeyContext& k);
void cameraPitchPlus(KeyContext& k);
void cameraPitchMinus(KeyContext& k);
void cameraYawPlus(KeyContext& k);
void cameraYawMinus(KeyContext& k);
void zoomIn(KeyContext& k);
void zoomOut(KeyContext& k);
void freeCamera(KeyContext& k);
void fighterFlyby(KeyContext& k);
void pilotFlyby(KeyContext& k);
void watchFighter(KeyContext& k);
void watchPilot(KeyContext& k);
void orbitFighter(KeyContext& k);
void orbitPilot(KeyContext& k);

// The sun.
void sunPlusZ(KeyContext& k);
void sunMinusZ(KeyContext& k);
void sunPlusY(KeyContext& k);
void sunMinusY(KeyContext& k);
void sunPlusX(KeyContext& k);
void sunMinusX(KeyContext& k);

// The seat's parameters.
void catapultUp(KeyContext& k);
void catapultDown(KeyContext& k);
void rocketUp(KeyContext& k);
void rocketDown(KeyContext& k);
void cgUp(KeyContext& k);
void cgDown(KeyContext& k);
void countdownUp(KeyContext& k);
void countdownDown(KeyContext& k);
void pilotMassUp(KeyContext& k);
void pilotMassDown(KeyContext& k);
void seatMassUp(KeyContext& k);
void seatMassDown(KeyContext& k);
void seatBackDown(KeyContext& k);
void seatBackUp(KeyContext& k);

// The fighter's flight condition.
void airspeedDown(KeyContext& k);
void airspeedUp(KeyContext& k);
void highAltitude(KeyContext& k);
void climb(KeyContext& k);
void descend(KeyContext& k);
void climbOneMetre(KeyContext& k);
void descendOneMetre(KeyContext& k);
void fighterPitchPlus(KeyContext& k);
void fighterPitchMinus(KeyContext& k);
void fighterHeadingPlus(KeyContext& k);
void fighterHeadingMinus(KeyContext& k);
void fighterRollPlus(KeyContext& k);
void fighterRollMinus(KeyContext& k);

// The run and the scene.
void eject(KeyContext& k);
void pause(KeyContext& k);
// A paused run's clock back or ahead by 1, 10 or 100 ms.
void stepClockBackFine(KeyContext& k);
void stepClockBack(KeyContext& k);
void stepClockBackCoarse(KeyContext& k);
void stepClockAheadFine(KeyContext& k);
void stepClockAhead(KeyContext& k);
void stepClockAheadCoarse(KeyContext& k);
void reload(KeyContext& k);
void slowerPlay(KeyContext& k);
void fasterPlay(KeyContext& k);
void zeroZero(KeyContext& k);
void lowPass(KeyContext& k);

}  // namespace key_actions
