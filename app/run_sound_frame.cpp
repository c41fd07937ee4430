#include "app/run_sound_frame.h"

#include "app/playback_follow.h"

#include "render/body_state.h"
#include "sim/simulation.h"

RunSoundFrame runSoundFrame(const Simulation& sim, const BodyState& body, const Vec3& eye, const MovedClock& moved) {
    RunSoundFrame f;
    const PlaybackClocks& c = sim.clocks;
    f.playing = c.playing != 0;
    f.runStartMs = c.startTimeMs;
    f.flightTimeS = c.flightTime;
    f.countdownS = sim.params.countdownS;
    f.canopyDelayS = sim.params.canopyDelayS;
    f.catapultPhaseTimeS = sim.derived.catapultPhaseTimeS;
    f.fighterSpeedMs = sim.fighter.velocity.length();
    f.crashed = body.crashed;
    f.eyeToFighterM = (body.fighterPoint - eye).length();
    f.eyeToSeatM = (body.packagePoint - eye).length();
    f.eyeToCrashM = (body.crashPoint - eye).length();
    f.clockMoved = moved.moved;
    f.clockMovedBack = moved.back;
    f.chuteOpeningPassed = body.chuteSoundPlayed;
    f.landed = body.landed;
    return f;
}
