// wav-energy FILE [WINDOW_MS]: the loudness of a recorded WAV file over time,
// one line per window: its start in seconds and the RMS of all its samples
// (full scale 1). Reads 16-bit integer and 32-bit float PCM, plain or in the
// extensible format block, through the program's own chunk walk.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sound/wav_file.h"

namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

bool readAll(const char* path, std::vector<uint8_t>* bytes) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    uint8_t buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->insert(bytes->end(), buf, buf + n);
    std::fclose(f);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: wav-energy FILE [WINDOW_MS]\n");
        return 2;
    }
    const double windowMs = argc == 3 ? std::atof(argv[2]) : 100.0;
    std::vector<uint8_t> bytes;
    if (!readAll(argv[1], &bytes)) {
        std::fprintf(stderr, "wav-energy: cannot read %s\n", argv[1]);
        return 1;
    }
    WavFile wav;
    WavStatus status = parseWav(bytes.data(), bytes.size(), &wav);
    // A recorder stopped mid-write leaves a zero data length: take what is there.
    if (status == WavStatus::noSamples && wav.formatBlock) {
        size_t at = (size_t)(wav.formatBlock - bytes.data()) + wav.formatBytes;
        for (; at + 8 <= bytes.size(); ++at)
            if (std::memcmp(&bytes[at], "data", 4) == 0) break;
        if (at + 8 <= bytes.size()) {
            wav.samples = &bytes[at + 8];
            wav.sampleBytes = (uint32_t)((bytes.size() - at - 8) / wav.format.blockAlign * wav.format.blockAlign);
            status = wav.sampleBytes ? WavStatus::ok : status;
        }
    }
    if (status != WavStatus::ok || wav.format.channels == 0 || wav.format.sampleRate == 0) {
        std::fprintf(stderr, "wav-energy: %s: %s\n", argv[1], wavStatusText(status));
        return 1;
    }
    uint16_t tag = wav.format.formatTag;
    if (tag == kExtensible && wav.formatBytes >= 26) tag = (uint16_t)(wav.formatBlock[24] | (wav.formatBlock[25] << 8));
    const int bits = wav.format.bitsPerSample;
    if (!((tag == kPcm && bits == 16) || (tag == kFloat && bits == 32))) {
        std::fprintf(stderr, "wav-energy: %s: only 16-bit integer or 32-bit float samples\n", argv[1]);
        return 1;
    }
    const size_t bytesPerSample = (size_t)bits / 8;
    const size_t count = wav.sampleBytes / bytesPerSample;
    const size_t perWindow =
        (size_t)std::max(1.0, windowMs / 1000.0 * wav.format.sampleRate) * wav.format.channels;
    for (size_t start = 0; start < count; start += perWindow) {
        const size_t end = std::min(count, start + perWindow);
        double sum = 0.0;
        for (size_t i = start; i < end; ++i) {
            const uint8_t* p = wav.samples + i * bytesPerSample;
            double v;
            if (bits == 16) {
                v = (int16_t)(p[0] | (p[1] << 8)) / 32768.0;
            } else {
                float f;
                std::memcpy(&f, p, 4);
                v = f;
            }
            sum += v * v;
        }
        const double seconds = (double)(start / wav.format.channels) / wav.format.sampleRate;
        std::printf("%.3f %.5f\n", seconds, std::sqrt(sum / (double)(end - start)));
    }
    return 0;
}
