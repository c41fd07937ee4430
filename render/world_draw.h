// Drawing the world around the ejection (GL): fog, ground and hills, the cloud
// dome, the control tower, the buildings' display list and the trees.
#pragma once

#include <cstdint>

#include "render/scene_light.h"
#include "render/world_layout.h"
#include "sim/vec3.h"

// The world's record made when the program starts: the origin of the cloud
// drift and the fog parameter (fog end = (parameter - 23) * 1000).
struct SkyGround {
    uint32_t creationMs = 0;
    float fogParameter = 65.0f;
};
extern SkyGround skyGround;

void setupFog(float start, float end, float r, float g, float b);
// Frame step: the fog from 400 to the world's fog end in the given colour.
void setupWorldFog(const float colour[3]);

void drawGround(const HillHeights& hills, const Vec3& eye);
void drawCloudLayer(const Vec3& eye, float alpha, uint32_t nowMs);
void drawTower();

// Compiles the buildings' display list (the airfield building and nineteen
// random ones with their shadows); start-up and the zero-zero reset call it.
// The list's name comes from glGenLists once and is reused by every rebuild,
// so it can neither overwrite nor be overwritten by the font lists.
void buildWorldList();
// Calls the buildings' list; nothing before it was compiled.
void callWorldList();
void drawBuilding(const BuildingPlan& b, const SceneLight& light);

void drawCrossBillboard(float x, float y, float z, float w, float h, int image);
// The first 180 trees, each size / 2 wide and size high, standing on the ground.
void drawTrees(const TreeTable& table);

// Frame step: the red line from the fighter's reference point 10 m up.
void drawReferenceLine(const Vec3& fighterPosition);
