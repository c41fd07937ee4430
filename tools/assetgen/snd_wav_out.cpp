#include "tools/assetgen/snd_wav_out.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "assets/atomic_write.h"

namespace {

// Little-endian writers into a buffer sized beforehand.
uint8_t* putU16(uint8_t* p, uint32_t v) {
    p[0] = (uint8_t)(v & 0xFF);
    p[1] = (uint8_t)((v >> 8) & 0xFF);
    return p + 2;
}

uint8_t* putU32(uint8_t* p, uint32_t v) { return putU16(putU16(p, v & 0xFFFF), v >> 16); }

uint8_t* putId(uint8_t* p, const char* id) {
    std::memcpy(p, id, 4);
    return p + 4;
}

}  // namespace

std::vector<uint8_t> encodeWav16Mono(const Signal& samples, int sampleRate) {
    const uint32_t dataBytes = (uint32_t)samples.size() * 2;
    std::vector<uint8_t> b(44 + (size_t)dataBytes);
    uint8_t* p = b.data();
    p = putId(p, "RIFF");
    p = putU32(p, 36 + dataBytes);
    p = putId(p, "WAVE");
    p = putId(p, "fmt ");
    p = putU32(p, 16);
    p = putU16(p, 1);  // integer PCM
    p = putU16(p, 1);  // mono
    p = putU32(p, (uint32_t)sampleRate);
    p = putU32(p, (uint32_t)sampleRate * 2);
    p = putU16(p, 2);
    p = putU16(p, 16);
    p = putId(p, "data");
    p = putU32(p, dataBytes);
    for (float v : samples) {
        float c = v > 1.0f ? 1.0f : (v < -1.0f ? -1.0f : v);
        p = putU16(p, (uint32_t)(uint16_t)(int16_t)std::lround(c * 32767.0f));
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
