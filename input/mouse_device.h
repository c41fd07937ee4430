// The polled mouse device: relative motion and the wheel once a frame, in the
// units of the standard mouse data format (one wheel notch is 120), even when
// the cursor stands at the screen edge.
#pragma once

#include <cstdint>

struct PlatMouseState;

struct MouseDevice {
    bool open = false;         // the device exists
    int32_t relX = 0, relY = 0, wheel = 0;  // since the previous poll
    bool button0 = false, button1 = false, button2 = false;
    bool deviceReady = false;  // exists and reports in the standard format
    bool moved = false;        // relX, relY or wheel non-zero at the last good poll
};

extern MouseDevice mouseDevice;

// Takes one poll's result: nothing changes when the poll failed, except that
// moved is cleared.
void storeMousePoll(MouseDevice& m, bool pollOk, const PlatMouseState& state);

// The shell opens, polls and releases the device (app/mouse_poll.h).
