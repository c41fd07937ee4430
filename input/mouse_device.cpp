#include "input/mouse_device.h"

#include "platform/platform.h"

MouseDevice mouseDevice;

void storeMousePoll(MouseDevice& m, bool pollOk, const PlatMouseState& s) {
    m.moved = false;
    if (!pollOk) return;
    m.relX = s.relX;
    m.relY = s.relY;
    m.wheel = s.wheel;
    m.moved = s.relX != 0 || s.relY != 0 || s.wheel != 0;
    m.button0 = s.button0;
    m.button1 = s.button1;
    m.button2 = s.button2;
}
