// Shared by the fuzz targets: the fuzzer's bytes as a file the program's own
// readers can open, and silence for the error boxes they would show.
#pragma once

#include <cstddef>
#include <cstdint>

// Puts data into an in-memory file and returns a path that opens it
// ("/proc/self/fd/N"); each call replaces the previous contents.
const char* fuzzInputFile(const uint8_t* data, size_t size);

// Installs an error-box handler that shows nothing.
void silenceErrorBoxes();
