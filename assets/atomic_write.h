// Files the program writes (settings, scene presets, generated data) are written
// to a temporary name beside the target and renamed over it, so a crash or a full
// disk never leaves a half-written file behind.
#pragma once

#include <cstddef>

// Writes size bytes to path atomically; false (target untouched) on any failure.
bool writeFileAtomic(const char* path, const void* data, size_t size);
