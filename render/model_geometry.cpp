#include "render/model_geometry.h"

#include <cmath>

#include "render/model_pose.h"

int canopyFarEdgeSlot(const PolyModel& m) {
    int first, last;
    if (!partSlotRange(m, kPartCanopy, &first, &last)) return 0;
    for (int i = first; i <= last; ++i)
        if (m.slotKind[i] == kindMarker) return i;
    return 0;
}

void refreshSeatStartOffset(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                            FighterGeometry& geometry) {
    geometry.seatStartOffset = seatStartOffset(m, pitchDeg, rollDeg, headingDeg);
}

void fillFighterGeometry(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                         FighterGeometry& geometry) {
    geometry.cockpitOffset = Vec3(kCockpitOffsetX, kCockpitOffsetY, kCockpitOffsetZ);
    refreshSeatStartOffset(m, pitchDeg, rollDeg, headingDeg, geometry);
    if (m.partCount < kPartCanopy) return;
    Vec3 fighter = m.parts[kPartFighter].partPivot;
    Vec3 hinge = m.parts[kPartCanopy].partPivot;
    Vec3 arm = hinge - fighter;
    rotateRollPitchHeading(arm, rollDeg, pitchDeg, headingDeg);
    geometry.canopyHinge = fighter + arm;

    int edge = canopyFarEdgeSlot(m);
    if (!edge) return;
    Vec3 e = m.basePos[edge];
    double forward = (double)hinge.y - e.y, drop = (double)hinge.z - e.z;
    double slopeDeg = (forward == 0.0 && drop == 0.0) ? 0.0 : std::atan2(drop, forward) * 180.0 / 3.141592653589793;
    geometry.canopyMountAnglesDeg = Vec3(0.0f, (float)slopeDeg, 0.0f);
}

bool loadFighterModel(const char* path, PolyModel& m, float pitchDeg, float rollDeg,
                      float headingDeg, float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                      PartSnapshot& snapshot, FighterGeometry& geometry, LoadError* error) {
    if (!loadPolyModel(path, m, error)) return false;
    initialPose(m, pitchDeg, rollDeg, headingDeg, seatBackAngleDeg, rocketCantDeg, axes, snapshot);
    fillFighterGeometry(m, pitchDeg, rollDeg, headingDeg, geometry);
    return true;
}
