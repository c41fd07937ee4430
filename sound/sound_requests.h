// The sounds asked for between two frames and during the frame's update
// steps, kept in one list in the order they were asked for and started at
// one step of the frame, together with the run's own sounds. Whoever notices
// a moment (the camera's view, the body pass, a menu click) only asks.
#pragma once

#include <cstdint>

struct RunSoundFrame;

enum class SoundCue : uint8_t {
    click,         // menu, spinner and dialog clicks
    windPlay,      // the view has wind: loop it (flag: the pilot has landed, which keeps it off)
    windStop,      // the view has none, or the pilot landed
    dogBark,
    fighterCrash,  // the abandoned fighter hit the ground
    chuteOpening,  // value: the camera's distance to the parachute in metres
};

struct SoundRequest {
    SoundCue cue = SoundCue::click;
    float value = 0.0f;
    bool flag = false;
};

// More than a frame can ask for: a camera cue, four body moments and the odd
// click. Requests beyond it are dropped.
constexpr int kSoundRequestCapacity = 32;

struct SoundRequests {
    SoundRequest list[kSoundRequestCapacity];
    int count = 0;
};

extern SoundRequests soundRequests;

void requestSound(SoundRequests& q, SoundCue cue, float value = 0.0f, bool flag = false);
// The process-wide list.
inline void requestSound(SoundCue cue, float value = 0.0f, bool flag = false) {
    requestSound(soundRequests, cue, value, flag);
}

// The frame's sound step: every request in order, then the run's sounds for
// what the frame shows (updateRunSounds); the list is empty afterwards.
void startFrameSounds(SoundRequests& q, const RunSoundFrame& run);
