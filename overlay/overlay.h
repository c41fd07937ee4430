// The 2D layer drawn after the scene: the HUD text and the gauges, or the
// menu panel, the program's own pointer with its drag hints, and the
// frame-rate read-out while the HUD text is hidden. It draws what the
// overlay's update step (overlay/overlay_update.h) left in the records.
#pragma once

struct FrameClock;
struct HudFrame;
struct OverlayInputs;
struct OverlayState;
struct TimelineFrame;

// Once a frame, after the scene bodies, for the frame's clock.
void drawOverlay(const OverlayState& o, const OverlayInputs& in, const FrameClock& frame);

// The HUD lines laid out in frame.
void drawHudText(const HudFrame& frame);

// The paused run's timeline in the top band, when shown.
void drawTimeline(const TimelineFrame& frame);

// The pointer of size d at the cursor, with the drag hints while the menu is
// closed; in screen-space mode.
void drawPointer(const OverlayInputs& in, float d);

// Screen-space mode: an 800 by 600 orthographic projection with the origin at
// the top-left, culling, texturing, lighting and depth test off, additive
// blending, modulated textures. Leaving restores the matrices and turns the
// depth test back on.
void enterScreenSpace();
void leaveScreenSpace();
