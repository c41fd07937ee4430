#include "sim/run_events.h"

#include <cmath>

#include "sim/simulation.h"

RunEvents runEvents(const Simulation& sim, bool fullyOpen, double fullyOpenTimeS, double coveredS) {
    RunEvents e{};
    const SequencerTimes& s = sim.times;
    const bool left = sim.catapult.strokeResult > 0, sensed = sim.sequencerRun.modeSensed;
    const double t[kRunEventCount] = {sim.derived.catapultPhaseTimeS, s.tRocketFire, s.tDrogueFire, s.tMainFire,
                                      s.tSeatManSeparation, fullyOpenTimeS};
    const bool set[kRunEventCount] = {left, left, sensed, sensed, sim.sequencerRun.seatSeparated, fullyOpen};
    for (int k = 0; k < kRunEventCount; ++k) {
        e.timeS[k] = t[k];
        e.happened[k] = set[k] && std::isfinite(t[k]) && t[k] <= coveredS;
    }
    return e;
}
