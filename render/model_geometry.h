// The numbers the simulation takes from the fighter model: where the seat sits
// in the cockpit, how far the seat moves when the fighter is turned, and the
// canopy's hinge and mounting angles. GL-free.
#pragma once

#include "render/model_pose.h"
#include "render/poly_model.h"
#include "sim/fighter_geometry.h"

// The canopy's far-edge marker: the first "V" slot of the canopy part (the
// point of the front frame on the centre line, the hinge being the canopy's
// pivot). 0 when the canopy has none.
int canopyFarEdgeSlot(const PolyModel& m);

// Fills geometry from the model after its initial pose, for the fighter's
// current attitude:
// - cockpitOffset: the cockpit offset the initial pose moves the seat parts by;
// - seatStartOffset: seatStartOffset() of the seat's and the fighter's pivots;
// - canopyHinge: the canopy's pivot (its hinge) turned with the fighter about
//   the fighter's pivot;
// - canopyMountAnglesDeg: pitch = slope of the line from the hinge down to the
//   far-edge marker (posed base positions, so the fighter's rest pitch is in
//   it); roll and heading 0.
void fillFighterGeometry(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                         FighterGeometry& geometry);

// The whole start-up (and reload) sequence: loads the model file, gives the
// parts their initial pose for the fighter's attitude and seat-back angle, and
// fills the geometry record. False when the file could not be loaded (the
// model is then empty and the error says why; the caller reports it).
bool loadFighterModel(const char* path, PolyModel& m, float pitchDeg, float rollDeg,
                      float headingDeg, float seatBackAngleDeg, float rocketCantDeg, SeatAxes& axes,
                      PartSnapshot& snapshot, FighterGeometry& geometry, LoadError* error = nullptr);

// Only the attitude-dependent value (seatStartOffset), for attitude changes.
void refreshSeatStartOffset(const PolyModel& m, float pitchDeg, float rollDeg, float headingDeg,
                            FighterGeometry& geometry);
