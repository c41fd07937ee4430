#include "render/body_replay.h"

#include "render/bodies.h"
#include "render/model_geometry.h"
#include "render/scene_switches.h"
#include "sim/playback.h"
#include "sim/simulation.h"

namespace {

// The replay's own draws for the fire and the plume's flicker, which no
// replayed frame shows: the program's sequence goes on as if it had not run.
struct ReplayRandom : RandomSource {
    int n = 0;
    int next() override { return (n += 7919) % 32768; }
};
ReplayRandom replayRandom;

void playFrameAt(Simulation& sim, BodyScene& scene, int32_t ms) {
    setPlaybackClocksTo(sim.clocks, ms, sim.params, sim.times);
    advanceDescentForFrame(sim);
    planBodyFrame(sim, scene);
}

// Posing the parts and building the parachutes is most of a frame's cost,
// and only the crew's pose in the frame before a part snapshot outlasts its
// frame: the snapshot keeps it. Every other frame keeps only its memory.
bool nextFrameTakesSnapshot(const Simulation& sim, const BodyState& state, int32_t nextMs) {
    PlaybackClocks next;
    setPlaybackClocksTo(next, nextMs, sim.params, sim.times);
    const BodyPhase phase = bodyPhaseAt(next.seatTime, runPhaseTimes(sim));
    return (phase.afterCatapultSnapshot && !state.catapultSnapshotTaken) ||
           (phase.afterMainFireSnapshot && !state.mainFireSnapshotTaken);
}

}  // namespace

long replayBodyPass(Simulation& sim, BodyScene& scene, int32_t fromMs, int32_t toMs) {
    if (!sim.clocks.playing) return 0;
    const PlaybackClocks kept = sim.clocks;
    int32_t ms = fromMs;
    if (toMs < fromMs || !scene.state.runSeen) {
        // From the trigger: the per-run memory and the descent start afresh,
        // as when the run began.
        scene.state.runSeen = false;
        resetDescent(sim.descent);
        ms = 0;
    } else {
        ms = fromMs + kReplayFrameMs;
    }
    long frames = 0;
    for (; ms < toMs; ms += kReplayFrameMs, ++frames) {
        const int32_t next = ms + kReplayFrameMs < toMs ? ms + kReplayFrameMs : toMs;
        scene.posed = nextFrameTakesSnapshot(sim, scene.state, next);
        playFrameAt(sim, scene, ms);
    }
    scene.posed = true;
    playFrameAt(sim, scene, toMs);
    sim.clocks = kept;
    return frames + 1;
}

long replayBodies(int32_t fromMs, int32_t toMs) {
    BodyScene scene{polyModel,    partSnapshot, seatAxes,      bodyState,
                    bodyAttitude, drogueMesh,   mainMesh,      replayRandom, sceneSwitches.fighter};
    return replayBodyPass(simulation, scene, fromMs, toMs);
}
