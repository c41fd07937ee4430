// The fifteen sound slots: one static buffer per effect, each holding its whole
// WAV file, with a volume in percent that reaches the buffer only through
// setVolume. The device behind the buffers is a SoundMixer: the program puts
// in the platform's (app/sound_device.cpp), tests a recorder; with none, or one
// whose device does not open, nothing loads and the program runs silent.
#pragma once

#include <cstddef>

constexpr int kSoundSlotCount = 15;

// Slot numbers of the effects. Slots 3, 7, 12 and 13 are loaded but no event
// plays them.
enum SoundSlotId {
    kSoundEngine = 0,
    kSoundCrash = 1,
    kSoundEjectLong = 2,   // ejection sequence with its long lead-in
    kSoundSpare3 = 3,
    kSoundEjectShort = 4,  // ejection sequence, short form
    kSoundWind = 5,
    kSoundChuteOpen = 6,
    kSoundCanopy = 7,
    kSoundDog = 8,
    kSoundCatapult = 9,
    kSoundClick = 10,
    kSoundFire = 11,
    kSoundSpare12 = 12,
    kSoundSpare13 = 13,
    kSoundClosingTune = 14,
};

// "Data/sound/..." path of each slot's file, by slot number.
extern const char* const kSoundFiles[kSoundSlotCount];

// The device side of the slots. Buffer handles are positive; 0 is none.
struct SoundMixer {
    bool (*openDevice)();
    void (*closeDevice)();
    // A static buffer holding the whole PCM block; 0 when the device refuses.
    int (*createBuffer)(int channels, int sampleRate, int bitsPerSample, const void* samples,
                        size_t bytes);
    void (*releaseBuffer)(int buffer);
    // Starts from the current position; a buffer already playing goes on.
    void (*play)(int buffer, bool looping);
    // Stops and keeps the position, so the next play resumes there.
    void (*stop)(int buffer);
    // Back to the first sample without changing whether it plays.
    void (*rewind)(int buffer);
    // Attenuation in hundredths of a decibel (0 full level); false if refused.
    bool (*setVolume)(int buffer, int hundredthsDb);
};

// The mixer the slots use from now on (nullptr: no sound device at all).
void useSoundMixer(const SoundMixer* mixer);

struct SoundSlot {
    int buffer = 0;          // 0 until the file loaded
    bool deviceReady = false;
    int volumePercent = 0;   // 50 once the device is set up
};

extern SoundSlot soundSlots[kSoundSlotCount];

// Result codes of loadSounds.
constexpr int kSoundsLoaded = 1;
constexpr int kSoundDeviceFailed = -1;
constexpr int kSoundFileMissing = -3;

// Sets up the slot on the open device and sets its volume to 50 %.
bool initSoundSlot(int slot);
// Reads a WAV file into a new buffer of the slot (an older buffer is released
// first). False for a missing, unreadable or unplayable file, or a refused
// buffer; the reason goes to standard error with the path.
bool loadWav(int slot, const char* path);
// Opens the device and loads all fifteen files. kSoundsLoaded, or
// kSoundDeviceFailed (nothing is loaded), or kSoundFileMissing when the last
// file ("Data/sound/int.wav") failed; the other files' results do not count.
// soundOn and soundAvailable are set from the result (both on only for
// kSoundsLoaded).
int loadSounds();

// Centibel attenuation for a volume percent: 100 is full level, 50 is -25 dB,
// 0 is -50 dB; percents outside 0..100 are taken as the nearest end.
int volumeHundredthsDb(int percent);
// Applies the slot's volume percent to its buffer; false without a buffer or
// when the device refuses.
bool setVolume(int slot);

void playSoundOnce(int slot);
void playSoundLooping(int slot);
void stopSound(int slot);
void rewindSound(int slot);

// Releases the slot's buffer and zeroes the slot.
void releaseSoundSlot(int slot);
// All fifteen slots in slot order, then the device.
void releaseSounds();
