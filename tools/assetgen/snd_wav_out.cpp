#include "tools/assetgen/snd_wav_out.h"

#include <cmath>
#include <cstdio>

#include "assets/atomic_write.h"

namespace {

void putU16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back((uint8_t)(v & 0xFF));
    b.push_back((uint8_t)((v >> 8) & 0xFF));
}

void putU32(std::vector<uint8_t>& b, uint32_t v) {
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

void putId(std::vector<uint8_t>& b, const char* id) { b.insert(b.end(), id, id + 4); }

}  // namespace

std::vector<uint8_t> encodeWav16Mono(const Signal& samples, int sampleRate) {
    const uint32_t dataBytes = (uint32_t)samples.size() * 2;
    std::vector<uint8_t> b;
    b.reserve(44 + dataBytes);
    putId(b, "RIFF");
    putU32(b, 36 + dataBytes);
    putId(b, "WAVE");
    putId(b, "fmt ");
    putU32(b, 16);
    putU16(b, 1);  // integer PCM
    putU16(b, 1);  // mono
    putU32(b, (uint32_t)sampleRate);
    putU32(b, (uint32_t)sampleRate * 2);
    putU16(b, 2);
    putU16(b, 16);
    putId(b, "data");
    putU32(b, dataBytes);
    for (float v : samples) {
        float c = v > 1.0f ? 1.0f : (v < -1.0f ? -1.0f : v);
        long q = std::lround(c * 32767.0f);
        putU16(b, (uint32_t)(uint16_t)(int16_t)q);
    }
    return b;
}

bool writeWav16Mono(const std::string& path, const Signal& samples, int sampleRate) {
    std::vector<uint8_t> bytes = encodeWav16Mono(samples, sampleRate);
    if (!writeFileAtomic(path.c_str(), bytes.data(), bytes.size())) {
        std::fprintf(stderr, "vorix-assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
