#include "sound/wav_file.h"

#include <cstring>

namespace {

constexpr size_t kChunkHeadBytes = 8;
constexpr size_t kRiffHeadBytes = 12;
constexpr uint32_t kPcmFormatBytes = 16;

uint16_t readU16(const uint8_t* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

uint32_t readU32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

bool idIs(const uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

WavFormat decodeFormat(const uint8_t* body) {
    WavFormat f;
    f.formatTag = readU16(body);
    f.channels = readU16(body + 2);
    f.sampleRate = readU32(body + 4);
    f.byteRate = readU32(body + 8);
    f.blockAlign = readU16(body + 12);
    f.bitsPerSample = readU16(body + 14);
    return f;
}

}  // namespace

WavStatus parseWav(const uint8_t* bytes, size_t size, WavFile* out) {
    *out = WavFile();
    if (!bytes || size < kRiffHeadBytes || !idIs(bytes, "RIFF") || !idIs(bytes + 8, "WAVE"))
        return WavStatus::notRiffWave;

    // 64-bit positions: a length near 4 GiB must not wrap around.
    const uint64_t walkEnd = (uint64_t)readU32(bytes + 4) + 8;
    uint64_t pos = kRiffHeadBytes;
    bool haveFormat = false, haveData = false;
    uint64_t dataStated = 0;

    while (pos < walkEnd && pos + kChunkHeadBytes <= size && !(haveFormat && haveData)) {
        const uint8_t* head = bytes + pos;
        const uint64_t length = readU32(head + 4);
        const uint64_t bodyPos = pos + kChunkHeadBytes;
        const uint64_t available = size - bodyPos;  // bytes after the head

        if (!haveFormat && idIs(head, "fmt ")) {
            if (length < kPcmFormatBytes || length > available) return WavStatus::badFormat;
            out->format = decodeFormat(bytes + bodyPos);
            out->formatBlock = bytes + bodyPos;
            out->formatBytes = (uint32_t)length;
            haveFormat = true;
        } else if (!haveData && idIs(head, "data")) {
            out->samples = bytes + bodyPos;
            out->clipped = length > available;
            dataStated = out->clipped ? available : length;
            haveData = true;
        }
        pos = bodyPos + length + (length & 1);
    }

    if (!haveFormat) return WavStatus::missingFormat;
    if (!haveData) return WavStatus::missingData;

    uint64_t usable = dataStated;
    if (out->format.blockAlign > 0) usable -= usable % out->format.blockAlign;
    out->sampleBytes = (uint32_t)usable;
    if (usable == 0) {
        out->samples = nullptr;
        return WavStatus::noSamples;
    }
    return WavStatus::ok;
}

bool wavIsPlayablePcm(const WavFormat& f) {
    if (f.formatTag != 1) return false;
    if (f.channels != 1 && f.channels != 2) return false;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
    if (f.sampleRate == 0 || f.sampleRate > 192000) return false;
    return f.blockAlign == f.channels * (f.bitsPerSample / 8);
}

const char* wavStatusText(WavStatus status) {
    switch (status) {
        case WavStatus::ok: return "ok";
        case WavStatus::notRiffWave: return "not a RIFF/WAVE file";
        case WavStatus::missingFormat: return "no fmt chunk";
        case WavStatus::missingData: return "no data chunk";
        case WavStatus::badFormat: return "fmt chunk too short or cut off";
        case WavStatus::noSamples: return "data chunk holds no whole sample frame";
    }
    return "unknown";
}
