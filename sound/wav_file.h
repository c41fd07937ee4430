// RIFF/WAVE reading for the sound loader: finds the format block and the
// sample data inside a file that is already in memory. Nothing is copied; the
// result points into the caller's buffer, which must outlive it.
//
// Every length in the file is checked against the buffer, so a truncated or
// hostile file can never make the walk read past the bytes it was given.
#pragma once

#include <cstddef>
#include <cstdint>

// The first 16 bytes of the "fmt " chunk (the PCM format block).
struct WavFormat {
    uint16_t formatTag = 0;  // 1 = integer PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;  // bytes of one sample frame (all channels)
    uint16_t bitsPerSample = 0;
};

struct WavFile {
    WavFormat format;
    const uint8_t* formatBlock = nullptr;  // the "fmt " chunk body as stored
    uint32_t formatBytes = 0;              // its length (at least 16)
    const uint8_t* samples = nullptr;      // the "data" chunk body
    uint32_t sampleBytes = 0;              // whole frames only, see parseWav
    bool clipped = false;                  // data chunk ran past the buffer
};

enum class WavStatus {
    ok,
    notRiffWave,    // too short, or no "RIFF" ... "WAVE" head
    missingFormat,  // the walk ended without a "fmt " chunk
    missingData,    // the walk ended without a "data" chunk
    badFormat,      // first "fmt " chunk shorter than 16 bytes or cut off
    noSamples,      // "data" chunk holds no whole sample frame
};

// Walks the chunks from byte 12 while the position is below the RIFF length
// + 8 and a whole chunk head still fits in the buffer; odd chunk lengths are
// followed by one pad byte. The first "fmt " and the first "data" chunk win
// and the walk stops once both are known, whatever their order.
//
// A "data" chunk whose stated length runs past the end of the buffer is
// clipped to the bytes present (clipped = true): a cut-off file plays what it
// has. The sample span is then rounded down to whole frames of blockAlign
// bytes, so a mixer never sees half a frame; an empty span is noSamples.
WavStatus parseWav(const uint8_t* bytes, size_t size, WavFile* out);

// True for the formats the mixer plays: integer PCM, 1 or 2 channels, 8 or 16
// bits, a sample rate of 1..192000 Hz and a block size matching the rest.
bool wavIsPlayablePcm(const WavFormat& format);

// Fixed text for a status, for messages and test output.
const char* wavStatusText(WavStatus status);
