// The slots' device: the platform layer's static buffers over OpenAL.
#include "app/sound_device.h"

#include "platform/platform.h"
#include "sound/sound_slots.h"

namespace {

const SoundMixer platformMixer = {
    platSoundOpen,  platSoundClose, platSoundCreateBuffer, platSoundReleaseBuffer,
    platSoundPlay,  platSoundStop,  platSoundRewind,       platSoundSetVolume,
};

}  // namespace

void usePlatformSoundMixer() { useSoundMixer(&platformMixer); }
