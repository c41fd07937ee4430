// The sound switch and the effect events the rest of the program starts and
// stops. The sound system fills these in; until then they are silent.
#pragma once

extern bool soundOn;         // effects audible
extern bool soundAvailable;  // every sound file loaded

void playClickSound();
