// The sound switch and the effect events the rest of the program starts and
// stops. Every event does nothing while soundOn is off: no buffer is touched.
// The one-shot events of a run remember that they played until the run is
// reset.
#pragma once

extern bool soundOn;         // effects audible
extern bool soundAvailable;  // the sounds loaded; the menu keeps soundOn off otherwise

// Per-run flags of the one-shot events.
struct SoundRunFlags {
    bool ejectionSoundPlayed = false;
    bool catapultPlayed = false;
};
extern SoundRunFlags soundRun;

// Menu, spinner and dialog clicks.
void playClickSound();

// A run was started: the engine loops.
void soundRunStarted();
// A run was reset: engine, ejection sound, wind and fire stop; the one-shot
// flags clear (with sound off too, so the next run starts afresh).
void soundRunReset();

// Frame of a playing run: the engine's volume by the fighter's speed and the
// camera's distance to it.
void updateEngineSound(float fighterSpeedMs, float eyeToFighterM);
// Frame of a playing run: starts the ejection sound once its moment comes
// (flight time in seconds since the ejection command).
void updateEjectionSound(double flightTimeS, double countdownS, double canopyDelayS,
                         float catapultPhaseTimeS);
// Frame of a playing run: the catapult fires its sound once, 0.08 s before
// the stroke ends, at the volume for the camera's distance to the seat.
void updateCatapultSound(double flightTimeS, double countdownS, double canopyDelayS,
                         float catapultPhaseTimeS, float eyeToSeatM);
// The main parachute is 1.3 s from full inflation (the body pass keeps that
// to once per run): the opening sound at the volume for the camera's distance
// to the parachute.
void playChuteOpening(float eyeToChuteM);

// The camera placement of every frame decides the wind: a view with wind
// (orbit on pilot once the catapult stroke is over) keeps it looping at 90 %,
// any other view stops it (the preset-only view leaves it as it is). Once the
// pilot has landed the wind stays stopped (the landing itself stops it).
void playWindSound(bool pilotLanded);
void stopWindSound();
// The abandoned fighter hit the ground: the crash plays, the fire loops, the
// engine and the ejection sound stop.
void fighterCrashedSound();
// Each frame after the crash: crash and fire volumes by the camera's distance
// to the crash point.
void updateCrashSounds(float eyeToCrashM);

// The clock of a paused run was moved by hand to flightTimeS (back: to an
// earlier moment). Nothing plays once: a one-shot whose moment lies behind
// the new time counts as played, one still to come is armed again, and
// moved back, one still to come is silenced and rewound should it sound, so
// that playing on starts it afresh. The crash decides the loops: once the
// fighter is down the fire loops and the engine is silent; before it the
// engine loops and the crash and the fire are silent. The wind falls silent
// where the pilot is down or the seat is still on its rails (the camera's
// view starts it again where it blows).
struct MovedClockSounds {
    double flightTimeS = 0.0;
    double countdownS = 0.0;
    double canopyDelayS = 0.0;
    float catapultPhaseTimeS = 0.0f;
    bool back = false;
    bool crashed = false;              // at the new time
    bool wasCrashed = false;           // at the time before
    bool chuteOpeningPassed = false;   // the parachute's sound moment lies behind
    bool landed = false;               // the pilot is down at the new time
};
void soundsForMovedClock(const MovedClockSounds& m);

// A distant bark (the body pass draws the chance while no run plays).
void playDogBark();

// Exit: the closing tune starts silent, then the closing screen holds it at
// 80 % every frame.
void startClosingTune();
void holdClosingTuneVolume();
