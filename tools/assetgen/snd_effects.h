// The fifteen generated effects, one maker each (files named in sounds.cpp).
#pragma once

#include "tools/assetgen/snd_synth.h"

// Where the seat's bang falls in the two ejection-sequence sounds: the events
// start them exactly this long before the seat fires (long form) or the
// rocket fires (short form), so the bang lands on the moment on screen.
constexpr double kEjectionLongBangS = 5.12;
constexpr double kEjectionShortBangS = 0.7;
// The parachute sound starts 1.3 s before full inflation: the snap sits there.
constexpr double kChuteSnapS = 1.3;

// Seamless loops (the last sample runs into the first).
Signal makeJetEngineLoop();
Signal makeWindLoop();
Signal makeFireLoop();

// Ejection and crash.
Signal makeEjectionLong();
Signal makeEjectionShort();
Signal makeCatapultFiring();
Signal makeCanopyJettison();
Signal makeParachuteOpening();
Signal makeCrashBoom();

// Small effects.
Signal makeDogBarks();
Signal makeMenuClick();
Signal makeWhine();
Signal makeWhoosh();

// Music.
Signal makeJingle();
Signal makeClosingTune();
