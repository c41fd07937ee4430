// The scene's steps of the frame, one call per step of renderFrame (GL; the
// world's drawing in world_gl.cpp carries them out).
#pragma once

#include <cstdint>

#include "sim/vec3.h"

// Update step: the cloud layer drifts from the first frame that shows it
// (the sky switch on).
void updateWorldClock(uint32_t nowMs);

// 8. Fog from 400 to the world's fog end, in the settings' fog colour.
void drawFogStep();
// 9. The ground around the eye; the cloud layer too while the sky is on.
void drawGroundStep(const Vec3& eye, uint32_t nowMs);
// 11. The red line from the fighter's reference point 10 m up.
void drawReferenceLineStep();
// 12. The buildings' display list while the buildings are on.
void drawBuildingsStep();
// 13. The sun marker and its line to the ground.
void drawSunMarkerStep();
// 14. The trees while they are on.
void drawTreesStep();

// Start-up, at the end of loading: hills, trees and the buildings' list.
void prepareWorld();
