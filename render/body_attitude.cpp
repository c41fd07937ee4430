#include "render/body_attitude.h"

#include <cmath>

#include "sim/atmosphere.h"
#include "sim/units.h"

BodyAttitudeState bodyAttitude;

namespace {

enum class Axis { Pitch, Roll, Heading };

void turn(Vec3& v, Axis axis, float deg) {
    switch (axis) {
    case Axis::Pitch: rotateAboutLateralAxis(v, deg); break;
    case Axis::Roll: rotateAboutForwardAxis(v, deg); break;
    case Axis::Heading: rotateAboutVerticalAxis(v, deg); break;
    }
}

// One single-axis step on the part's vertex slots about the centre.
struct PartTurner {
    PolyModel& m;
    int first = 0, last = -1;
    Vec3 centre;

    void step(Axis axis, float deg) {
        for (int i = first; i <= last; ++i) {
            if (!isVertexKind(m.slotKind[i])) continue;
            Vec3 q = m.drawPos[i] - centre;
            turn(q, axis, deg);
            m.drawPos[i] = centre + q;
        }
    }
};

void turnAxes(SeatAxes& a, Axis axis, float deg) {
    turn(a.right, axis, deg);
    turn(a.forward, axis, deg);
    turn(a.up, axis, deg);
}

}  // namespace

void armSwingLatch(BodyAttitudeState& state) { state.latchArmed = true; }

double pathAngle(double u, double v) {
    // angleOf answers 0 for a component of exactly 0, which is the angle of
    // neither neighbour: (1, 0) lies between 180 - a and 180 + a, not at 0.
    // Such a component is taken as a hair above 0, which gives the angle the
    // direction has from either side.
    if (u == 0.0) u = 1e-30;
    if (v == 0.0) v = 1e-30;
    return angleOf(u, v);
}

double angleOf90(double u, double v) {
    double a = pathAngle(u, v) + 90.0;
    return a >= 360.0 ? a - 360.0 : a;
}

float swingAmplitude(double sinceMainFire, float mainFireSpeedMs, float totalMassKg) {
    double s = sinceMainFire - 0.16;
    if (s < 0.0) s = 0.0;
    double mass = totalMassKg * 3.0 / 4.0;
    if (!(mass > 0.0)) return 0.0f;
    return (float)(std::pow((double)mainFireSpeedMs, 1.4) * 137.5 * s / mass);
}

float rollWobbleDeg(double sinceDrogueFire) {
    return (float)(2.0 * std::sin(sinceDrogueFire * 250.0 * kPi / 180.0));
}

SeatAxes alignBodyToVelocity(PolyModel& m, const PartSnapshot& snapshot, int part, int pivotPart,
                             const SeatAxes& seatAxes, const AttitudeInputs& in,
                             BodyAttitudeState& state) {
    PartTurner body{m, 0, -1, Vec3()};
    bool havePart = in.moveVertices && partSlotRange(m, part, &body.first, &body.last);
    Vec3 pivot = (pivotPart >= 1 && pivotPart <= m.partCount) ? m.parts[pivotPart].partPivot : Vec3();
    body.centre = pivot + in.seatStartOffset;

    // 1-2. Heading of the path; the part starts from its snapshot turned by it.
    const Vec3& v = in.velocity;
    float h = 360.0f - azimuthDeg(v.x, v.y);
    if (havePart) {
        for (int i = body.first; i <= body.last; ++i) {
            if (!isVertexKind(m.slotKind[i])) continue;
            Vec3 q = snapshot.pos[i] - body.centre;
            rotateAboutVerticalAxis(q, h);
            m.drawPos[i] = body.centre + q;
        }
    }
    // 3. The velocity in the heading frame.
    Vec3 vh = v;
    rotateAboutVerticalAxis(vh, h);

    // 4. Starting axes.
    bool fromRecorded = in.mode > 1 && in.seatTimeS >= in.tMainFire;
    SeatAxes axes = fromRecorded ? state.recorded : seatAxes;
    turnAxes(axes, Axis::Heading, h);

    auto both = [&](Axis axis, float deg) {
        if (havePart) body.step(axis, deg);
        turnAxes(axes, axis, deg);
    };

    // 5-7. Into the path's frame: pitch to the path, level the right axis,
    // then turn the right axis across the path.
    float theta = (float)(360.0 - pathAngle(vh.y, vh.z));
    both(Axis::Pitch, theta);
    float o = (float)(360.0 - angleOf90(axes.right.x, axes.right.z) - 90.0);
    both(Axis::Roll, o);
    float p = 360.0f - azimuthDeg(axes.right.x, axes.right.y) + 90.0f;
    both(Axis::Heading, p);

    // 8. Swing under the canopy, or hold the seat rigid along the path.
    if (in.kind == AttitudeKind::Swinging) {
        float a = swingAmplitude(in.sinceMainFire, in.mainFireSpeedMs, in.totalMassKg);
        float d = (float)(pathAngle(axes.up.y, axes.up.z) - 180.0);
        if (state.latchArmed) {
            state.latchedDeviation = d;
            state.latchArmed = false;
        }
        float q = state.latchedDeviation > 0.0f ? -a : a;
        if (std::fabs(d) < std::fabs(q)) q = -d;
        if (havePart) body.step(Axis::Pitch, q);
    } else {
        float r = (float)pathAngle(axes.forward.y, axes.forward.z);
        both(Axis::Pitch, 360.0f - r);
    }

    // 9. Roll wobble.
    both(Axis::Roll, rollWobbleDeg(in.sinceDrogueFire));

    // 10. Back out of the path's frame.
    both(Axis::Roll, -o);
    both(Axis::Pitch, -theta);
    both(Axis::Heading, -h);

    // 11. Before the main parachute fires (modes 2 to 5) the final axes are
    // kept: they are the starting frame once it has fired.
    if (in.playing && in.mode > 1 && in.seatTimeS < in.tMainFire) state.recorded = axes;
    return axes;
}
