// The JPEG reader the program ships (readJpeg, libjpeg underneath): refuses
// or gives a whole RGB picture within the texture limits.
#include <cstdlib>

#include "assets/image_limits.h"
#include "assets/jpeg_image.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceErrorBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    JpegImage image;
    if (readJpeg(fuzzInputFile(data, size), image)) {
        if (image.components != 3 || image.rowBytes != image.width * 3) std::abort();
        if (image.pixels.size() != size_t(image.rowBytes) * size_t(image.height)) std::abort();
        if (image.width > maxJpegSide || image.height > maxJpegSide) std::abort();
    } else if (!image.pixels.empty()) {
        std::abort();
    }
    return 0;
}
