// Start-up: the default values of every record, then the settings, the GL
// context and the first assets; shutdown releases them in reverse order.
#pragma once

// Sets every record to its start-up value (runs at window creation and again
// during start-up).
void initDefaults();
// Right after the window is made: the defaults, the mouse device, the
// aspect ratio and the projection.
void windowCreated();
// The start-up sequence between window creation and the loading screen.
void startUp();
