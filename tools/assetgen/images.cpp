// Writes every picture of the Data folder: 36 TGA, 34 JPEG and 5 BMP files.
#include <cstdio>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

bool generateImages(const std::string& dataDir) {
    if (!openFonts()) return false;
    int before = imagesWritten();
    bool ok = writeFontSheets(dataDir);
    ok = writeGaugeImages(dataDir) && ok;
    ok = writeWorldImages(dataDir) && ok;
    ok = writeMenuImages(dataDir) && ok;
    ok = writeFigureImages(dataDir) && ok;
    ok = writeAboutImages(dataDir) && ok;
    closeFonts();
    const int expected = 36 + 34 + 5;
    if (ok && imagesWritten() - before != expected) {
        std::fprintf(stderr, "vorix-assetgen: wrote %d images, expected %d\n", imagesWritten() - before, expected);
        ok = false;
    }
    return ok;
}
