// Posing the polygon model: the operations that rewrite a part's vertex
// positions (drawn, base and stage positions, the pivot), the fighter's
// attitude pass, the initial pose that seats the pilot in the cockpit, the seat
// axes and the part snapshot the body-attitude routine starts from. GL-free.
//
// Rotations turn by roll (forward axis), then pitch (lateral axis), then
// heading (vertical axis), angles in degrees.
#pragma once

#include "render/poly_model.h"
#include "sim/vec3.h"

// Parts with a fixed role.
constexpr int kPartPilot = 6;
constexpr int kPartSecondPilot = 7;
constexpr int kPartSeatRailLeft = 9;
constexpr int kPartSeatRailRight = 10;
constexpr int kPartRocketPlume = 11;
constexpr int kPartFighter = 12;
constexpr int kPartCanopy = 13;
constexpr int kPartSeat = 17;
constexpr int kPartPack = 18;
constexpr int kPartChuteProfile = 19;

// The seat's right, forward and up directions in the world.
struct SeatAxes {
    Vec3 right{1, 0, 0}, forward{0, -1, 0}, up{0, 0, 1};
};

// Copy of the drawn positions of the flying bodies (parts 6 or 7, 18, 11 and
// 17) with the model's slot numbering.
struct PartSnapshot {
    Vec3 pos[kModelSlotArraySize];
};

extern SeatAxes seatAxes;
extern PartSnapshot partSnapshot;

// Where the initial pose puts the seat and pilot: every seat part is moved by
// the cockpit offset and its pivot by the cockpit pivot.
constexpr float kCockpitOffsetX = 0.0f, kCockpitOffsetY = 4.0f, kCockpitOffsetZ = 2.3f;
constexpr float kCockpitPivotX = 0.0f, kCockpitPivotY = 4.0f, kCockpitPivotZ = 2.4f;
// The fighter and canopy are pitched by this much about the fighter's pivot.
constexpr float kFighterRestPitchDeg = 2.5f;

// drawPos = pivot + R(basePos - pivot), pivot = partPivot of pivotPart.
void posePartFromBase(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                      float headingDeg);
// stagePos = pivot + R(basePos - (pivot + (0, 0, drop))).
void posePartStage(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                   float headingDeg, float drop);
// drawPos = pivot + R(stagePos - pivot).
void posePartFinal(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                   float headingDeg);
// restPos into basePos, stagePos and drawPos; restPivot into partPivot.
void resetPart(PolyModel& m, int part);
// basePos -= partPivot.
void centrePartOnPivot(PolyModel& m, int part);
void translatePartBase(PolyModel& m, int part, float dx, float dy, float dz);
void movePartPivot(PolyModel& m, int part, float dx, float dy, float dz);
void clearPartPivot(PolyModel& m, int part);
// basePos = pivot + scale * R(basePos - pivot) + offset (scale per axis).
void transformPartBase(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                       float headingDeg, const Vec3& offset, const Vec3& scale);

// The seat axes: the unit axes turned by -seatBackAngle and the rocket pitch
// about the lateral axis, then by the fighter's roll, pitch and heading.
SeatAxes computeSeatAxes(float seatBackAngleDeg, float rocketPitchDeg, float pitchDeg,
                         float rollDeg, float headingDeg);

// Copies drawPos of the vertex slots of part 6 (part 7 when secondFigure),
// 18, 11 and 17 into the snapshot.
void takePartSnapshot(const PolyModel& m, PartSnapshot& snapshot, bool secondFigure);

// How far the seat's pivot moves when the fighter's attitude turns it about
// the fighter's pivot: R(pivot17 - pivot12) + pivot12 - pivot17.
Vec3 seatStartOffset(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg);

// Poses the fighter (about its own pivot) and parts 6, 7, 17, 11, 18 and 13
// (about the fighter's pivot) at the fighter's attitude, then refreshes the
// seat axes (rocket pitch 0) and the part snapshot (part 6).
void applyFighterAttitude(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                          float seatBackAngleDeg, SeatAxes& axes, PartSnapshot& snapshot);

// Puts the seat, pilot, pack and plume into the cockpit at the seat-back
// angle, pitches fighter and canopy to their rest attitude, then applies the
// fighter's attitude. Run after loading and after every reset.
void initialPose(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                 float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                 PartSnapshot& snapshot);

// resetPart of parts 12, 17, 18, 6, 7, 11, 13 (and 9, 10), then initialPose.
void resetSeatParts(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                    float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                    PartSnapshot& snapshot);

// The canopy closed on the fighter (before a run): staged about its own hinge
// with no opening, turned with the fighter, normals refreshed.
void poseCanopyClosed(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg);
