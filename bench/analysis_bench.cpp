// Cost of analysing a computed run: the spine over the stored window, the
// full opening and the touchdown carried through the descent.
#include <benchmark/benchmark.h>

#include "sim/playback.h"
#include "sim/injury_analysis.h"
#include "sim/run_analysis.h"
#include "sim/simulation.h"

namespace {

void analyse(benchmark::State& state, void (*setUp)(Simulation&), bool quick, bool withSeries) {
    Simulation& sim = simulation;
    setDefaults(sim);
    setUp(sim);
    startEjection(sim, quick, 0, 7);
    static RunAnalysis analysis;
    static SpinalSeries series;
    SpinalSeries* out = withSeries ? &series : nullptr;
    for (auto _ : state) {
        analyseRun(sim, analysis, out);
        // The results live in static storage; DoNotOptimize on a double
        // of it has been seen to write a wrong value back.
        benchmark::ClobberMemory();
    }
    state.counters["samples"] = sim.trajectory->lastIndex;
    state.counters["dri"] = analysis.dri;
    state.counters["touchdownS"] = analysis.touchdown.timeS;
}

// The injury figures after the analysis: the response of the three axes
// over the seat/man phase, the windblast and the opening shock.
void injuries(benchmark::State& state, void (*setUp)(Simulation&), bool quick, bool withSeries) {
    Simulation& sim = simulation;
    setDefaults(sim);
    setUp(sim);
    startEjection(sim, quick, 0, 7);
    static RunAnalysis analysis;
    static ResponseSeries series;
    analyseRun(sim, analysis, nullptr);
    for (auto _ : state) {
        analyseInjuries(sim, analysis, withSeries ? &series : nullptr);
        benchmark::ClobberMemory();
    }
    state.counters["seatManS"] = analysis.injury.responseEndS;
    state.counters["betaLow"] = analysis.injury.response.beta[kRiskLow].value;
}

void defaultRun(Simulation&) {}
void highAndFast(Simulation& sim) {
    sim.fighterPosition.altitude = 3000.0;
    sim.params.initialTasKt = 450.0f;
}

void BM_AnalyseDefaultRun(benchmark::State& s) { analyse(s, defaultRun, false, false); }
void BM_AnalyseDefaultRunWithSeries(benchmark::State& s) { analyse(s, defaultRun, false, true); }
void BM_AnalyseQuickRunWithSeries(benchmark::State& s) { analyse(s, defaultRun, true, true); }
// A long descent: 3000 m above the ground at 450 kt.
void BM_AnalyseHighFastRun(benchmark::State& s) { analyse(s, highAndFast, false, false); }

}  // namespace

void BM_InjuriesDefaultRun(benchmark::State& s) { injuries(s, defaultRun, false, false); }
void BM_InjuriesQuickRunWithSeries(benchmark::State& s) { injuries(s, defaultRun, true, true); }
void BM_InjuriesHighFastRun(benchmark::State& s) { injuries(s, highAndFast, false, false); }

BENCHMARK(BM_AnalyseDefaultRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyseDefaultRunWithSeries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyseQuickRunWithSeries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyseHighFastRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InjuriesDefaultRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InjuriesQuickRunWithSeries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InjuriesHighFastRun)->Unit(benchmark::kMicrosecond);
