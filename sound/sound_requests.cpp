#include "sound/sound_requests.h"

#include "sound/run_sounds.h"
#include "sound/sound_events.h"

SoundRequests soundRequests;

namespace {

void start(const SoundRequest& r) {
    switch (r.cue) {
        case SoundCue::click: playClickSound(); break;
        case SoundCue::windPlay: playWindSound(r.flag); break;
        case SoundCue::windStop: stopWindSound(); break;
        case SoundCue::dogBark: playDogBark(); break;
        case SoundCue::fighterCrash: fighterCrashedSound(); break;
        case SoundCue::chuteOpening: playChuteOpening(r.value); break;
    }
}

}  // namespace

void requestSound(SoundRequests& q, SoundCue cue, float value, bool flag) {
    if (q.count < 0 || q.count >= kSoundRequestCapacity) return;
    q.list[q.count++] = SoundRequest{cue, value, flag};
}

void startFrameSounds(SoundRequests& q, const RunSoundFrame& run) {
    const int n = q.count < kSoundRequestCapacity ? q.count : kSoundRequestCapacity;
    for (int i = 0; i < n; ++i) start(q.list[i]);
    q.count = 0;
    updateRunSounds(run);
}
