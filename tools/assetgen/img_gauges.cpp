// Instrument faces and needles. Faces are drawn upright (their top is the top
// of the screen quad); a dial value v stands at angle v * degreesPerUnit,
// clockwise from the top, exactly as the needles are turned. Needles point up:
// the head at the top of the image, the pivot where the needle quad's centre
// lies (1/3.2 of the length above the tail end).
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr int faceSide = 256;
constexpr float centre = faceSide * 0.5f;
constexpr float pi = 3.14159265f;

Point onDial(float angleDeg, float radius) {
    float a = angleDeg * pi / 180.0f;
    return Point{centre + radius * std::sin(a), centre - radius * std::cos(a)};
}

Canvas blankFace(const Rgba& inner, const Rgba& outer) {
    Canvas c(faceSide, faceSide, rgb(0.1f, 0.1f, 0.1f, 0));
    // Bezel: a brushed ring, lighter at the top as if lit from above.
    for (int y = 0; y < faceSide; ++y)
        for (int x = 0; x < faceSide; ++x) {
            float dx = x + 0.5f - centre, dy = y + 0.5f - centre, d = std::hypot(dx, dy);
            float lit = 0.5f - 0.5f * dy / (d + 1e-3f);
            Rgba bezel = mix(rgb(0.18f, 0.18f, 0.2f), rgb(0.62f, 0.63f, 0.66f), lit);
            c.blend(x, y, bezel, std::clamp(127.0f - d, 0.0f, 1.0f));
            float t = std::clamp(d / 116.0f, 0.0f, 1.0f);
            c.blend(x, y, mix(inner, outer, t * t), std::clamp(116.5f - d, 0.0f, 1.0f));
        }
    c.ring(centre, centre, 116, 118, rgb(0.02f, 0.02f, 0.02f));
    return c;
}

void tick(Canvas& c, float angleDeg, float r0, float r1, float width, const Rgba& colour) {
    Point a = onDial(angleDeg, r0), b = onDial(angleDeg, r1);
    c.line(a.x, a.y, b.x, b.y, width, colour);
}

void arcBand(Canvas& c, float fromDeg, float toDeg, float r0, float r1, const Rgba& colour) {
    for (int y = 0; y < faceSide; ++y)
        for (int x = 0; x < faceSide; ++x) {
            float dx = x + 0.5f - centre, dy = y + 0.5f - centre, d = std::hypot(dx, dy);
            if (d < r0 - 1 || d > r1 + 1) continue;
            float a = std::atan2(dx, -dy) * 180.0f / pi;
            if (a < 0) a += 360;
            if (a < fromDeg || a > toDeg) continue;
            float cover = std::min(std::clamp(d - r0 + 0.5f, 0.0f, 1.0f), std::clamp(r1 - d + 0.5f, 0.0f, 1.0f));
            c.blend(x, y, colour, cover);
        }
}

void numeral(Canvas& c, float angleDeg, float radius, const std::string& text, float size) {
    TextStyle s;
    s.face = Face::SansBold;
    s.size = size;
    s.align = Align::Centre;
    s.colour = rgb(0.95f, 0.95f, 0.92f);
    Point p = onDial(angleDeg, radius);
    drawText(c, p.x, p.y + size * 0.36f, text, s);
}

void caption(Canvas& c, float y, const std::string& text, float size, const Rgba& colour, Face face = Face::Sans) {
    TextStyle s;
    s.face = face;
    s.size = size;
    s.align = Align::Centre;
    s.colour = colour;
    drawText(c, centre, y, text, s);
}

void hubCap(Canvas& c) {
    c.fillDisc(centre, centre, 9, rgb(0.05f, 0.05f, 0.05f));
    c.fillDisc(centre, centre, 6, rgb(0.35f, 0.35f, 0.38f));
}

Canvas gMeterFace() {
    Canvas c = blankFace(rgb(0.13f, 0.13f, 0.15f), rgb(0.05f, 0.05f, 0.06f));
    const float perG = 9.0f;  // 40 g is one turn
    arcBand(c, 12 * perG, 20 * perG, 104, 112, rgb(0.95f, 0.8f, 0.1f));
    arcBand(c, 20 * perG, 40 * perG - 0.01f, 104, 112, rgb(0.85f, 0.12f, 0.1f));
    for (int g = 0; g < 40; ++g) {
        bool major = g % 5 == 0;
        tick(c, g * perG, major ? 92 : 102, 114, major ? 4.0f : 2.0f, rgb(0.95f, 0.95f, 0.95f));
    }
    for (int g = 0; g < 40; g += 5) numeral(c, g * perG, 74, std::to_string(g), 22);
    caption(c, centre - 26, "G", 30, rgb(1, 1, 1), Face::SansBold);
    caption(c, centre + 40, "LOAD", 15, rgb(0.8f, 0.8f, 0.8f));
    hubCap(c);
    return c;
}

Canvas speedFace() {
    Canvas c = blankFace(rgb(0.12f, 0.13f, 0.15f), rgb(0.04f, 0.05f, 0.06f));
    const float perKnot = 0.45f;  // 800 knots is one turn
    arcBand(c, 150 * perKnot, 600 * perKnot, 106, 112, rgb(0.15f, 0.7f, 0.2f));
    arcBand(c, 600 * perKnot, 800 * perKnot - 0.01f, 106, 112, rgb(0.85f, 0.15f, 0.1f));
    for (int v = 0; v < 800; v += 20) {
        bool major = v % 100 == 0, half = v % 50 == 0;
        tick(c, v * perKnot, major ? 92 : half ? 98 : 104, 114, major ? 4.0f : 2.0f, rgb(0.95f, 0.95f, 0.95f));
    }
    for (int v = 0; v < 800; v += 100) numeral(c, v * perKnot, 68, std::to_string(v), v == 0 ? 22 : 18);
    caption(c, centre - 30, "AIRSPEED", 14, rgb(0.85f, 0.85f, 0.85f));
    caption(c, centre - 14, "KNOTS", 13, rgb(0.85f, 0.85f, 0.85f));
    // Dark window for the km/h read-out the overlay prints below the hub.
    c.roundRect(centre - 50, centre + 20, centre + 50, centre + 48, 4, rgb(0, 0, 0), rgb(0.03f, 0.03f, 0.03f));
    c.strokeRect(centre - 50, centre + 20, centre + 50, centre + 48, 1, rgb(0.4f, 0.4f, 0.42f));
    hubCap(c);
    return c;
}

Canvas altimeterFace() {
    Canvas c = blankFace(rgb(0.12f, 0.12f, 0.13f), rgb(0.04f, 0.04f, 0.05f));
    // 0..9 around the dial: hundreds of feet for the long needle (one turn
    // per 1000 ft), thousands for the wide needle, ten-thousands for the short one.
    for (int k = 0; k < 50; ++k) {
        bool major = k % 5 == 0;
        tick(c, k * 7.2f, major ? 92 : 104, 114, major ? 4.5f : 2.0f, rgb(0.95f, 0.95f, 0.95f));
    }
    for (int n = 0; n < 10; ++n) numeral(c, n * 36.0f, 76, std::to_string(n), 26);
    caption(c, centre - 34, "ALT", 16, rgb(1, 1, 1), Face::SansBold);
    caption(c, centre - 18, "100 FEET", 11, rgb(0.8f, 0.8f, 0.8f));
    caption(c, centre + 30, "LONG: 100 FT", 10, rgb(0.7f, 0.7f, 0.7f));
    caption(c, centre + 43, "WIDE: 1000 FT", 10, rgb(0.7f, 0.7f, 0.7f));
    caption(c, centre + 56, "SHORT: 10000 FT", 10, rgb(0.7f, 0.7f, 0.7f));
    hubCap(c);
    return c;
}

Canvas clockFace() {
    Canvas c = blankFace(rgb(0.16f, 0.18f, 0.24f), rgb(0.06f, 0.07f, 0.1f));
    for (int m = 0; m < 60; ++m) {
        bool hour = m % 5 == 0;
        tick(c, m * 6.0f, hour ? 96 : 106, 114, hour ? 5.0f : 2.0f, rgb(0.95f, 0.95f, 0.95f));
    }
    for (int h = 1; h <= 12; ++h) numeral(c, h * 30.0f, 78, std::to_string(h), 26);
    caption(c, centre + 44, "VORIX", 13, rgb(0.75f, 0.8f, 0.9f), Face::SansBold);
    hubCap(c);
    return c;
}

// Needle outline in a width x height image: a list of (offset from the axis,
// distance from the top) pairs for the right half, mirrored for the left.
Canvas needle(int width, int height, const std::vector<Point>& rightHalf, const Rgba& body, float hubRadius) {
    Canvas c(width, height, scaled(body, 0.4f));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) c.at(x, y).a = 0;
    float axis = width * 0.5f;
    float pivotY = height * (1.0f - 1.0f / 3.2f);
    std::vector<Point> shape;
    for (const Point& p : rightHalf) shape.push_back(Point{axis + p.x, p.y * height});
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it) shape.push_back(Point{axis - it->x, it->y * height});
    // A dark rim first, then the body slightly inset, so the needle reads on
    // light and dark faces alike.
    c.polygon(shape, rgb(0.02f, 0.02f, 0.02f));
    c.fillDisc(axis, pivotY, hubRadius + 1.5f, rgb(0.02f, 0.02f, 0.02f));
    std::vector<Point> inner;
    for (const Point& p : rightHalf) inner.push_back(Point{axis + std::max(0.0f, p.x - 1.6f), p.y * height + 2});
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
        inner.push_back(Point{axis - std::max(0.0f, it->x - 1.6f), it->y * height + 2});
    c.polygon(inner, body);
    c.fillDisc(axis, pivotY, hubRadius, body);
    c.fillDisc(axis, pivotY, hubRadius * 0.45f, rgb(0.1f, 0.1f, 0.1f));
    return c;
}

}  // namespace

bool writeGaugeImages(const std::string& dir) {
    bool ok = writeTga(dir, "g_meter.tga", gMeterFace());
    ok = writeTga(dir, "speed_meter_low.tga", speedFace()) && ok;
    ok = writeTga(dir, "alt.tga", altimeterFace()) && ok;
    ok = writeTga(dir, "clock.tga", clockFace()) && ok;
    // Thin pointer: sharp head, straight shaft, round counterweight tail.
    const std::vector<Point> thin = {{1.0f, 0.005f}, {6.0f, 0.10f}, {7.0f, 0.62f}, {12.0f, 0.70f},
                                     {13.0f, 0.85f}, {13.0f, 0.97f}, {9.0f, 0.995f}};
    ok = writeTga(dir, "needle.tga", needle(32, 256, thin, rgb(0.97f, 0.97f, 0.95f), 13)) && ok;
    const std::vector<Point> slim = {{1.0f, 0.005f}, {5.0f, 0.10f}, {5.5f, 0.64f}, {10.0f, 0.72f},
                                     {10.0f, 0.95f}, {7.0f, 0.99f}};
    ok = writeTga(dir, "needle_max_g.tga", needle(32, 256, slim, rgb(1.0f, 0.12f, 0.08f), 11)) && ok;
    // Wide pointer (hour hand, thousands of feet): a broad leaf.
    const std::vector<Point> wide = {{1.0f, 0.01f}, {14.0f, 0.12f}, {22.0f, 0.32f}, {18.0f, 0.62f},
                                     {24.0f, 0.70f}, {24.0f, 0.88f}, {14.0f, 0.99f}};
    ok = writeTga(dir, "needle_big.tga", needle(64, 256, wide, rgb(0.95f, 0.95f, 0.9f), 22)) && ok;
    return ok;
}
