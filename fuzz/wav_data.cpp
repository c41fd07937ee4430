// The WAV chunk walk the sound loader uses on a file held in memory: what it
// finds lies inside the buffer, and the samples are whole frames.
#include <cstdlib>

#include "sound/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WavFile wav;
    if (parseWav(data, size, &wav) != WavStatus::ok) return 0;
    const uint8_t* end = data + size;
    if (wav.formatBlock < data || wav.formatBlock + wav.formatBytes > end) std::abort();
    if (wav.samples < data || wav.samples + wav.sampleBytes > end) std::abort();
    if (wav.formatBytes < 16 || wav.sampleBytes == 0) std::abort();
    if (wav.format.blockAlign != 0 && wav.sampleBytes % wav.format.blockAlign != 0) std::abort();
    wavIsPlayablePcm(wav.format);
    return 0;
}
