// The mouse commands on the records: cursor mapping, camera and fighter drags,
// clicks, the double click that ejects, the right press that stops a run, and
// the per-frame camera drift from the mouse device. GL-free; the returned
// InputEffect bits are carried out by the shell.
#pragma once

#include <cstdint>

#include "input/input_records.h"

// Double-click timing, ms: the first click must be released within the hold
// limit, the second within the release limit of its press.
constexpr uint32_t kClickHoldLimitMs = 150;
constexpr uint32_t kDoubleClickReleaseMs = 200;

// A move to (x, y) on the virtual screen (the shell maps the window's
// pixels to it): the cursor, then the drags.
unsigned handleMouseMove(int x, int y, InputRecords& r);
unsigned leftPressed(uint32_t nowMs, InputRecords& r);
unsigned leftReleased(uint32_t nowMs, InputRecords& r);
// During a run the right button stops it; otherwise it starts a fighter drag.
unsigned rightPressed(uint32_t nowMs, InputRecords& r);
void rightReleased(InputRecords& r);

// Frame step: while the menu is closed and the mouse device moved, the orbit
// camera of the current mode turns, and the free camera turns at the screen
// edges and moves with the wheel.
void driftCameraWithMouse(InputRecords& r);
