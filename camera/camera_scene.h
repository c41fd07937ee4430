// What the cameras need to know of the scene in one frame: where the fighter
// and the pilot are, how fast they go and whether a run is playing. Filled
// from the simulation and the body records, so the camera geometry itself
// reads nothing but this record.
#pragma once

#include "sim/vec3.h"

struct BodyState;
struct PolyModel;
struct Simulation;

struct CameraScene {
    bool running = false;        // a run is playing
    float elapsedS = 0.0f;       // playback time since the trigger (flightTime)
    bool seatMoving = false;     // the time since ejection has left 0
    Vec3 fighterPosition;        // the fighter position record
    Vec3 fighterReference;       // R: fighter position + the model's reference offset
    Vec3 fighterVelocity;        // playback velocity of the run
    Vec3 fighterPoint;           // F: R moved along the run, or the crash point
    bool fighterCrashed = false; // the abandoned fighter lies burning at F
    Vec3 fighterDrift;           // velocity x elapsed, less the gravity drop
    Vec3 seatStart;              // seat-start offset for the current attitude
    Vec3 pilotDisplacement;      // D: the pilot relative to the fighter's start
    Vec3 pilotVelocity;          // trajectory velocity at D's sample
    Vec3 pilotPoint;             // Q: where the pilot is in the world
    // The middle of the pilot figure: in the cockpit before a run, during it
    // where the body pass last drew it. Q is the package's reference point,
    // which lies some metres off the figure (the cockpit offset is part of
    // the figure's own shape): near enough to tell at a close pass. Q itself
    // while no model gives the figure.
    Vec3 pilotFigure;
    float catapultPhaseTimeS = 0.0f;
    float seatTimeS = 0.0f;
};

// fighterReferenceOffset is the reference offset of the fighter's model part.
CameraScene cameraSceneFrom(const Simulation& sim, const BodyState& bodies,
                            const Vec3& fighterReferenceOffset);

// The same from the records as they stand: refreshes the seat-start offset
// for the fighter's attitude first, and takes the reference offset from the
// fighter's model part (none while no model is loaded) and the pilot figure
// from the model's pilot part where the bodies last stood.
CameraScene cameraSceneFor(Simulation& sim, const BodyState& bodies, const PolyModel& model);
