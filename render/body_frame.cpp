#include "render/body_frame.h"

#include <cmath>

#include "sim/seat_dynamics.h"
#include "sim/simulation.h"

namespace {

constexpr float kPilotHeightDrop = 0.4f;   // from the seat's mounting to the pilot's seat pan
constexpr float kCrashDepthM = -0.5f;
constexpr float kShadowRaiseM = 2.3f;
constexpr float kSeatApartM = 1.35f;

Vec3 toVec(const double p[3]) { return Vec3((float)p[0], (float)p[1], (float)p[2]); }
Vec3 toVec(const float p[3]) { return Vec3(p[0], p[1], p[2]); }

Vec3 trajectoryPosition(const Trajectory& t, long index) {
    int i = clampTrajectoryIndex(t, index);
    return Vec3((float)t.px[i], (float)t.py[i], (float)t.pz[i]);
}

Vec3 trajectoryVelocity(const Trajectory& t, long index) {
    int i = clampTrajectoryIndex(t, index);
    return Vec3((float)t.vx[i], (float)t.vy[i], (float)t.vz[i]);
}

long msIndex(double seconds) {
    double at = seconds * 1000.0;
    if (!(at > 0.0)) return 0;
    if (at > 2e9) return 2000000000L;
    return (long)at;
}

PhaseTimes phaseTimesOf(const Simulation& sim) {
    PhaseTimes p;
    p.catapultEndS = sim.derived.catapultPhaseTimeS;
    p.tRocketFire = sim.times.tRocketFire;
    p.rocketBurnS = sim.params.rocketBurnTimeS;
    p.tDrogueFire = sim.times.tDrogueFire;
    p.tDrogueRelease = sim.times.tDrogueRelease;
    p.tMainFire = sim.times.tMainFire;
    // A separation time left by an earlier run does not count in this one.
    p.tSeatManSeparation = sim.sequencerRun.seatSeparated ? sim.times.tSeatManSeparation : kEventNeverS;
    p.mode = sim.times.seqMode;
    return p;
}

// The empty seat's drawn position: its own path, held where it landed.
Vec3 emptySeatAt(const EmptySeat& seat, long index) {
    Vec3 p = emptySeatPosition(seat, index);
    if (seat.landed && p.z < seat.landingPosition.z) p = seat.landingPosition;
    return p;
}

// Back to the cockpit pose (the seat, pilot, pack and plume as the fighter's
// attitude leaves them), with fresh seat axes and snapshot.
void reposeInCockpit(const Simulation& sim, BodyScene& s) {
    const FighterAttitude& a = sim.attitude;
    applyFighterAttitude(s.model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.params.seatBackAngleDeg,
                         s.seatAxes, s.snapshot);
}

void planBeforeRun(const Simulation& sim, BodyScene& s, BodyFrame& f) {
    BodyState& st = s.state;
    const FighterPosition& fp = sim.fighterPosition;
    Vec3 at((float)fp.x, (float)fp.y, (float)fp.altitude);
    st.fighterPoint = at;
    st.packagePoint = at;
    st.pilotHeightM = at.z + st.seatStartOffset.z + sim.geometry.cockpitOffset.z - kPilotHeightDrop;
    f.crewInCockpit = true;
    f.fighter = PlacedPart{s.fighterShown, at};
    f.canopy = PlacedPart{s.fighterShown, at};
    f.pilot = PlacedPart{true, at};
    f.seat = PlacedPart{true, at};
    f.pack = PlacedPart{true, at};
    // A fighter switched off casts no shadow either.
    f.fighterShadow = PlacedPart{s.fighterShown, at};
    f.seatShadow = PlacedPart{true, at};
    // sound: dog bark (one frame in 3300 on average, fighter shown or not)
    f.dogBark = s.random.next() % 3300 == 33;
}

// A new trigger (or the first frame of a run) starts from clean per-run
// flags, an armed swing latch and the crew back in the cockpit.
void noteRun(const Simulation& sim, BodyScene& s) {
    BodyState& st = s.state;
    const PlaybackClocks& c = sim.clocks;
    bool fresh = !st.runSeen || st.runStartMs != c.startTimeMs || c.flightTime < st.lastFlightTimeS;
    if (fresh) {
        resetBodyRun(st);
        armSwingLatch(s.attitude);
        reposeInCockpit(sim, s);
        st.runSeen = true;
        st.runStartMs = c.startTimeMs;
    }
    st.lastFlightTimeS = c.flightTime;
}

void poseRocketPitched(const Simulation& sim, BodyScene& s, float pitchDeg) {
    const EjectionAttitude& e = sim.ejection;
    const int parts[3] = {kPartPilot, kPartSecondPilot, kPartSeat};
    for (int part : parts) {
        if (!s.posed) break;
        posePartStage(s.model, part, part, pitchDeg, 0.0f, 0.0f, 0.0f);
        posePartFinal(s.model, part, kPartFighter, e.pitchDeg, e.rollDeg, e.headingDeg);
    }
    s.seatAxes = computeSeatAxes(sim.params.seatBackAngleDeg, pitchDeg, e.pitchDeg, e.rollDeg, e.headingDeg);
}

void planCanopy(const Simulation& sim, const Vec3& fighterAt, BodyScene& s, BodyFrame& f) {
    const CanopyBody& cb = sim.canopy;
    double at = sim.clocks.canopyTime * 1000.0;
    int limit = cb.stepCount < kCanopySampleCapacity ? cb.stepCount : kCanopySampleCapacity;
    if (!(at < limit)) return;  // the canopy's samples are over
    int i = canopySampleIndex(cb, sim.clocks.canopyTime);
    float pitch = cb.pitchSamples[i] > 0.0f ? -cb.pitchSamples[i] : -0.0f;
    const FighterAttitude& a = sim.attitude;
    posePartStage(s.model, kPartCanopy, kPartCanopy, pitch, 0.0f, 0.0f, 0.0f);
    posePartFinal(s.model, kPartCanopy, kPartFighter, a.pitchDeg, a.rollDeg, a.headingDeg);
    recomputePartNormals(s.model, kPartCanopy);
    bool left = canopyLeftFighter(cb, sim.clocks.canopyTime);
    f.canopy = PlacedPart{true, left ? cb.positionSamples[i] : fighterAt};
}

void planDrogue(const Simulation& sim, double t, const Vec3& start, const Vec3& packageAt,
                BodyScene& s, BodyFrame& f) {
    const Trajectory& tr = *sim.trajectory;
    const SequencerTimes& T = sim.times;
    float percent = drogueInflationPercent(t - T.tDrogueFire);
    buildDrogueMesh(s.drogueMesh, chuteCarrierOf(s.model), percent, sim.params.drogueDiameterM);
    shiftChuteMesh(s.drogueMesh, 0.0f, 4.0f, 3.1f);
    ChuteOrientation o = chuteOrientation(trajectoryVelocity(tr, msIndex(t)));
    orientChuteMesh(s.drogueMesh, s.model.parts[kPartPilot].partPivot, o.pitchDeg, 0.0f, o.headingDeg, 0.0f);
    bool attached = t < T.tDrogueRelease;
    // Released, it stays for a second where the package let it go.
    Vec3 at = attached ? packageAt : start + trajectoryPosition(tr, msIndex(T.tDrogueRelease));
    f.drogue = ChuteDraw{true, at + s.state.seatStartOffset, attached, f.seat.at};
}

void planMain(const Simulation& sim, double t, bool steady, const Vec3& packageAt, const Vec3& packAt,
              BodyScene& s, BodyFrame& f) {
    BodyState& st = s.state;
    const SequencerTimes& T = sim.times;
    const ParachuteModel& chute = sim.mainChute;
    const double since = t - T.tMainFire;
    const float diameter = sim.params.mainChuteDiameterM;

    const MainRadiusRecord& radii = sim.mainRadii;
    int count = radii.count < kRadiusRecordCapacity ? radii.count : kRadiusRecordCapacity;
    long ri = msIndex(since);
    float radius = count > 0 ? radii.radius[ri < count ? ri : count - 1] : 0.0f;
    bool open = chute.fullyOpen && since > chute.fullyOpenTime;
    float percent = mainInflationPercent(radius, diameter, open);

    // sound: parachute opening, once, 1.3 s before full inflation
    if (chute.fullyOpen && !st.chuteSoundPlayed && since >= chute.fullyOpenTime - 1.3) {
        st.chuteSoundPlayed = true;
        f.chuteOpeningNow = true;
    }
    if (!s.posed) return;

    Vec3 direction;
    float line;
    if (steady) {
        direction = toVec(sim.descent.v);
        line = mainLineLength(1e9f, diameter, true);
    } else {
        bool stretched = sim.lineStretch.stretched && t > T.tLineStretch;
        // The pack leads the canopy out until the lines are stretched; from
        // then on the canopy trails the package along its path, as it does in
        // the steady descent (the pack, falling faster, would drag it below).
        direction = stretched ? trajectoryVelocity(*sim.trajectory, msIndex(t)) : packageAt - packAt;
        line = mainLineLength(st.packDistanceM, diameter, stretched);
    }
    buildMainMesh(s.mainMesh, chuteCarrierOf(s.model), percent, diameter, line, since < 0.09);
    shiftChuteMesh(s.mainMesh, 0.0f, 4.0f, 2.8f);
    ChuteOrientation o = chuteOrientation(direction);
    orientChuteMesh(s.mainMesh, s.model.parts[kPartPilot].partPivot, o.pitchDeg, 0.0f, o.headingDeg, 0.0f);
    f.main = ChuteDraw{true, packageAt + st.seatStartOffset, true, packageAt};
}

// Where the frame puts the fighter and the seat-and-pilot package.
struct FramePlaces {
    double t;      // seat time
    Vec3 start;    // the fighter at the trigger
    Vec3 offset;   // the seat's start offset
    bool steady;   // the live descent carries the package
    Vec3 flying;   // the fighter on its path
    Vec3 fighter;  // where it is drawn (its crash point once crashed)
    Vec3 package;
};

// 1 to 3: the fighter and the package, the crash of the abandoned fighter and
// the pilot reaching the ground.
FramePlaces placeFighterAndPackage(const Simulation& sim, BodyScene& s, BodyFrame& f) {
    BodyState& st = s.state;
    const PlaybackClocks& c = sim.clocks;
    FramePlaces w;
    w.t = c.seatTime;
    w.start = toVec(sim.fighter.start);
    w.offset = st.seatStartOffset;

    // 1. The fighter and the seat-and-pilot package.
    double fp[3];
    fighterPositionAt(sim.fighter, c.flightTime, fp);
    w.flying = toVec(fp);
    w.steady = w.t > sim.times.tMainFire + 10.0 && sim.descent.active;
    Vec3 P;
    if (c.seatIndex == 0) P = w.flying;
    else if (w.steady) P = w.start + toVec(sim.descent.p);
    else P = w.start + trajectoryPosition(*sim.trajectory, c.seatIndex);

    // 2. The crash of the abandoned fighter.
    if (!st.crashed && w.flying.z < kCrashDepthM) {
        const Vec3& pivot = s.model.parts[kPartFighter].partPivot;
        st.crashed = true;
        st.crashPoint = Vec3(pivot.x + w.flying.x, pivot.y + w.flying.y, 0.0f);
        st.fighterAtCrash = Vec3(w.flying.x, w.flying.y, kCrashDepthM);
        f.crashedNow = true;  // sound: crash and fire start, engine and ejection sound stop
    }
    w.fighter = st.crashed ? st.crashPoint : w.flying;

    // 3. The pilot reaching the ground.
    const float mount = w.offset.z + sim.geometry.cockpitOffset.z;
    float height = P.z + mount - kPilotHeightDrop;
    if (!st.landed && height <= 0.0f) {
        st.landed = true;
        st.landedSeatTimeS = w.t;
        st.touchdownPoint = Vec3(P.x, P.y, 0.5f - mount);
        f.landedNow = true;  // sound: wind stops
    }
    if (st.landed) P = st.touchdownPoint;
    st.pilotHeightM = st.landed ? 0.0f : height;
    st.fighterPoint = w.fighter;
    st.packagePoint = P;
    w.package = P;
    return w;
}

// 4 and 5: the crash fire or the fighter with its shadow, then the canopy,
// hinged on the fighter (where it came down, once crashed) or flying free.
void planFighter(const Simulation& sim, const FramePlaces& w, BodyScene& s, BodyFrame& f) {
    const BodyState& st = s.state;
    if (st.crashed) {
        f.crashFire = true;
        f.crashPoint = st.crashPoint;
        f.fireSize = crashFireSize(s.random);
        f.fireFrame = atlasFrame(fireAnim, sim.clocks.flightTime);
    } else if (s.fighterShown) {
        f.fighter = PlacedPart{true, w.fighter};
        f.fighterShadow = PlacedPart{true, w.fighter};
    }
    if (s.posed) planCanopy(sim, st.crashed ? st.fighterAtCrash : w.fighter, s, f);
}

// The model's parts as the catapult stroke and the main parachute's fire
// leave them, once each run.
void takeSnapshots(const Simulation& sim, const BodyPhase& phase, BodyScene& s) {
    BodyState& st = s.state;
    const bool secondFigure = sim.sequencerRun.seatSeparated && sim.clocks.sinceSeparation > 0.2;
    if (phase.afterCatapultSnapshot && !st.catapultSnapshotTaken) {
        takePartSnapshot(s.model, s.snapshot, secondFigure);
        st.catapultSnapshotTaken = true;
    }
    if (phase.afterMainFireSnapshot && !st.mainFireSnapshotTaken) {
        takePartSnapshot(s.model, s.snapshot, secondFigure);
        st.mainFireSnapshotTaken = true;
    }
}

// The seat and pilot pitched by the rocket, or turned to their velocity.
void poseSeatAndPilot(const Simulation& sim, const BodyPhase& phase, const FramePlaces& w, BodyScene& s,
                      const BodyFrame& f) {
    const PlaybackClocks& c = sim.clocks;
    if (phase.pose == SeatPose::RocketPitched) {
        poseRocketPitched(sim, s, rocketPitchDeg(c.sinceRocketFire, sim.params));
        return;
    }
    const bool aligned = phase.pose == SeatPose::AlignedRigid || phase.pose == SeatPose::AlignedSwinging;
    // Once down, the pilot keeps the attitude he landed in.
    if (!aligned || (s.state.landed && !f.landedNow)) return;
    const SequencerTimes& T = sim.times;
    const Trajectory& tr = *sim.trajectory;
    AttitudeInputs in;
    in.velocity = w.steady ? toVec(sim.descent.v) : trajectoryVelocity(tr, msIndex(w.t));
    in.kind = phase.pose == SeatPose::AlignedRigid ? AttitudeKind::Rigid : AttitudeKind::Swinging;
    in.mode = T.seqMode;
    in.playing = true;
    in.seatTimeS = w.t;
    in.tMainFire = T.tMainFire;
    in.sinceMainFire = c.sinceMainFire;
    in.sinceDrogueFire = c.sinceDrogueFire;
    in.mainFireSpeedMs = trajectoryVelocity(tr, msIndex(T.tMainFire)).length();
    in.totalMassKg = sim.params.totalMassKg;
    in.seatStartOffset = w.offset;
    in.moveVertices = s.posed;
    alignBodyToVelocity(s.model, s.snapshot, kPartPilot, kPartPilot, s.seatAxes, in, s.attitude);
    if (phase.seatDrawn) alignBodyToVelocity(s.model, s.snapshot, kPartSeat, kPartSeat, s.seatAxes, in, s.attitude);
}

// The pilot, and the seat with him or on its own path once it has fallen
// away from him; their shadows.
void placeSeatAndPilot(const Simulation& sim, const BodyPhase& phase, const FramePlaces& w, const BodyScene& s,
                       BodyFrame& f) {
    const PlaybackClocks& c = sim.clocks;
    const Vec3& P = w.package;
    const Vec3 shadowLift(w.offset.x, w.offset.y, w.offset.z + kShadowRaiseM);
    f.pilot = PlacedPart{true, P};
    f.pilotShadow = PlacedPart{phase.pilotShadow, P + shadowLift};
    Vec3 seatAt = P;
    if (phase.seatMayLeave && sim.emptySeat.computed) {
        Vec3 own = emptySeatAt(sim.emptySeat, c.separationIndex);
        Vec3 pilotRel = s.state.landed ? P - w.start : trajectoryPosition(*sim.trajectory, c.seatIndex);
        if (std::fabs(pilotRel.length() - own.length()) > kSeatApartM) seatAt = w.start + own;
    }
    f.seat = PlacedPart{phase.seatDrawn, seatAt};
    f.seatShadow = PlacedPart{phase.seatDrawn && phase.seatShadow, seatAt + shadowLift};
}

// The seat rocket's plume while it burns.
void planPlume(const Simulation& sim, const Vec3& packageAt, BodyScene& s, BodyFrame& f) {
    const EjectionAttitude& e = sim.ejection;
    float pitch = sim.times.seqMode == 1 ? rocketPitchDeg(sim.clocks.sinceRocketFire, sim.params) : 0.0f;
    posePartStage(s.model, kPartRocketPlume, kPartSeat, pitch, 0.0f, 0.0f, 0.0f);
    posePartFinal(s.model, kPartRocketPlume, kPartFighter, e.pitchDeg, e.rollDeg, e.headingDeg);
    f.plume = PlacedPart{true, packageAt};
    f.plumeEmission = plumeFlicker(s.random);
    f.plumeVisible = sim.params.rocketThrustLb > 100.0f;
}

// The parachute pack on its own path; returns where it is. The farthest it
// has pulled away from the package sets the main's line length.
Vec3 planPack(const Simulation& sim, const BodyPhase& phase, const FramePlaces& w, BodyScene& s, BodyFrame& f) {
    BodyState& st = s.state;
    Vec3 packAt = w.start + packPosition(sim.pack, sim.clocks.mainIndex);
    if (w.t > sim.times.tMainFire && !phase.steadyDescent) {
        float d = (packAt - w.package).length();
        if (d > st.packDistanceM) st.packDistanceM = d;
    }
    if (phase.pack && s.posed) {
        const EjectionAttitude& e = sim.ejection;
        posePartStage(s.model, kPartPack, kPartPilot, rocketPitchDeg(sim.params.rocketBurnTimeS, sim.params), 0.0f,
                      0.0f, 0.0f);
        posePartFinal(s.model, kPartPack, kPartFighter, e.pitchDeg, e.rollDeg, e.headingDeg);
        f.pack = PlacedPart{true, packAt};
    }
    return packAt;
}

}  // namespace

PhaseTimes runPhaseTimes(const Simulation& sim) { return phaseTimesOf(sim); }

BodyFrame planBodyFrame(const Simulation& sim, BodyScene& s) {
    BodyFrame f;
    BodyState& st = s.state;
    st.seatStartOffset = sim.geometry.seatStartOffset;
    f.playing = sim.clocks.playing != 0;
    if (!f.playing) {
        if (st.runSeen) {
            // The run was stopped: the crew goes back into the cockpit.
            resetBodyRun(st);
            reposeInCockpit(sim, s);
        }
        planBeforeRun(sim, s, f);
        return f;
    }
    noteRun(sim, s);

    const FramePlaces w = placeFighterAndPackage(sim, s, f);
    planFighter(sim, w, s, f);

    // 6. Seat, pilot, plume and parachutes by phase.
    const BodyPhase phase = bodyPhaseAt(w.t, phaseTimesOf(sim));
    takeSnapshots(sim, phase, s);
    poseSeatAndPilot(sim, phase, w, s, f);
    placeSeatAndPilot(sim, phase, w, s, f);
    if (phase.plume && s.posed) planPlume(sim, w.package, s, f);
    if (phase.drogue && s.posed) planDrogue(sim, w.t, w.start, w.package, s, f);
    const Vec3 packAt = planPack(sim, phase, w, s, f);
    if (phase.mainChute && !st.landed) planMain(sim, w.t, w.steady, w.package, packAt, s, f);
    return f;
}
