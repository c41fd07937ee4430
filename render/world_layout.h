// The landscape's numbers: the ring of hills around the eye, the trees, the
// random buildings, the cloud dome's shape and drift. GL-free; the *_gl.cpp
// files of the world draw from these.
#pragma once

#include <cstdint>

#include "render/random_source.h"
#include "sim/vec3.h"

// ---- ground and hills -------------------------------------------------------

constexpr float kWorldHalfExtent = 65000.0f;  // radius of the ground disc and the dome
constexpr float kWorldCell = 10000.0f;        // grid step of ground and clouds
constexpr int kHillCount = 13;                // hill grid points filled per axis
// The ground grid reads one column and one row past the filled block (they
// read as 0), so the table has room for them.
constexpr int kHillTableSize = kHillCount + 2;

struct HillHeights {
    // height[col][row]: col is the ground grid's column counter, row its row
    // counter (both from 1).
    float height[kHillTableSize][kHillTableSize] = {};
};

extern HillHeights hillHeights;

// Fills the 13 x 13 block with draws mod 2229, flat (0) where both indices
// are 4 to 11: a ring of hills far from the eye.
void initHills(HillHeights& hills, RandomSource& random);

// Height at a grid column and row, 0 outside the table.
float hillAt(const HillHeights& hills, int col, int row);

// ---- clouds -----------------------------------------------------------------

constexpr float kCloudHeight = 9500.0f;

// Height of the cloud layer at horizontal distance d from the eye: flat at
// 9,500 for an eye above it, else a dome falling to -9,500 at 65,000.
float cloudHeightAt(float eyeZ, float distance);

// The drift of the cloud texture: whole units of (now - creation) / 11 ms.
int32_t cloudDrift(uint32_t nowMs, uint32_t creationMs);
// Texture coordinate of a cloud point along one axis with that drift.
float cloudTexCoord(float worldCoord, int32_t drift);

// ---- trees ------------------------------------------------------------------

constexpr int kTreeRecords = 5280;
constexpr int kTreesDrawn = 180;

struct TreeRecord {
    float x = 0, y = 0, size = 0, image = 0;  // image: TGA image number
};

struct TreeTable {
    TreeRecord trees[kTreeRecords];
};

extern TreeTable treeTable;

// TGA image of tree kind 1..5 (tree1 .. tree5).
int treeImage(int kind);

// Scatters the trees over x and y from -600 to 1299, sizes 0 to 24, never
// within 100 m of either axis (the runway and the road across it).
void placeTrees(TreeTable& table, RandomSource& random);

// ---- buildings --------------------------------------------------------------

constexpr int kBuildingCount = 20;  // the airfield building and nineteen others

struct BuildingPlan {
    float sizeX = 0, sizeY = 0, height = 0;
    float centreX = 0, centreY = 0, baseZ = 0;
    int texSouth = 0, texNorth = 0, texEast = 0, texWest = 0, texTop = 0;
    bool wrapRepeat = false;
    float repeat = 1;
};

// The airfield building, then nineteen random ones (nine draws each, the
// first three unused).
void makeBuildings(BuildingPlan out[kBuildingCount], RandomSource& random);

// A building corner's shadow point on the ground for the sun at s.
Vec3 buildingShadowPoint(const Vec3& p, const Vec3& sun);
