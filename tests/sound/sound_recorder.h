// A sound device for tests: every call the slots make is written to a log as
// a short line ("play 3 once", "volume 3 -2500"), and the device can be told
// to refuse to open.
#pragma once

#include <string>
#include <vector>

#include "sound/sound_slots.h"

struct SoundRecorder {
    std::vector<std::string> log;
    bool deviceOpens = true;
    int nextBuffer = 100;  // handles differ from slot numbers on purpose

    void clear() { log.clear(); }
    // Handle of a slot's buffer as the recorder named it.
    static int handle(int slot) { return soundSlots[slot].buffer; }
};

extern SoundRecorder recorder;

// Installs the recorder as the slots' mixer with a fresh log.
void useRecorder();

// Line helpers matching the log's wording.
std::string playLine(int slot, bool looping);
std::string stopLine(int slot);
std::string rewindLine(int slot);
std::string volumeLine(int slot, int hundredthsDb);

// Fifteen loaded slots on the recorder with sound on; the log starts empty.
void loadFakeSounds();
