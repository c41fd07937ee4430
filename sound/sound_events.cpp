// Placeholder events until the sound slots exist.
#include "sound/sound_events.h"

bool soundOn = false;
bool soundAvailable = false;

void playClickSound() {}
