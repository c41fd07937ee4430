// Cost of bringing the bodies to a clock moved by hand while paused: the body
// pass played again from the trigger (a step back) to the moment shown, on
// the shipped model (run from the build folder, where its Data folder is).
#include <benchmark/benchmark.h>

#include <memory>

#include "render/body_frame.h"
#include "render/body_replay.h"
#include "render/model_geometry.h"
#include "sim/playback.h"
#include "sim/playback_step.h"
#include "sim/simulation.h"

namespace {

struct Scene {
    PolyModel model;
    PartSnapshot snapshot;
    SeatAxes axes;
    BodyState state;
    BodyAttitudeState attitude;
    ChuteMesh drogue, main;
    struct : RandomSource {
        int n = 0;
        int next() override { return (n += 7919) % 32768; }
    } random;
};

// The run of setUp, and the scene's model loaded; false without a model.
bool prepare(Simulation& sim, Scene& s, void (*setUp)(Simulation&)) {
    setDefaults(sim);
    resetToZeroZero(sim, 0);
    setUp(sim);
    const FighterAttitude& a = sim.attitude;
    if (!loadFighterModel("Data/poly.txt", s.model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.params.seatBackAngleDeg,
                          (float)sim.constants.rocketCantDeg, s.axes, s.snapshot, sim.geometry))
        return false;
    normalizeAttitude(sim.attitude, sim.fighterPosition, sim.params);
    refreshSeatStartOffset(s.model, a.pitchDeg, a.rollDeg, a.headingDeg, sim.geometry);
    startEjection(sim, false, 0, 25);
    return true;
}

// From the stored run's end back to share of it.
void stepBack(benchmark::State& state, void (*setUp)(Simulation&), double share) {
    auto s = std::make_unique<Scene>();
    Simulation& sim = simulation;
    if (!prepare(sim, *s, setUp)) {
        state.SkipWithError("no Data/poly.txt: run from the build folder");
        return;
    }
    BodyScene scene{s->model, s->snapshot, s->axes, s->state, s->attitude, s->drogue, s->main, s->random, true};
    const int32_t end = storedRunEndMs(sim);
    const int32_t to = (int32_t)(end * share);
    long frames = 0;
    for (auto _ : state) {
        replayBodyPass(sim, scene, 0, end);
        frames = replayBodyPass(sim, scene, end, to);
    }
    state.counters["frames"] = (double)frames;
    state.counters["runS"] = end * 0.001;
}

void mode2(Simulation& sim) {
    sim.params.initialTasKt = 420.0f;
    sim.fighterPosition.altitude = 1500.0;
}
void mode5(Simulation& sim) {
    sim.params.initialTasKt = 250.0f;
    sim.fighterPosition.altitude = 6000.0;
}

void BM_StepBackMode2ToDrogue(benchmark::State& s) { stepBack(s, mode2, 0.07); }
void BM_StepBackMode2ToEnd(benchmark::State& s) { stepBack(s, mode2, 0.999); }
void BM_StepBackMode5ToEnd(benchmark::State& s) { stepBack(s, mode5, 0.999); }

}  // namespace

BENCHMARK(BM_StepBackMode2ToDrogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepBackMode2ToEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepBackMode5ToEnd)->Unit(benchmark::kMillisecond);
