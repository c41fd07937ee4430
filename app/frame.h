// One frame of the simulator and the message loop that renders it when idle.
#pragma once

void renderFrame();
// Runs until the quit message; returns its exit code after the shutdown steps.
int mainLoop();
