// One frame of the simulator, the frame's table of contents: the clock read
// once, the update steps, then the drawing steps that only read.
#pragma once

void renderFrame();
