// Hands the sound slots the platform's audio device (OpenAL).
#pragma once

void usePlatformSoundMixer();
