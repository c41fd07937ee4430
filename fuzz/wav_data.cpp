// The sound loader the program ships (loadWav: map the file, walk the chunks,
// check the format, hand the samples to the mixer), with a stand-in mixer that
// checks what it is handed: a playable format, and a non-empty span of whole
// frames lying inside the mapped file, holding the file's own bytes. The chunk
// walk on the same bytes in memory must agree with the loader.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "sound/sound_slots.h"
#include "sound/wav_file.h"

namespace {

// The file the loader is reading, and what the memory walk found in it.
const uint8_t* fileBytes = nullptr;
size_t fileSize = 0;
size_t expectedOffset = 0;
size_t expectedBytes = 0;
unsigned long long buffersCreated = 0;  // over a whole campaign

bool openDevice() { return true; }
void closeDevice() {}
void releaseBuffer(int) {}
void play(int, bool) {}
void stop(int) {}
void rewind(int) {}
bool setVolume(int, int) { return true; }

int createBuffer(int channels, int sampleRate, int bitsPerSample, const void* samples,
                 size_t bytes) {
    if ((channels != 1 && channels != 2) || (bitsPerSample != 8 && bitsPerSample != 16) ||
        sampleRate <= 0)
        std::abort();
    const size_t frame = size_t(channels) * size_t(bitsPerSample / 8);
    if (!samples || bytes == 0 || bytes % frame != 0) std::abort();
    // The loader maps the whole file from its first byte, so the mapping
    // starts on a page boundary exactly expectedOffset bytes before the
    // samples; the span must end within the file's bytes.
    const uintptr_t start = uintptr_t(samples);
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    if (bytes != expectedBytes || start < expectedOffset || (start - expectedOffset) % page != 0 ||
        expectedOffset + bytes > fileSize)
        std::abort();
    // Every byte handed over is the file's own (a span past the mapping
    // faults here, inside the check).
    if (std::memcmp(samples, fileBytes + expectedOffset, bytes) != 0) std::abort();
    ++buffersCreated;
    return 1;
}

const SoundMixer checkingMixer = {openDevice, closeDevice, createBuffer, releaseBuffer,
                                  play,       stop,        rewind,       setVolume};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    useSoundMixer(&checkingMixer);
    if (!initSoundSlot(kSoundClick)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The walk on the fuzzer's own buffer (sized exactly, so the sanitizer
    // sees any read past it).
    WavFile wav;
    const bool parsed = parseWav(data, size, &wav) == WavStatus::ok;
    if (parsed) {
        const uint8_t* end = data + size;
        if (wav.formatBlock < data || wav.formatBlock + wav.formatBytes > end) std::abort();
        if (wav.samples < data || wav.samples + wav.sampleBytes > end) std::abort();
        if (wav.formatBytes < 16 || wav.sampleBytes == 0) std::abort();
        if (wav.format.blockAlign != 0 && wav.sampleBytes % wav.format.blockAlign != 0) std::abort();
    }
    const bool playable = parsed && wavIsPlayablePcm(wav.format);

    fileBytes = data;
    fileSize = size;
    expectedOffset = parsed ? size_t(wav.samples - data) : 0;
    expectedBytes = parsed ? wav.sampleBytes : 0;
    const unsigned long long before = buffersCreated;
    const bool loaded = loadWav(kSoundClick, fuzzInputFile(data, size));
    // The loader takes exactly the playable files, each with one buffer.
    if (loaded != playable || buffersCreated - before != (loaded ? 1u : 0u)) std::abort();
    return 0;
}
