// The message loop: window messages first, a frame whenever none is waiting;
// then the shutdown.
#pragma once

// Runs until the quit message; returns its exit code after the shutdown steps.
int mainLoop();
