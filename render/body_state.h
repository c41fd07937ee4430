// What the body drawing works out each frame about the ejection: where the
// fighter and the seat-and-pilot package are, how high the pilot is, and the
// per-run moments (crash, landing, parachute sound) it has passed. The body
// pass writes it; the overlay, the cameras and the sounds read it.
#pragma once

#include "sim/vec3.h"

struct BodyState {
    // ---- read by the overlay, cameras and sounds ----------------------------
    // Seat-and-pilot height above the ground in metres this frame: the
    // package position's height + the seat-start offset + 2.3 - 0.4. Before a
    // run, the seat's height in the cockpit; 0 once landed.
    float pilotHeightM = 0.0f;
    // The pilot is on the ground (per run); landedSeatTimeS is seatTime then.
    bool landed = false;
    double landedSeatTimeS = 0.0;
    // The abandoned fighter has hit the ground (per run) at crashPoint, where
    // the fire burns until the run is reset.
    bool crashed = false;
    Vec3 crashPoint;
    // World positions drawn this frame: the fighter (the crash point once
    // crashed) and the seat-and-pilot package (the trajectory position, or
    // the touchdown point once landed). Before a run both are the fighter's.
    Vec3 fighterPoint;
    Vec3 packagePoint;
    // The seat-start offset used this frame (a copy of
    // fighterGeometry.seatStartOffset, which refreshSeatStartOffset keeps):
    // shadows and parachutes sit at the package position plus this.
    Vec3 seatStartOffset;

    // ---- the body pass's own per-run memory ---------------------------------
    Vec3 touchdownPoint;
    Vec3 fighterAtCrash;             // where the fighter went in (a hinged canopy stays there)
    bool fireSoundStarted = false;
    bool chuteSoundPlayed = false;
    float packDistanceM = 0.0f;      // latched largest package-to-pack distance
    bool catapultSnapshotTaken = false;
    bool mainFireSnapshotTaken = false;
    Vec3 drogueReleasePoint;         // package position at drogue release
    bool drogueReleasePointSet = false;
    // Identifies the run these flags belong to, so a new trigger starts
    // clean even when no idle frame came between.
    unsigned runStartMs = 0;
    double lastFlightTimeS = 0.0;
    bool runSeen = false;
};

extern BodyState bodyState;

// Clears the per-run part (a new run, or the run was stopped).
void resetBodyRun(BodyState& state);
