// The key map as a table. Each row binds a key, with the modifier it needs,
// to its action, and says whether the key acts while a run plays; applyKey
// runs the first row that matches. A new key is one row here plus its action.
#pragma once

#include <cstdint>

#include "input/key_commands.h"

// What an action works on: the records, the key's modifiers and the steps
// they choose, the time of the key, and what the key asks of the shell.
struct KeyContext {
    InputRecords& r;
    KeyModifiers mods;
    float m;          // step multiplier of the camera and speed keys
    float rate;       // frame rate the per-second steps divide by (0: none yet)
    uint32_t nowMs;
    bool running;     // a run plays
    KeyResult out;
};

using KeyAction = void (*)(KeyContext& k);

// The modifier a row needs; a row with none takes the key whatever is held.
enum KeyNeeds : uint8_t { kAnyModifiers = 0, kNeedsCtrl = 1, kNeedsShift = 2 };

struct KeyBinding {
    int key;         // virtual-key code
    KeyNeeds needs;
    bool duringRun;  // acts while a run plays
    KeyAction action;
};

extern const KeyBinding kKeyBindings[];
extern const int kKeyBindingCount;

// The row a key runs with these modifiers: the first that matches, or
// nullptr for a key the map does not hold.
const KeyBinding* findKeyBinding(int key, KeyModifiers mods);
