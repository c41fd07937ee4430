#include "tools/assetgen/icon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/png/png_file.h"

namespace {

constexpr float kPi = 3.14159265f;

// The design is laid out on a 256-unit square; u() scales it to the icon.
struct Layout {
    float scale;
    float u(float v) const { return v * scale; }
    // Strokes keep at least one pixel, or small icons lose their lines.
    float stroke(float v) const { return std::max(1.0f, v * scale); }
};

// The canopy seen from the side: a dome of gores between meridians, each
// gore ending in a scallop at the skirt. Longitudes run -90..90 degrees.
struct Dome {
    float cx, cy, rx, ry;
    Point at(float latDeg, float lonDeg) const {
        float lat = latDeg * kPi / 180, lon = lonDeg * kPi / 180;
        return Point{cx + rx * std::cos(lat) * std::sin(lon), cy - ry * std::sin(lat)};
    }
};

std::vector<Point> gore(const Dome& d, float lon0, float lon1, float scallop) {
    std::vector<Point> pts;
    for (int i = 0; i <= 12; ++i) pts.push_back(d.at(90.0f * i / 12, lon0));
    for (int i = 12; i >= 0; --i) pts.push_back(d.at(90.0f * i / 12, lon1));
    // The skirt between the two seams bulges down a little.
    Point a = d.at(0, lon1), b = d.at(0, lon0);
    for (int i = 1; i < 8; ++i) {
        float t = i / 8.0f;
        pts.push_back(Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + scallop * std::sin(t * kPi)});
    }
    return pts;
}

}  // namespace

Canvas drawIcon(int size) {
    Canvas c(size, size);
    const Layout L{size / 256.0f};

    // Sky tile.
    c.roundRect(L.u(8), L.u(8), L.u(248), L.u(248), L.u(44), rgb255(24, 74, 158), rgb255(148, 200, 238));
    // A far horizon of hills along the bottom of the tile.
    std::vector<Point> hills;
    for (int i = 0; i <= 32; ++i) {
        float x = 256.0f * i / 32;
        hills.push_back(Point{L.u(x), L.u(214 - 10 * std::sin(x * 0.045f) - 5 * std::sin(x * 0.11f))});
    }
    hills.push_back(Point{L.u(256), L.u(256)});
    hills.push_back(Point{L.u(0), L.u(256)});
    c.polygon(hills, rgb255(62, 120, 70));
    // The hills end at the tile's rounded bottom corners.
    Canvas mask(size, size);
    mask.roundRect(L.u(8), L.u(8), L.u(248), L.u(248), L.u(44), rgb(1, 1, 1), rgb(1, 1, 1));
    std::vector<float> alpha(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) alpha[static_cast<size_t>(y) * size + x] = mask.at(x, y).a;
    c.multiplyAlpha(alpha);

    // Canopy: eight gores, orange and white.
    const Dome dome{L.u(128), L.u(112), L.u(100), L.u(74)};
    const int gores = 8;
    for (int i = 0; i < gores; ++i) {
        float lon0 = -90 + 180.0f * i / gores, lon1 = -90 + 180.0f * (i + 1) / gores;
        Rgba col = i % 2 ? rgb255(246, 246, 240) : rgb255(242, 108, 28);
        c.polygon(gore(dome, lon0, lon1, L.u(9)), col);
    }
    // Seams and the rim, so the gores read at small sizes.
    const Rgba seam = rgb255(120, 52, 18);
    for (int i = 1; i < gores; ++i) {
        std::vector<Point> m;
        float lon = -90 + 180.0f * i / gores;
        for (int k = 0; k <= 12; ++k) m.push_back(dome.at(90.0f * k / 12, lon));
        c.polyline(m, L.stroke(1.6f), seam);
    }

    // Rigging lines from the skirt to the pilot's risers.
    const Point riser{L.u(128), L.u(186)};
    for (int i = 0; i <= gores; ++i) {
        Point s = dome.at(0, -90 + 180.0f * i / gores);
        s.y += i == 0 || i == gores ? 0 : L.u(4);
        c.line(s.x, s.y, riser.x, riser.y, L.stroke(2.2f), rgb255(40, 44, 56, 0.85f));
    }

    // The pilot hanging under the canopy: helmet, body, legs.
    const Rgba suit = rgb255(46, 52, 40);
    c.line(riser.x, riser.y, L.u(128), L.u(212), L.stroke(14), suit);
    c.line(L.u(124), L.u(210), L.u(118), L.u(232), L.stroke(7), suit);
    c.line(L.u(132), L.u(210), L.u(138), L.u(232), L.stroke(7), suit);
    c.fillDisc(L.u(128), L.u(178), L.u(10), rgb255(236, 236, 230));
    c.line(L.u(124), L.u(180), L.u(134), L.u(180), L.stroke(5), rgb255(30, 34, 48));
    return c;
}

bool writeIcon(int size, const std::string& path) {
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "vorix-assetgen: icon size %d is outside 16..1024\n", size);
        return false;
    }
    const Canvas c = drawIcon(size);
    std::vector<unsigned char> px(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Rgba& p = c.at(x, y);
            unsigned char* o = &px[(static_cast<size_t>(y) * size + x) * 4];
            const float ch[4] = {p.r, p.g, p.b, p.a};
            for (int k = 0; k < 4; ++k) o[k] = static_cast<unsigned char>(std::lround(std::clamp(ch[k], 0.0f, 1.0f) * 255));
        }
    if (!writePngFile(path, size, size, 4, px)) {
        std::fprintf(stderr, "vorix-assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
