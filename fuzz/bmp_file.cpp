// The BMP reader the program ships (readBmp) against its memory twin: both
// must refuse or accept alike, and an accepted picture is packed RGB.
#include <cstdlib>

#include "assets/bmp_image.h"
#include "assets/image_limits.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceErrorBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BmpImage fromFile, fromMemory;
    const bool fileOk = readBmp(fuzzInputFile(data, size), fromFile);
    const bool memoryOk = size > 0 && decodeBmp(data, size, fromMemory);
    if (fileOk != memoryOk || fromFile.pixels != fromMemory.pixels) std::abort();
    if (fileOk) {
        const size_t pixels = size_t(fromFile.width) * size_t(fromFile.height);
        if (fromFile.pixels.size() != pixels * 3 || pixels > maxImagePixels) std::abort();
    }
    return 0;
}
