#include "sim/simulation.h"

#include <new>
#include <type_traits>

Trajectory trajectoryStore;
Simulation simulation;
FighterGeometry& fighterGeometry = simulation.geometry;

void fighterPositionAt(const FighterPlayback& f, double T, double out[3]) {
    out[0] = f.start[0] + f.velocity.x * T;
    out[1] = f.start[1] + f.velocity.y * T;
    out[2] = f.start[2] + f.velocity.z * T;
    if (f.applyG) out[2] -= 9.8 * T * T / 2.0;
}

void renewSimulation(Simulation& sim) {
    static_assert(std::is_trivially_default_constructible_v<CanopyPoint>,
                  "a canopy sample with a constructor of its own would be cleared at every renewal");
    Trajectory* store = sim.trajectory;
    sim.~Simulation();
    // Default-initialised: every field takes its member initialiser; the
    // sample arrays, which have none, keep their bytes.
    new (&sim) Simulation;
    sim.trajectory = store;
}

void setDefaults(Simulation& sim) {
    setDefaultParams(sim.params, sim.constants, sim.attitude, sim.fighterPosition);
    buildParachuteModels(sim.params, sim.mainChute, sim.drogue);
    sim.mainRadii.count = 0;
    sim.clocks = PlaybackClocks();
}

bool deriveCatapult(Simulation& sim) {
    return deriveCatapult(sim.params, sim.constants, sim.attitude, sim.derived, sim.catapult, sim.ejection);
}
