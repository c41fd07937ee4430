// wav-probe: recorded sound for the end-to-end tests.
//   wav-probe levels FILE WINDOW_MS [HZ...]
//     one line per window: its start in seconds, the RMS of all samples, and
//     for each HZ the amplitude of that tone (Hann-windowed Goertzel; full
//     scale 1). Reads 16-bit integer and 32-bit float PCM, plain or in the
//     extensible format block, through the program's own chunk walk.
//   wav-probe tone HZ SECONDS FILE
//     writes a 16-bit mono 22050 Hz tone at half scale (HZ 0: silence).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sound/wav_file.h"

namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
constexpr double kPi = 3.14159265358979323846;

int usage() {
    std::fprintf(stderr,
                 "usage: wav-probe levels FILE WINDOW_MS [HZ...]\n"
                 "       wav-probe tone HZ SECONDS FILE\n");
    return 2;
}

bool readAll(const char* path, std::vector<uint8_t>* bytes) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    uint8_t buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->insert(bytes->end(), buf, buf + n);
    std::fclose(f);
    return true;
}

void putU16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back((uint8_t)v);
    b.push_back((uint8_t)(v >> 8));
}
void putU32(std::vector<uint8_t>& b, uint32_t v) {
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

int writeTone(double hz, double seconds, const char* path) {
    const uint32_t rate = 22050;
    const uint32_t frames = (uint32_t)(seconds * rate);
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    putU32(b, 36 + frames * 2);
    for (char c : std::string("WAVEfmt ")) b.push_back((uint8_t)c);
    putU32(b, 16);
    putU16(b, 1);
    putU16(b, 1);
    putU32(b, rate);
    putU32(b, rate * 2);
    putU16(b, 2);
    putU16(b, 16);
    for (char c : std::string("data")) b.push_back((uint8_t)c);
    putU32(b, frames * 2);
    for (uint32_t i = 0; i < frames; ++i) putU16(b, (uint16_t)(int16_t)std::lround(16384.0 * std::sin(2 * kPi * hz * i / rate)));
    FILE* f = std::fopen(path, "wb");
    if (!f || std::fwrite(b.data(), 1, b.size(), f) != b.size()) {
        std::fprintf(stderr, "wav-probe: cannot write %s\n", path);
        if (f) std::fclose(f);
        return 1;
    }
    std::fclose(f);
    return 0;
}

// Amplitude of a tone in x (Hann window), full scale 1.
double toneAmplitude(const std::vector<double>& x, double hz, double rate) {
    const double w = 2 * kPi * hz / rate, coeff = 2 * std::cos(w);
    double s1 = 0, s2 = 0, windowSum = 0;
    const size_t n = x.size();
    for (size_t i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * kPi * (double)i / (double)(n > 1 ? n - 1 : 1));
        windowSum += hann;
        const double s = x[i] * hann + coeff * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return windowSum > 0 ? 2.0 * std::sqrt(std::max(0.0, power)) / windowSum : 0.0;
}

int levels(int argc, char** argv) {
    if (argc < 4) return usage();
    const char* path = argv[2];
    const double windowMs = std::atof(argv[3]);
    std::vector<double> tones;
    for (int i = 4; i < argc; ++i) tones.push_back(std::atof(argv[i]));
    std::vector<uint8_t> bytes;
    if (!readAll(path, &bytes)) {
        std::fprintf(stderr, "wav-probe: cannot read %s\n", path);
        return 1;
    }
    WavFile wav;
    WavStatus status = parseWav(bytes.data(), bytes.size(), &wav);
    // A recorder stopped mid-write leaves a zero data length: take what is there.
    if (status == WavStatus::noSamples && wav.formatBlock && wav.format.blockAlign) {
        size_t at = (size_t)(wav.formatBlock - bytes.data()) + wav.formatBytes;
        for (; at + 8 <= bytes.size(); ++at)
            if (std::memcmp(&bytes[at], "data", 4) == 0) break;
        if (at + 8 <= bytes.size()) {
            wav.samples = &bytes[at + 8];
            wav.sampleBytes = (uint32_t)((bytes.size() - at - 8) / wav.format.blockAlign * wav.format.blockAlign);
            if (wav.sampleBytes) status = WavStatus::ok;
        }
    }
    if (status != WavStatus::ok || wav.format.channels == 0 || wav.format.sampleRate == 0) {
        std::fprintf(stderr, "wav-probe: %s: %s\n", path, wavStatusText(status));
        return 1;
    }
    uint16_t tag = wav.format.formatTag;
    if (tag == kExtensible && wav.formatBytes >= 26) tag = (uint16_t)(wav.formatBlock[24] | (wav.formatBlock[25] << 8));
    const int bits = wav.format.bitsPerSample;
    if (!((tag == kPcm && bits == 16) || (tag == kFloat && bits == 32))) {
        std::fprintf(stderr, "wav-probe: %s: only 16-bit integer or 32-bit float samples\n", path);
        return 1;
    }
    const size_t channels = wav.format.channels;
    const size_t frameBytes = channels * (size_t)bits / 8;
    const size_t frames = wav.sampleBytes / frameBytes;
    const double rate = wav.format.sampleRate;
    const size_t perWindow = (size_t)std::max(1.0, windowMs / 1000.0 * rate);
    std::vector<double> mono;
    for (size_t start = 0; start < frames; start += perWindow) {
        const size_t end = std::min(frames, start + perWindow);
        mono.clear();
        double sum = 0.0;
        for (size_t i = start; i < end; ++i) {
            double m = 0.0;
            for (size_t c = 0; c < channels; ++c) {
                const uint8_t* p = wav.samples + i * frameBytes + c * (size_t)bits / 8;
                double v;
                if (bits == 16) {
                    v = (int16_t)(p[0] | (p[1] << 8)) / 32768.0;
                } else {
                    float f;
                    std::memcpy(&f, p, 4);
                    v = f;
                }
                sum += v * v;
                m += v;
            }
            mono.push_back(m / (double)channels);
        }
        std::printf("%.3f %.5f", (double)start / rate, std::sqrt(sum / (double)((end - start) * channels)));
        for (double hz : tones) std::printf(" %.5f", toneAmplitude(mono, hz, rate));
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "levels") == 0) return levels(argc, argv);
    if (argc == 5 && std::strcmp(argv[1], "tone") == 0) return writeTone(std::atof(argv[2]), std::atof(argv[3]), argv[4]);
    return usage();
}
