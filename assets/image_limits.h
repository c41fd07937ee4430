// Bounds every image reader applies before it allocates: a header claiming
// more than this is treated as damaged, whatever the file size.
#pragma once

#include <cstddef>

constexpr int maxImageSide = 16384;
// 64 Mi pixels: far above any picture the program uses, small enough that a
// hostile header cannot make a reader reserve gigabytes.
constexpr size_t maxImagePixels = size_t(8192) * 8192;
