// Writes a generated signal as a 16-bit PCM mono WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/snd_synth.h"

// The complete file image: RIFF head, 16-byte "fmt " chunk, "data" chunk.
// Samples are clamped to -1..1 and rounded to the nearest 16-bit step.
std::vector<uint8_t> encodeWav16Mono(const Signal& samples, int sampleRate);

// Encodes and writes atomically; false (with a message on stderr) on failure.
bool writeWav16Mono(const std::string& path, const Signal& samples, int sampleRate);
