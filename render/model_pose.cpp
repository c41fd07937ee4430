#include "render/model_pose.h"

SeatAxes seatAxes;
PartSnapshot partSnapshot;

namespace {

Vec3 turned(Vec3 v, float pitchDeg, float rollDeg, float headingDeg) {
    rotateRollPitchHeading(v, rollDeg, pitchDeg, headingDeg);
    return v;
}

// Calls fn(slot) for every vertex slot of the part.
template <typename Fn>
void forEachVertex(const PolyModel& m, int part, Fn fn) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return;
    for (int i = first; i <= last; ++i)
        if (isVertexKind(m.slotKind[i])) fn(i);
}

bool validPart(const PolyModel& m, int part) { return part >= 1 && part <= m.partCount; }

Vec3 pivotOf(const PolyModel& m, int part) {
    return validPart(m, part) ? m.parts[part].partPivot : Vec3();
}

} // namespace

void posePartFromBase(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                      float headingDeg) {
    Vec3 c = pivotOf(m, pivotPart);
    forEachVertex(m, part, [&](int i) {
        m.drawPos[i] = c + turned(m.basePos[i] - c, pitchDeg, rollDeg, headingDeg);
    });
}

void posePartStage(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                   float headingDeg, float drop) {
    Vec3 c = pivotOf(m, pivotPart);
    Vec3 lowered(c.x, c.y, c.z + drop);
    forEachVertex(m, part, [&](int i) {
        m.stagePos[i] = c + turned(m.basePos[i] - lowered, pitchDeg, rollDeg, headingDeg);
    });
}

void posePartFinal(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                   float headingDeg) {
    Vec3 c = pivotOf(m, pivotPart);
    forEachVertex(m, part, [&](int i) {
        m.drawPos[i] = c + turned(m.stagePos[i] - c, pitchDeg, rollDeg, headingDeg);
    });
}

void resetPart(PolyModel& m, int part) {
    if (!validPart(m, part)) return;
    forEachVertex(m, part, [&](int i) {
        m.basePos[i] = m.restPos[i];
        m.stagePos[i] = m.restPos[i];
        m.drawPos[i] = m.restPos[i];
    });
    m.parts[part].partPivot = m.restPivot[part].pivot;
}

void centrePartOnPivot(PolyModel& m, int part) {
    Vec3 c = pivotOf(m, part);
    forEachVertex(m, part, [&](int i) { m.basePos[i] = m.basePos[i] - c; });
}

void translatePartBase(PolyModel& m, int part, float dx, float dy, float dz) {
    Vec3 d(dx, dy, dz);
    forEachVertex(m, part, [&](int i) { m.basePos[i] = m.basePos[i] + d; });
}

void movePartPivot(PolyModel& m, int part, float dx, float dy, float dz) {
    if (!validPart(m, part)) return;
    m.parts[part].partPivot = m.parts[part].partPivot + Vec3(dx, dy, dz);
}

void clearPartPivot(PolyModel& m, int part) {
    if (!validPart(m, part)) return;
    m.parts[part].partPivot.zero();
}

void transformPartBase(PolyModel& m, int part, int pivotPart, float pitchDeg, float rollDeg,
                       float headingDeg, const Vec3& offset, const Vec3& scale) {
    Vec3 c = pivotOf(m, pivotPart);
    forEachVertex(m, part, [&](int i) {
        Vec3 r = turned(m.basePos[i] - c, pitchDeg, rollDeg, headingDeg);
        m.basePos[i] = c + Vec3(r.x * scale.x, r.y * scale.y, r.z * scale.z) + offset;
    });
}

SeatAxes computeSeatAxes(float seatBackAngleDeg, float rocketPitchDeg, float pitchDeg,
                         float rollDeg, float headingDeg) {
    SeatAxes a;
    Vec3* axes[3] = {&a.right, &a.forward, &a.up};
    for (Vec3* v : axes) {
        rotateAboutLateralAxis(*v, -seatBackAngleDeg);
        rotateAboutLateralAxis(*v, rocketPitchDeg);
        rotateRollPitchHeading(*v, rollDeg, pitchDeg, headingDeg);
    }
    return a;
}

void takePartSnapshot(const PolyModel& m, PartSnapshot& snapshot, bool secondFigure) {
    const int parts[4] = {secondFigure ? kPartSecondPilot : kPartPilot, kPartPack,
                          kPartRocketPlume, kPartSeat};
    for (int part : parts)
        forEachVertex(m, part, [&](int i) { snapshot.pos[i] = m.drawPos[i]; });
}

Vec3 seatStartOffset(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg) {
    Vec3 fighter = pivotOf(m, kPartFighter), seat = pivotOf(m, kPartSeat);
    return turned(seat - fighter, pitchDeg, rollDeg, headingDeg) + fighter - seat;
}

void applyFighterAttitude(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                          float seatBackAngleDeg, SeatAxes& axes, PartSnapshot& snapshot) {
    posePartFromBase(m, kPartFighter, kPartFighter, pitchDeg, rollDeg, headingDeg);
    const int carried[6] = {kPartPilot, kPartSecondPilot, kPartSeat, kPartRocketPlume, kPartPack,
                            kPartCanopy};
    for (int part : carried) posePartFromBase(m, part, kPartFighter, pitchDeg, rollDeg, headingDeg);
    axes = computeSeatAxes(seatBackAngleDeg, 0.0f, pitchDeg, rollDeg, headingDeg);
    takePartSnapshot(m, snapshot, false);
}

void initialPose(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                 float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                 PartSnapshot& snapshot) {
    const int centred[4] = {kPartPilot, kPartSecondPilot, kPartSeat, kPartPack};
    for (int part : centred) centrePartOnPivot(m, part);
    const int cleared[5] = {kPartPilot, kPartSecondPilot, kPartRocketPlume, kPartSeat, kPartPack};
    for (int part : cleared) clearPartPivot(m, part);

    translatePartBase(m, kPartPilot, 0.0f, -0.25f, 0.48f);
    translatePartBase(m, kPartSecondPilot, 0.0f, -0.25f, 0.48f);
    translatePartBase(m, kPartPack, 0.0f, 0.0f, -4.22f);
    translatePartBase(m, kPartRocketPlume, 0.0f, -0.27f, -0.57f);
    translatePartBase(m, kPartSeat, 0.0f, -0.1f, 0.18f);

    // Seat back angle: everything turns about the pilot's (now cleared) pivot.
    const Vec3 none, unit(1, 1, 1);
    for (int part : centred)
        transformPartBase(m, part, kPartPilot, -seatBackAngleDeg, 0, 0, none, unit);
    transformPartBase(m, kPartRocketPlume, kPartPilot, -(rocketCantDeg + seatBackAngleDeg), 0, 0,
                      none, unit);
    transformPartBase(m, kPartFighter, kPartFighter, kFighterRestPitchDeg, 0, 0, none, unit);
    transformPartBase(m, kPartCanopy, kPartFighter, kFighterRestPitchDeg, 0, 0, none, unit);

    const int seated[7] = {kPartPilot,       kPartSecondPilot, kPartSeatRailLeft, kPartSeatRailRight,
                           kPartRocketPlume, kPartSeat,        kPartPack};
    for (int part : seated) {
        translatePartBase(m, part, kCockpitOffsetX, kCockpitOffsetY, kCockpitOffsetZ);
        movePartPivot(m, part, kCockpitPivotX, kCockpitPivotY, kCockpitPivotZ);
    }
    applyFighterAttitude(m, pitchDeg, rollDeg, headingDeg, seatBackAngleDeg, axes, snapshot);
}

void resetSeatParts(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                    float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                    PartSnapshot& snapshot) {
    // Parts 9 and 10 are reset too: the initial pose moves them by the cockpit
    // offset, which would otherwise pile up with every reset.
    const int parts[9] = {kPartFighter,     kPartSeat,        kPartPack,   kPartPilot,
                          kPartSecondPilot, kPartRocketPlume, kPartCanopy, kPartSeatRailLeft,
                          kPartSeatRailRight};
    for (int part : parts) resetPart(m, part);
    initialPose(m, pitchDeg, rollDeg, headingDeg, seatBackAngleDeg, rocketCantDeg, axes, snapshot);
}

void poseCanopyClosed(PolyModel& m, float pitchDeg, float rollDeg, float headingDeg) {
    posePartStage(m, kPartCanopy, kPartCanopy, 0, 0, 0, 0);
    posePartFinal(m, kPartCanopy, kPartFighter, pitchDeg, rollDeg, headingDeg);
    recomputePartNormals(m, kPartCanopy);
}
