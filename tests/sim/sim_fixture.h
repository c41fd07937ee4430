// A simulation instance of its own for each test (the seat/man store is the
// shared process-wide block; tests run one after another).
#pragma once

#include <memory>

#include "sim/playback.h"
#include "sim/simulation.h"

inline std::unique_ptr<Simulation> makeDefaultSim() {
    auto sim = std::make_unique<Simulation>();
    setDefaults(*sim);
    return sim;
}

// A full (600 s) run started at t = 0 ms with a fixed random value.
inline EjectionStart ejectNow(Simulation& sim, int randomValue = 25) {
    return startEjection(sim, false, 0, randomValue);
}
