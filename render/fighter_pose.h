// Bringing the fighter model and the derived values up to date after its
// attitude, its position or the seat-back angle changed.
#pragma once

struct PolyModel;
struct Simulation;

// Normalises the attitude, then poses the fighter and the parts it carries at
// it and refreshes the seat-start offset.
void reposeFighter(Simulation& sim, PolyModel& model);

// Derived values, then the attitude normalised and the model posed.
void attitudeChanged(Simulation& sim, PolyModel& model);
