// The polled mouse device on the platform: opened with the defaults, polled
// at the start of every frame into the input's mouse record, released at
// shutdown.
#pragma once

// A second create replaces the first.
bool createMouseDevice();
// No device: nothing changes and moved stays false.
void pollMouse();
void releaseMouseDevice();
