// One frame of the simulator, the frame's table of contents: the clock read
// once, the update steps that change the records, then the drawing steps
// that only read them.
#pragma once

#include "camera/camera_view.h"
#include "overlay/overlay_update.h"
#include "render/body_frame.h"

struct FrameClock;
struct PlaybackClocks;

// What one frame works from: its time and the run's playback in one place,
// and what the update steps leave for the drawing steps.
struct Frame {
    FrameClock& clock;         // read once at the frame's start
    PlaybackClocks& playback;  // the run's clocks, advanced to the frame's time
    CameraView view;           // the look-at of the camera mode
    BodyFrame bodies;          // where each body is drawn
    OverlayInputs pointer;     // the pointer and the HUD switch, as the overlay reads them
};

void renderFrame();
