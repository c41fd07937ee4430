#include "sound/sound_slots.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "sound/sound_events.h"
#include "sound/wav_file.h"

const char* const kSoundFiles[kSoundSlotCount] = {
    "Data/sound/rafale.wav",     "Data/sound/boom1.wav",  "Data/sound/ejectsnd1.wav",
    "Data/sound/zizi.wav",       "Data/sound/ejecting.wav", "Data/sound/wind.wav",
    "Data/sound/chute_open.wav", "Data/sound/canopy.wav", "Data/sound/dog.wav",
    "Data/sound/eject_r.wav",    "Data/sound/click.wav",  "Data/sound/fire.wav",
    "Data/sound/w.wav",          "Data/sound/gay.wav",    "Data/sound/int.wav",
};

// Set by loadSounds; the events read them (sound/sound_events.h).
bool soundOn = false;
bool soundAvailable = false;

SoundSlot soundSlots[kSoundSlotCount];

namespace {

// Effects are seconds long; anything near this size is not one of ours and
// would only tie up the mixer's memory.
constexpr off_t kMaxWavFileBytes = 64 << 20;

const SoundMixer* mixer = nullptr;
bool deviceOpen = false;

bool validSlot(int slot) { return slot >= 0 && slot < kSoundSlotCount; }

int bufferOf(int slot) { return validSlot(slot) && mixer ? soundSlots[slot].buffer : 0; }

bool reject(const char* path, const char* reason) {
    std::fprintf(stderr, "%s: %s\n", path, reason);
    return false;
}

// The whole file mapped read-only for the time of one load.
struct MappedFile {
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    ~MappedFile() {
        if (bytes) munmap((void*)bytes, size);
    }
};

const char* mapFile(const char* path, MappedFile* out) {
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "cannot be opened";
    struct stat st;
    const char* problem = nullptr;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) problem = "not a regular file";
    else if (st.st_size == 0) problem = "empty file";
    else if (st.st_size > kMaxWavFileBytes) problem = "file too large for a sound effect";
    if (!problem) {
        void* p = mmap(nullptr, (size_t)st.st_size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (p == MAP_FAILED) {
            problem = "cannot be read";
        } else {
            out->bytes = (const uint8_t*)p;
            out->size = (size_t)st.st_size;
        }
    }
    close(fd);
    return problem;
}

}  // namespace

void useSoundMixer(const SoundMixer* m) {
    mixer = m;
    deviceOpen = false;
}

bool initSoundSlot(int slot) {
    if (!validSlot(slot) || !mixer) return false;
    if (!deviceOpen) deviceOpen = mixer->openDevice();
    if (!deviceOpen) return false;
    soundSlots[slot].deviceReady = true;
    soundSlots[slot].volumePercent = 50;
    return true;
}

bool loadWav(int slot, const char* path) {
    if (!validSlot(slot) || !path) return false;
    if (!mixer || !soundSlots[slot].deviceReady) return reject(path, "no sound device");
    MappedFile file;
    if (const char* problem = mapFile(path, &file)) return reject(path, problem);
    WavFile wav;
    WavStatus status = parseWav(file.bytes, file.size, &wav);
    if (status != WavStatus::ok) return reject(path, wavStatusText(status));
    if (!wavIsPlayablePcm(wav.format)) return reject(path, "not 8- or 16-bit PCM in 1 or 2 channels");

    if (soundSlots[slot].buffer) {
        mixer->releaseBuffer(soundSlots[slot].buffer);
        soundSlots[slot].buffer = 0;
    }
    int buffer = mixer->createBuffer(wav.format.channels, (int)wav.format.sampleRate,
                                     wav.format.bitsPerSample, wav.samples, wav.sampleBytes);
    if (buffer <= 0) return reject(path, "the sound device refused the samples");
    soundSlots[slot].buffer = buffer;
    return true;  // the mapping goes with `file`; the samples live in the buffer
}

int loadSounds() {
    soundOn = false;
    soundAvailable = false;
    for (int slot = 0; slot < kSoundSlotCount; ++slot)
        if (!initSoundSlot(slot)) return kSoundDeviceFailed;
    bool lastLoaded = false;
    for (int slot = 0; slot < kSoundSlotCount; ++slot) lastLoaded = loadWav(slot, kSoundFiles[slot]);
    if (!lastLoaded) return kSoundFileMissing;
    soundOn = true;
    soundAvailable = true;
    return kSoundsLoaded;
}

int volumeHundredthsDb(int percent) {
    if (percent < 0) percent = 0;
    if (percent > 100) percent = 100;
    return 50 * percent - 5000;
}

bool setVolume(int slot) {
    int buffer = bufferOf(slot);
    if (!buffer) return false;
    return mixer->setVolume(buffer, volumeHundredthsDb(soundSlots[slot].volumePercent));
}

void playSoundOnce(int slot) {
    if (int buffer = bufferOf(slot)) mixer->play(buffer, false);
}

void playSoundLooping(int slot) {
    if (int buffer = bufferOf(slot)) mixer->play(buffer, true);
}

void stopSound(int slot) {
    if (int buffer = bufferOf(slot)) mixer->stop(buffer);
}

void rewindSound(int slot) {
    if (int buffer = bufferOf(slot)) mixer->rewind(buffer);
}

void releaseSoundSlot(int slot) {
    if (!validSlot(slot)) return;
    if (int buffer = bufferOf(slot)) mixer->releaseBuffer(buffer);
    soundSlots[slot] = SoundSlot();
}

void releaseSounds() {
    for (int slot = 0; slot < kSoundSlotCount; ++slot) releaseSoundSlot(slot);
    if (mixer && deviceOpen) mixer->closeDevice();
    deviceOpen = false;
}
