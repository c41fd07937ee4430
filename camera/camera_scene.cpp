#include "camera/camera_scene.h"

#include "render/body_state.h"
#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "sim/simulation.h"

namespace {

Vec3 toVec(const double p[3]) { return Vec3((float)p[0], (float)p[1], (float)p[2]); }
Vec3 toVec(const float p[3]) { return Vec3(p[0], p[1], p[2]); }

// The pilot relative to the fighter's start: the computed samples while they
// last, then the live descent, and the landing point once on the ground.
void pilotAt(const Simulation& sim, const BodyState& bodies, Vec3& displacement, Vec3& velocity) {
    const PlaybackClocks& c = sim.clocks;
    const long index = (long)c.seatIndex + 1;
    TrajectorySample s = trajectorySample(*sim.trajectory, index);
    displacement = toVec(s.p);
    velocity = toVec(s.v);
    if (bodies.landed) {
        if (sim.run.landed) displacement = toVec(sim.run.landingP);
        else if (sim.descent.landed) displacement = toVec(sim.descent.landingP);
        return;
    }
    if (c.seatTime > sim.times.tMainFire + 10.0 && sim.descent.active) {
        displacement = toVec(sim.descent.p);
        velocity = toVec(sim.descent.v);
    }
}

// The middle of a part's drawn vertices, relative to where the part is drawn.
bool partMiddle(const PolyModel& m, int part, Vec3& middle) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return false;
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int i = first; i <= last; ++i) {
        if (!isVertexKind(m.slotKind[i])) continue;
        sum[0] += m.drawPos[i].x;
        sum[1] += m.drawPos[i].y;
        sum[2] += m.drawPos[i].z;
        ++n;
    }
    if (n == 0) return false;
    middle = Vec3((float)(sum[0] / n), (float)(sum[1] / n), (float)(sum[2] / n));
    return true;
}

}  // namespace

CameraScene cameraSceneFrom(const Simulation& sim, const BodyState& bodies, const Vec3& referenceOffset) {
    CameraScene s;
    const PlaybackClocks& c = sim.clocks;
    s.running = c.playing != 0;
    s.elapsedS = (float)c.flightTime;
    s.seatTimeS = (float)c.seatTime;
    s.seatMoving = c.seatTime != 0.0;
    s.catapultPhaseTimeS = sim.derived.catapultPhaseTimeS;
    s.fighterPosition = Vec3((float)sim.fighterPosition.x, (float)sim.fighterPosition.y,
                             (float)sim.fighterPosition.altitude);
    s.fighterReference = s.fighterPosition + referenceOffset;
    s.fighterVelocity = sim.fighter.velocity;
    s.seatStart = sim.geometry.seatStartOffset;

    const float t = s.elapsedS;
    s.fighterDrift = s.fighterVelocity * t;
    if (sim.params.applyGOnFighter) s.fighterDrift.z -= 4.9f * t * t;

    s.fighterCrashed = bodies.crashed;
    s.fighterPoint = bodies.crashed ? bodies.crashPoint : s.fighterReference + s.fighterDrift;
    pilotAt(sim, bodies, s.pilotDisplacement, s.pilotVelocity);
    // Until the seat moves it rides in the fighter.
    s.pilotPoint = s.seatMoving ? s.pilotDisplacement + s.fighterPosition + s.seatStart
                                : s.fighterDrift + s.fighterPosition + s.seatStart;
    s.pilotFigure = s.pilotPoint;
    return s;
}

CameraScene cameraSceneFor(Simulation& sim, const BodyState& bodies, const PolyModel& model) {
    refreshSeatStartOffset(model, sim.attitude.pitchDeg, sim.attitude.rollDeg, sim.attitude.headingDeg, sim.geometry);
    Vec3 reference = model.partCount >= kPartFighter ? model.parts[kPartFighter].offset : Vec3();
    CameraScene s = cameraSceneFrom(sim, bodies, reference);
    // Before a run the bodies stand at the fighter position (the body pass
    // may not have been yet); during it where the body pass last drew them.
    Vec3 middle;
    if (partMiddle(model, kPartPilot, middle))
        s.pilotFigure = (s.running ? bodies.packagePoint : s.fighterPosition) + middle;
    return s;
}
