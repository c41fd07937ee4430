// The heavy start-up loading behind the three-stage loading screen: textures,
// then the polygon model and the TGA images, then the sounds.
#pragma once

// Runs the loading stages; a failure that makes running impossible posts the
// quit message after reporting it, so the shutdown sequence still runs.
// Missing sounds are shown on the screen and the program goes on silent.
void showLoadingScreen();

// Busy-waits on the millisecond clock for the given time (the loading
// screen's pauses, so that a message stays readable).
void waitSeconds(double seconds);
