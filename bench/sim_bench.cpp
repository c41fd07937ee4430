// Cost of computing a whole ejection at the trigger.
#include <benchmark/benchmark.h>

#include "sim/playback.h"
#include "sim/simulation.h"

namespace {

void runEjection(benchmark::State& state, void (*setUp)(Simulation&)) {
    Simulation& sim = simulation;
    setDefaults(sim);
    setUp(sim);
    startEjection(sim, false, 0, 7);  // first run touches the store's pages
    for (auto _ : state) {
        setDefaults(sim);
        setUp(sim);
        EjectionStart r = startEjection(sim, false, 0, 7);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(sim.trajectory->lastIndex);
    }
    state.counters["steps"] = sim.run.stepsRun;
}

void defaultRun(Simulation&) {}

void mode5From5600m(Simulation& sim) { sim.fighterPosition.altitude = 5600.0; }

// So high that the package never falls through 18000 ft: the main parachute
// never fires and the run fills all 600 s with drag computed at every step.
void neverDeploys(Simulation& sim) { sim.fighterPosition.altitude = 2000000.0; }

void BM_StartEjectionDefault(benchmark::State& s) { runEjection(s, defaultRun); }
void BM_StartEjectionMode5From5600m(benchmark::State& s) { runEjection(s, mode5From5600m); }
void BM_StartEjectionWorstCase600s(benchmark::State& s) { runEjection(s, neverDeploys); }

}  // namespace

BENCHMARK(BM_StartEjectionDefault)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEjectionMode5From5600m)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEjectionWorstCase600s)->Unit(benchmark::kMillisecond);
