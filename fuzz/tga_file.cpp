// The TGA reader the program ships (readTgaFile) against its memory twin:
// both must refuse or accept alike, and an accepted picture is whole.
#include <cstdlib>

#include "assets/tga_image.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TgaImage fromFile, fromMemory;
    const bool fileOk = readTgaFile(fuzzInputFile(data, size), fromFile);
    const bool memoryOk = decodeTga(data, size, fromMemory);
    if (fileOk != memoryOk || fromFile.pixels != fromMemory.pixels) std::abort();
    if (fileOk) {
        const size_t bytes = size_t(fromFile.width) * size_t(fromFile.height) * size_t(fromFile.bits / 8);
        if (fromFile.pixels.size() != bytes || bytes + 18 > size) std::abort();
        if (size_t(fromFile.width) * size_t(fromFile.height) > maxImagePixels) std::abort();
    }
    return 0;
}
