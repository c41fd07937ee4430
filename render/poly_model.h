// The polygon model: one flat stream of numbered slots (geometry and drawing
// commands interleaved) read from "Data/poly.txt" and divided into numbered
// parts. Drawing replays a part's slots; posing rewrites the positions of its
// vertex slots in place. This file is GL-free: loading, normals, part ranges.
#pragma once

#include "sim/vec3.h"

// Slots are numbered from 1; slot 0 is never used.
constexpr int kModelSlotCapacity = 60000;
// Three spare entries past the last slot, so a polygon or quad that starts
// near the end of the stream reads zeros instead of past the arrays.
constexpr int kModelSlotArraySize = kModelSlotCapacity + 4;
// Parts are numbered from 1 in the order of their "Q" lines; the table keeps
// one record beyond the last part for the provisional first slot.
constexpr int kModelPartCapacity = 62;
constexpr int kModelRefPointCapacity = 60000;
// Lines are read with a buffer of this many characters.
constexpr int kModelLineBuffer = 1000;

// Kind codes of the slot stream.
enum ModelKind : int {
    kindEnd = 0,          // "E"  last corner, ends the polygon
    kindStartCw = 1,      // "S"  starts a polygon, front face clockwise
    kindCorner = 2,       // "-"  polygon corner
    kindColour = 3,       // "C"  colour (drawPos holds r, g, b in 0..1)
    kindStartCcw = 11,    // "R"  starts a polygon, front face counter-clockwise
    kindTriangle = 12,    // "T"  vertex, no drawing effect
    kindPart = 15,        // "Q"  starts a part (takes no slot)
    kindMarker = 20,      // "V"  vertex, no drawing effect
    kindStripCorner = 32, // "."  corner of a cylinder-textured strip
    kindCylinderOn = 50,  // "BT" starts the cylinder projection, binds a TGA texture
    kindTextureOff = 51,  // "OF"
    kindStripBegin = 52,  // "TS"
    kindStripEnd = 53,    // "ED"
    kindCullOn = 54,      // "EC"
    kindCullOff = 55,     // "DC"
    kindFrontCcw = 56,    // "CR"
    kindQuad = 57,        // "X"  first corner of a textured quad
    kindFrontCw = 58,     // "CL"
};

// Vertex kinds carry a position and are turned by the posing operations.
inline bool isVertexKind(int kind) {
    return kind == 0 || kind == 1 || kind == 2 || kind == 11 || kind == 12 || kind == 20 ||
           kind == 32 || kind == 57;
}

struct ModelPart {
    float scale = 0.0f;
    Vec3 partPivot;           // current pivot; posing rotates about it
    float firstSlot = 0.0f;   // a slot number held as a float
    Vec3 offset;
    float firstNormal = 0.0f; // index into the normal table, held as a float
};

struct RestPivot {
    float scale = 0.0f;
    Vec3 pivot;
};

struct CylinderTexGen {
    bool active = false;
    int texture = 0;
    float values[6] = {0, 0, 0, 0, 0, 0}; // a1..a6 of the "BT" line
    int mode = 0;                         // 1 once set
};

struct SlotUV {
    float u = 0.0f, v = 0.0f;
};

struct PolyModel {
    int slotKind[kModelSlotArraySize];
    Vec3 drawPos[kModelSlotArraySize];  // drawn positions (colour slots: r, g, b)
    Vec3 basePos[kModelSlotArraySize];  // before the fighter's attitude
    Vec3 stagePos[kModelSlotArraySize]; // first stage of the two-stage pose
    Vec3 restPos[kModelSlotArraySize];  // as loaded; never written afterwards
    float slotAlpha[kModelSlotArraySize];
    int slotTexture[kModelSlotArraySize];
    int slotFlip[kModelSlotArraySize];
    SlotUV slotUV[kModelSlotArraySize];
    int lastSlot;

    ModelPart parts[kModelPartCapacity + 2];
    RestPivot restPivot[kModelPartCapacity + 2];
    int partCount;

    Vec3 normals[kModelSlotArraySize]; // from 1, one per "S", "R", "X" slot
    int normalCount;
    int polygonCount;

    Vec3 refPoints[kModelRefPointCapacity + 1]; // from 1, filled by "v" lines
    int refPointCount;

    CylinderTexGen cylinderTexGen;
};

// The program's one model.
extern PolyModel polyModel;

// Empties the model (no slots, no parts).
void clearPolyModel(PolyModel& model);

struct LoadError;

// Reads the model file and computes the normal table. False when the file
// cannot be opened or the model does not fit the slot, part or reference-point
// capacity: the error then says so (the path, then why; the caller shows it)
// and the model is left empty. The caller gives the parts their initial pose
// afterwards.
bool loadPolyModel(const char* path, PolyModel& model, LoadError* error = nullptr);

// Slot range of a part: first slot to the next part's first slot - 1; the last
// part runs to lastSlot. False (nothing to walk) for a part number outside the
// table or an empty part.
bool partSlotRange(const PolyModel& model, int part, int* first, int* last);

// Normal of three points: -((p0 - p1) x (p1 - p2)), unit length (a zero
// vector stays zero).
Vec3 triangleNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2);

// Normal table of the whole stream from drawPos.
void computeModelNormals(PolyModel& model);
// The same over one part, written from the part's first normal onward.
void recomputePartNormals(PolyModel& model, int part);

// 90 + atan2(y, x) in degrees, placed by quadrant into (0, 360].
float azimuthDeg(float x, float y);

// Texture coordinates of a raw model point under the cylinder projection.
SlotUV cylinderProject(const CylinderTexGen& gen, float x, float y, float z);

// Truncates a float to an int, clamped to the int range (NaN gives 0).
int truncToInt(float value);
