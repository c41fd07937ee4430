// The body pass worked out without GL: each frame it places the fighter, the
// canopy, the seat, the pilot, the pack, the plume and the two parachutes for
// the playback clocks, poses the model parts and builds the chute meshes, and
// hands body_pass_gl.cpp a list of what to draw where. It also keeps the
// per-run memory (crash, landing, snapshots) in BodyState.
#pragma once

#include "render/body_attitude.h"
#include "render/body_phase.h"
#include "render/body_state.h"
#include "render/chute_mesh.h"
#include "render/effects.h"
#include "render/model_pose.h"
#include "render/random_source.h"

struct Simulation;

// A model part drawn translated to a world position.
struct PlacedPart {
    bool shown = false;
    Vec3 at;
};

struct ChuteDraw {
    bool shown = false;
    Vec3 at;          // where the mesh is drawn (package position + seat-start offset)
    bool lines = false;
    Vec3 loadAt;      // translation of the part the lines are tied to
};

struct BodyFrame {
    bool playing = false;
    // Before a run: the canopy is closed on the fighter and the crew sits in it.
    bool crewInCockpit = false;
    PlacedPart fighter, fighterShadow;
    PlacedPart canopy;
    bool crashFire = false;
    Vec3 crashPoint;
    FireSize fireSize{30.0f, 18.0f};
    AtlasOffset fireFrame{0.0f, 1.0f};
    PlacedPart pilot, pilotShadow, seat, seatShadow, pack;
    PlacedPart plume;           // shown: the plume's emission is set (the rocket burns)
    bool plumeVisible = false;  // the part itself is drawn (thrust above 100 lb)
    PlumeEmission plumeEmission{0.0f, 0.0f, 0.0f};
    ChuteDraw drogue, main;
    // Moments passed in this frame, for the sounds.
    bool crashedNow = false, landedNow = false, chuteOpeningNow = false, dogBark = false;
};

struct BodyScene {
    PolyModel& model;
    PartSnapshot& snapshot;
    SeatAxes& seatAxes;
    BodyState& state;
    BodyAttitudeState& attitude;
    ChuteMesh& drogueMesh;
    ChuteMesh& mainMesh;
    RandomSource& random;
    bool fighterShown;
    // false: a frame played again only for what the pass keeps. No part is
    // posed and no parachute mesh built; the crew's axes still turn.
    bool posed = true;
};

// The event times the phase table reads, for this run.
PhaseTimes runPhaseTimes(const Simulation& sim);

// Plans one frame of the body pass for the simulation's clocks.
BodyFrame planBodyFrame(const Simulation& sim, BodyScene& scene);
