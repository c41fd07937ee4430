#include "render/fighter_pose.h"

#include "render/model_geometry.h"
#include "render/model_pose.h"
#include "sim/simulation.h"

void reposeFighter(Simulation& sim, PolyModel& model) {
    normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
    const FighterAttitude& a = sim.attitude;
    applyFighterAttitude(model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.params.seatBackAngleDeg, seatAxes,
                         partSnapshot);
    refreshSeatStartOffset(model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.geometry);
}

void attitudeChanged(Simulation& sim, PolyModel& model) {
    deriveCatapult(sim);
    reposeFighter(sim, model);
}
