#include "app/mouse_poll.h"

#include "input/mouse_device.h"
#include "platform/platform.h"

bool createMouseDevice() {
    releaseMouseDevice();
    mouseDevice.open = platMouseDeviceOpen();
    mouseDevice.deviceReady = mouseDevice.open;
    return mouseDevice.open;
}

void pollMouse() {
    if (!mouseDevice.open) return;
    PlatMouseState state;
    bool ok = platPollMouseDevice(&state);
    storeMousePoll(mouseDevice, ok, state);
}

void releaseMouseDevice() {
    if (mouseDevice.open) platMouseDeviceClose();
    mouseDevice = MouseDevice{};
}
