// The 2D layer drawn after the scene: the HUD text and the gauges, or the
// menu panel, the program's own pointer with its drag hints, and the
// frame-rate read-out while the HUD text is hidden.
#pragma once

struct FrameClock;

// Once a frame, after the scene bodies, at the frame's clock.
void drawOverlay(const FrameClock& frame);

// The HUD lines (the menu closed and the text shown).
void drawHudText();

// The pointer of size d at the cursor, with the drag hints while the menu is
// closed; in screen-space mode.
void drawPointer(float d);

// Screen-space mode: an 800 by 600 orthographic projection with the origin at
// the top-left, culling, texturing, lighting and depth test off, additive
// blending, modulated textures. Leaving restores the matrices and turns the
// depth test back on.
void enterScreenSpace();
void leaveScreenSpace();
