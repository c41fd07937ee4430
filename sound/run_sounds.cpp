#include "sound/run_sounds.h"

#include "sound/sound_events.h"

RunSoundWatch runSoundWatch;

void updateRunSounds(const RunSoundFrame& f) {
    RunSoundWatch& w = runSoundWatch;
    if (!f.playing) {
        if (w.running) soundRunReset();
        w = RunSoundWatch();
        return;
    }
    if (!w.running || w.runStartMs != f.runStartMs) {
        // A new trigger replaces the run even without an idle frame between.
        if (w.running) soundRunReset();
        w.running = true;
        w.runStartMs = f.runStartMs;
        soundRunStarted();
    }
    if (f.clockMoved) {
        MovedClockSounds m;
        m.flightTimeS = f.flightTimeS;
        m.countdownS = f.countdownS;
        m.canopyDelayS = f.canopyDelayS;
        m.catapultPhaseTimeS = f.catapultPhaseTimeS;
        m.back = f.clockMovedBack;
        m.crashed = f.crashed;
        m.wasCrashed = w.crashed;
        m.chuteOpeningPassed = f.chuteOpeningPassed;
        m.landed = f.landed;
        soundsForMovedClock(m);
    }
    w.crashed = f.crashed;
    if (f.crashed) updateCrashSounds(f.eyeToCrashM);
    else updateEngineSound(f.fighterSpeedMs, f.eyeToFighterM);
    updateEjectionSound(f.flightTimeS, f.countdownS, f.canopyDelayS, f.catapultPhaseTimeS);
    updateCatapultSound(f.flightTimeS, f.countdownS, f.canopyDelayS, f.catapultPhaseTimeS, f.eyeToSeatM);
}
