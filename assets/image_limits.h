// Bounds every image reader applies before it allocates: a header claiming
// more than this is treated as damaged, whatever the file size.
#pragma once

#include <cstddef>

constexpr int maxImageSide = 16384;
// 64 Mi pixels: far above any picture the program uses, small enough that a
// hostile header cannot make a reader reserve gigabytes. TGA and BMP pixels
// must also be present in the file, so a picture this big costs its size on
// disk too.
constexpr size_t maxImagePixels = size_t(8192) * 8192;

// JPEG is compressed: a file of a few kilobytes can declare a picture of
// gigabytes. Its bound is what a texture of ours can use: 2048 a side is four
// times the largest picture we ship and the most the OpenGL 1.1 cards of the
// program's time held.
constexpr int maxJpegSide = 2048;
constexpr size_t maxJpegPixels = size_t(maxJpegSide) * maxJpegSide;
// libjpeg's own working memory. A progressive 2048 x 2048 colour file keeps
// 25 MB of coefficients; nothing we accept needs more than this.
constexpr long maxJpegDecoderMemory = 64L << 20;
// Real progressive files have about ten scans; each scan is a pass over the
// whole picture, so thousands of them make a small file very slow to decode.
constexpr int maxJpegScans = 100;
