// When and how loud the effects play: volume by the camera's distance to a
// source, and the moment of the ejection sound. Plain arithmetic, no device.
#pragma once

// Volume percents by distance d (metres) from the camera to the source,
// truncated to whole percent; a rule that would go negative gives 0.
int engineVolumePercent(float fighterSpeedMs, float distanceM);  // to the fighter
int crashVolumePercent(float distanceM);                        // to the crash point
int fireVolumePercent(float distanceM);                         // to the crash point; 0 beyond 500 m
int catapultVolumePercent(float distanceM);                     // to the seat
int chuteVolumePercent(float distanceM);                        // to the parachute

// The ejection sound of one run: which slot, and the flight time (seconds
// since the ejection command) at which it starts. A count-down plus canopy
// delay of 5.12 s or more leaves room for the long form, which starts 5.12 s
// before the seat fires from its first sample; a shorter lead plays the short
// form 0.7 s before the catapult stroke ends.
struct EjectionSoundCue {
    int slot;
    double startFlightTimeS;
    bool rewind;
};
EjectionSoundCue ejectionSoundCue(double countdownS, double canopyDelayS, float catapultPhaseTimeS);

// Seat time (seconds since the seat fired) at which the catapult sound plays:
// 0.08 s before the stroke ends, not before the seat fires.
double catapultSoundSeatTime(float catapultPhaseTimeS);
