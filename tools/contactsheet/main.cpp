// vorix-contactsheet DATA_DIR OUT.png [FULL_DIR]
// Decodes every image of the Data folder with the program's readers and lays
// them out in one PNG, each labelled with its file name, alpha shown over a
// checkerboard, upright as the program displays it. With FULL_DIR each image
// is also written there at full size as NAME.png.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/texture_files.h"
#include "tools/assetgen/img_text.h"
#include "tools/contactsheet/decoded_picture.h"
#include "tools/png/png_file.h"

namespace {

struct Entry {
    std::string name;
    ImageKind kind;
};

constexpr int cellW = 200, cellH = 206, boxSide = 180, columns = 10;

std::vector<Entry> allEntries() {
    std::vector<Entry> list;
    for (int i = 0; i < tgaImageCount; ++i) list.push_back({dataFileName(tgaFileNames[i]), ImageKind::Tga});
    for (int i = 0; i < jpegSetCount; ++i) list.push_back({dataFileName(jpegSetFiles[i].path), ImageKind::Jpeg});
    for (int i = 0; i < photoSetCount; ++i) list.push_back({dataFileName(photoSetFiles[i].path), ImageKind::Jpeg});
    for (int i = 0; i < bmpSetCount; ++i) list.push_back({dataFileName(bmpSetFiles[i].path), ImageKind::Bmp});
    return list;
}

// JPEG pictures the world maps with t = 0 at the bottom (building walls);
// the ground and sky repeat, so their way up does not matter.
bool jpegRowZeroAtBottom(const std::string& name) {
    return name == "w.jpg" || name.compare(0, 4, "wall") == 0 || name == "sy_a1.jpg";
}

Rgba checker(int x, int y) {
    bool light = ((x / 8) + (y / 8)) % 2 == 0;
    return light ? rgb(0.42f, 0.42f, 0.45f) : rgb(0.3f, 0.3f, 0.33f);
}

// Box-filtered scaling of the picture into the cell's square, centred.
void placeInCell(Canvas& sheet, const DecodedPicture& pic, int ox, int oy) {
    float scale = std::min(1.0f, std::min(static_cast<float>(boxSide) / pic.width, static_cast<float>(boxSide) / pic.height));
    int w = std::max(1, static_cast<int>(pic.width * scale)), h = std::max(1, static_cast<int>(pic.height * scale));
    int x0 = ox + (boxSide - w) / 2, y0 = oy + (boxSide - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sx0 = x * pic.width / w, sx1 = std::max(sx0 + 1, (x + 1) * pic.width / w);
            int sy0 = y * pic.height / h, sy1 = std::max(sy0 + 1, (y + 1) * pic.height / h);
            Rgba sum = rgb(0, 0, 0, 0);
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx) {
                    const Rgba& p = pic.picture.at(sx, sy);
                    sum.r += p.r * p.a;
                    sum.g += p.g * p.a;
                    sum.b += p.b * p.a;
                    sum.a += p.a;
                }
            float n = static_cast<float>((sx1 - sx0) * (sy1 - sy0));
            Rgba c = sum.a > 0 ? rgb(sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / n) : rgb(0, 0, 0, 0);
            sheet.at(x0 + x, y0 + y) = checker(x, y);
            sheet.blend(x0 + x, y0 + y, c, 1.0f);
        }
}

std::vector<unsigned char> toBytes(const Canvas& c, bool overChecker) {
    std::vector<unsigned char> out(static_cast<size_t>(c.width()) * c.height() * 4);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgba p = c.at(x, y);
            if (overChecker) {
                Canvas one(1, 1, checker(x, y));
                one.blend(0, 0, p, 1.0f);
                p = one.at(0, 0);
            }
            unsigned char* o = &out[(static_cast<size_t>(y) * c.width() + x) * 4];
            o[0] = static_cast<unsigned char>(std::lround(std::clamp(p.r, 0.0f, 1.0f) * 255));
            o[1] = static_cast<unsigned char>(std::lround(std::clamp(p.g, 0.0f, 1.0f) * 255));
            o[2] = static_cast<unsigned char>(std::lround(std::clamp(p.b, 0.0f, 1.0f) * 255));
            o[3] = overChecker ? 255 : static_cast<unsigned char>(std::lround(std::clamp(p.a, 0.0f, 1.0f) * 255));
        }
    return out;
}

bool writePng(const std::string& path, const Canvas& c, bool overChecker) {
    if (!writePngFile(path, c.width(), c.height(), 4, toBytes(c, overChecker))) {
        std::fprintf(stderr, "vorix-contactsheet: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: vorix-contactsheet DATA_DIR OUT.png [FULL_DIR]\n");
        return 2;
    }
    const std::string dataDir = argv[1];
    if (!openFonts()) return 1;
    std::vector<Entry> entries = allEntries();
    int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    Canvas sheet(columns * cellW, rows * cellH + 30, rgb(0.16f, 0.17f, 0.2f));
    TextStyle title;
    title.size = 16;
    drawText(sheet, 10, 21, "VORIX Data images, upright as the program maps them", title);
    TextStyle label;
    label.size = 11;
    label.align = Align::Centre;
    int failures = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        int ox = static_cast<int>(i % columns) * cellW + (cellW - boxSide) / 2;
        int oy = 30 + static_cast<int>(i / columns) * cellH + 4;
        const bool bottomUp = entries[i].kind != ImageKind::Jpeg || jpegRowZeroAtBottom(entries[i].name);
        DecodedPicture pic = decodeForDisplay(dataDir + "/" + entries[i].name, entries[i].kind, bottomUp);
        std::string text = entries[i].name;
        if (pic.ok) {
            placeInCell(sheet, pic, ox, oy);
            text += " " + std::to_string(pic.width) + "x" + std::to_string(pic.height);
            if (argc == 4) writePng(std::string(argv[3]) + "/" + entries[i].name + ".png", pic.picture, pic.hasAlpha);
        } else {
            ++failures;
            sheet.fillRect(static_cast<float>(ox), static_cast<float>(oy), ox + boxSide, oy + boxSide, rgb(0.5f, 0, 0));
            text += " FAILED";
        }
        label.colour = pic.ok ? rgb(0.9f, 0.9f, 0.9f) : rgb(1, 0.4f, 0.4f);
        drawText(sheet, ox + boxSide / 2.0f, oy + boxSide + 14.0f, text, label);
    }
    closeFonts();
    bool ok = writePng(argv[2], sheet, false);
    std::printf("%zu images, %d failed to decode\n", entries.size(), failures);
    return ok && failures == 0 ? 0 : 1;
}
