// The sounds of an ejection run, driven once per frame after the bodies are
// drawn: a run that starts gets its engine, a run that ends (reset, HOME, a
// new trigger, the menu) stops its loops, the ejection sound and the
// catapult play as the clocks pass their moments, and the engine, or after
// the crash the crash and the fire, follow the camera's distance. Watching
// the run from the frame, rather than from every place that starts or stops
// one, means no reset can leave a loop running. (The moments the body pass
// finds itself, the crash, the landing, the parachute opening and the dog,
// start their sounds from there.)
#pragma once

#include <cstdint>

// What the frame knows about the run and the camera; distances in metres.
struct RunSoundFrame {
    bool playing = false;
    uint32_t runStartMs = 0;       // identifies the run
    double flightTimeS = 0.0;      // since the ejection command
    double countdownS = 0.0;
    double canopyDelayS = 0.0;
    float catapultPhaseTimeS = 0.0f;
    float fighterSpeedMs = 0.0f;
    bool crashed = false;          // the abandoned fighter is on the ground
    float eyeToFighterM = 0.0f;
    float eyeToSeatM = 0.0f;
    float eyeToCrashM = 0.0f;
    // The clock of a paused run was moved by hand since the last frame
    // (back: to an earlier moment); the parachute's sound moment lies behind;
    // the pilot is down.
    bool clockMoved = false;
    bool clockMovedBack = false;
    bool chuteOpeningPassed = false;
    bool landed = false;
};

// What the frames have seen of the current run.
struct RunSoundWatch {
    bool running = false;
    uint32_t runStartMs = 0;
    bool crashed = false;  // the last frame showed the fighter down
};
extern RunSoundWatch runSoundWatch;

void updateRunSounds(const RunSoundFrame& frame);
