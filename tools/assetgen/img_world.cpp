// Landscape pictures: ground, sky layer, building walls, the airfield
// building, the control tower, trees, crash fire, cloud and canopy glass.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr float pi = 3.14159265f;

float smooth(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Seamless noise over a square picture: `cells` lattice cells across.
float tileNoise(int x, int y, int side, int cells, int octaves, uint32_t seed) {
    float s = static_cast<float>(cells) / side;
    return fractalNoise(x * s, y * s, cells, cells, octaves, seed);
}

Canvas grass() {
    const int n = 512;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float meadow = tileNoise(x, y, n, 4, 3, 11);   // broad patches
            float tufts = tileNoise(x, y, n, 64, 2, 12);   // clumps
            float blades = tileNoise(x, y, n, 256, 1, 13); // fine grain
            Rgba base = mix(rgb(0.20f, 0.33f, 0.10f), rgb(0.36f, 0.50f, 0.17f), smooth(0.3f, 0.7f, meadow));
            base = mix(base, rgb(0.45f, 0.47f, 0.22f), 0.35f * smooth(0.62f, 0.8f, tileNoise(x, y, n, 8, 2, 14)));
            float k = 0.78f + 0.3f * tufts + 0.18f * (blades - 0.5f);
            c.at(x, y) = scaled(base, k);
        }
    return c;
}

Canvas sky() {
    const int n = 512;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float cloud = tileNoise(x, y, n, 6, 5, 21);
            float wisp = tileNoise(x, y, n, 24, 3, 22);
            float density = smooth(0.45f, 0.74f, cloud * 0.85f + wisp * 0.15f);
            Rgba blue = mix(rgb(0.30f, 0.52f, 0.86f), rgb(0.45f, 0.65f, 0.92f), tileNoise(x, y, n, 3, 2, 23));
            // Thick cores are a little grey, as seen from below.
            Rgba white = mix(rgb(0.97f, 0.98f, 1.0f), rgb(0.76f, 0.79f, 0.86f), smooth(0.66f, 0.86f, cloud));
            c.at(x, y) = mix(blue, white, density);
        }
    return c;
}

Canvas cloudPuff() {
    const int n = 256;
    Canvas c(n, n, rgb(0.9f, 0.92f, 0.95f, 0));
    Rng rng(31);
    std::vector<float> mask(n * n, 0.0f);
    struct Blob { float x, y, r; };
    std::vector<Blob> blobs;
    for (int i = 0; i < 14; ++i) {
        float t = rng.uniform();
        blobs.push_back({40 + 176 * t, 150 - 50 * std::sin(t * pi) + rng.range(-10, 10), rng.range(28, 48) * (0.6f + 0.6f * std::sin(t * pi))});
    }
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float v = 0;
            for (const Blob& b : blobs) {
                float d = std::hypot(x - b.x, y - b.y) / b.r;
                v = std::max(v, 1.0f - d * d);
            }
            float edge = tileNoise(x, y, n, 16, 3, 32);
            float a = smooth(0.05f, 0.45f, v + (edge - 0.5f) * 0.35f);
            if (y > 170) a *= smooth(200, 170, static_cast<float>(y));  // flat base
            float lit = 0.72f + 0.28f * smooth(190, 80, static_cast<float>(y));
            c.at(x, y) = rgb(0.98f * lit, 0.98f * lit, 1.0f * lit, a);
        }
    return c;
}

// ---- building walls ---------------------------------------------------------

struct WallStyle {
    Rgba material, materialAlt;  // cladding and its variation
    int pattern;                 // 0 plain, 1 brick, 2 panels, 3 stripes (horizontal bands)
    int floors, bays;            // window grid
    float winW, winH;            // window size as a share of the bay / floor
    Rgba frame, glass;
    float litShare;              // share of windows with lights on
    bool groundDoors;            // shop front / entrance on the ground floor
    uint32_t seed;
};

Rgba windowGlass(const WallStyle& s, float u, float v, bool lit) {
    // Sky reflection: lighter at the top, a diagonal glint.
    Rgba g = mix(scaled(s.glass, 1.25f), scaled(s.glass, 0.7f), v);
    float glint = smooth(0.08f, 0.0f, std::fabs(u - v * 0.6f - 0.2f));
    g = mix(g, rgb(0.85f, 0.9f, 0.95f), glint * 0.5f);
    if (lit) g = mix(g, rgb(0.95f, 0.85f, 0.55f), 0.65f);
    return g;
}

Canvas wall(const WallStyle& s) {
    const int n = 256;
    Canvas c(n, n);
    Rng rng(s.seed);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float grain = tileNoise(x, y, n, 32, 3, s.seed);
            Rgba m = mix(s.material, s.materialAlt, grain);
            if (s.pattern == 1) {  // brick courses with mortar
                int row = y / 6;
                int off = (row % 2) * 7;
                bool mortar = y % 6 == 0 || (x + off) % 14 == 0;
                float tone = tileNoise((x + off) / 14 * 14, row * 6, n, 64, 1, s.seed + 5);
                m = mortar ? rgb(0.7f, 0.68f, 0.62f) : mix(s.material, s.materialAlt, tone);
            } else if (s.pattern == 2) {  // large panels
                if (x % 32 == 0 || y % 32 == 0) m = scaled(m, 0.75f);
            } else if (s.pattern == 3) {  // horizontal bands between floors
                float fy = std::fmod(y * s.floors / static_cast<float>(n), 1.0f);
                if (fy > 0.82f) m = scaled(s.materialAlt, 0.9f);
            }
            // Streaks of weathering running down the wall.
            m = scaled(m, 0.92f + 0.1f * tileNoise(x, 0, n, 64, 2, s.seed + 9) - 0.04f * (y / static_cast<float>(n)));
            c.at(x, y) = m;
        }
    const float floorH = static_cast<float>(n) / s.floors, bayW = static_cast<float>(n) / s.bays;
    for (int f = 0; f < s.floors; ++f)
        for (int b = 0; b < s.bays; ++b) {
            bool groundFloor = f == s.floors - 1;
            float x0 = b * bayW + bayW * (1 - s.winW) * 0.5f, x1 = x0 + bayW * s.winW;
            float y0 = f * floorH + floorH * (1 - s.winH) * 0.45f, y1 = y0 + floorH * s.winH;
            bool door = groundFloor && s.groundDoors && (b == s.bays / 2);
            if (groundFloor && s.groundDoors) {  // shop windows reach down
                y1 = (f + 1) * floorH - 2;
                y0 = f * floorH + floorH * 0.15f;
            }
            bool lit = rng.uniform() < s.litShare;
            c.fillRect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, s.frame);
            for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y)
                for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x) {
                    float u = (x - x0) / (x1 - x0), v = (y - y0) / (y1 - y0);
                    Rgba g = door ? rgb(0.25f, 0.18f, 0.12f) : windowGlass(s, u, v, lit);
                    c.at(x, y) = g;
                }
            if (!door) {  // mullion and transom
                c.fillRect((x0 + x1) * 0.5f - 1, y0, (x0 + x1) * 0.5f + 1, y1, s.frame);
                if (y1 - y0 > 14) c.fillRect(x0, y0 + (y1 - y0) * 0.3f - 1, x1, y0 + (y1 - y0) * 0.3f + 1, s.frame);
            } else {
                c.fillRect(x0 + 2, (y0 + y1) * 0.5f, x0 + 4, (y0 + y1) * 0.5f + 3, rgb(0.8f, 0.7f, 0.3f));
            }
            // Sill shadow.
            c.fillRect(x0 - 3, y1 + 2, x1 + 3, y1 + 4, rgb(0, 0, 0, 0.35f));
        }
    return c;
}

WallStyle wallStyle(int k) {
    const WallStyle styles[12] = {
        // w.jpg: pale rendered office block
        {rgb255(196, 190, 178), rgb255(176, 170, 158), 0, 6, 5, 0.62f, 0.55f, rgb255(60, 60, 64), rgb255(70, 100, 130), 0.15f, true, 101},
        // wall1: red brick flats
        {rgb255(150, 62, 44), rgb255(120, 48, 36), 1, 5, 4, 0.45f, 0.55f, rgb255(235, 235, 230), rgb255(60, 80, 100), 0.2f, false, 102},
        // wall2: glass curtain wall
        {rgb255(40, 60, 70), rgb255(30, 50, 60), 2, 10, 8, 0.92f, 0.86f, rgb255(150, 160, 165), rgb255(60, 110, 140), 0.1f, false, 103},
        // wall3: concrete with ribbon windows
        {rgb255(160, 160, 156), rgb255(130, 132, 130), 3, 7, 1, 0.94f, 0.45f, rgb255(50, 50, 55), rgb255(80, 110, 120), 0.0f, false, 104},
        // wall4: yellow brick warehouse, few windows
        {rgb255(196, 168, 104), rgb255(170, 142, 86), 1, 3, 6, 0.5f, 0.4f, rgb255(40, 60, 40), rgb255(70, 90, 95), 0.0f, true, 105},
        // wall5: blue metal panels, hangar style
        {rgb255(80, 104, 140), rgb255(66, 88, 122), 2, 4, 8, 0.6f, 0.3f, rgb255(210, 210, 215), rgb255(90, 120, 140), 0.0f, false, 106},
        // wall6: white modern tower with dark glass
        {rgb255(225, 225, 222), rgb255(205, 205, 200), 3, 12, 6, 0.7f, 0.6f, rgb255(20, 20, 24), rgb255(30, 45, 60), 0.25f, false, 107},
        // wall7: brown stone with tall arched-look windows
        {rgb255(130, 110, 86), rgb255(110, 92, 70), 2, 4, 5, 0.5f, 0.7f, rgb255(50, 40, 30), rgb255(50, 70, 90), 0.3f, true, 108},
        // wall8: grey block with lit night windows
        {rgb255(105, 105, 110), rgb255(88, 88, 94), 0, 8, 6, 0.55f, 0.55f, rgb255(30, 30, 30), rgb255(40, 55, 70), 0.45f, false, 109},
        // wall9: green-tinted panels (also the airfield roof)
        {rgb255(96, 120, 100), rgb255(80, 102, 84), 2, 6, 4, 0.7f, 0.5f, rgb255(200, 205, 200), rgb255(70, 100, 110), 0.1f, false, 110},
        // wall10: orange terracotta flats with balconies look
        {rgb255(190, 110, 70), rgb255(165, 92, 58), 3, 6, 3, 0.7f, 0.62f, rgb255(240, 236, 226), rgb255(70, 95, 120), 0.2f, true, 111},
        // wall11: dark steel and glass
        {rgb255(50, 52, 58), rgb255(40, 42, 48), 2, 9, 4, 0.85f, 0.75f, rgb255(120, 125, 130), rgb255(90, 130, 160), 0.35f, false, 112},
    };
    return styles[std::clamp(k, 0, 11)];
}

// Airfield building front: one storey-high module that repeats 5 x 5 on the
// long faces; corrugated cladding, a hangar door, a window band and a sign.
Canvas airfieldFront() {
    const int w = 512, h = 256;
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float rib = 0.85f + 0.15f * std::cos(x * 2 * pi / 8.0f);
            float grime = fractalNoise(x / 16.0f, y / 16.0f, w / 16, h / 16, 2, 41);  // repeats with the module
            c.at(x, y) = scaled(mix(rgb255(178, 184, 188), rgb255(150, 156, 160), grime), rib);
        }
    // Fascia at the top, plinth at the bottom (they meet when stacked).
    c.fillRect(0, 0, w, 14, rgb255(40, 70, 120));
    c.fillRect(0, h - 16, w, h, rgb255(90, 90, 88));
    // Window band.
    for (int k = 0; k < 8; ++k) {
        float x0 = 12 + k * 64.0f, x1 = x0 + 40;
        if (x1 > 150 && x0 < 362) continue;  // the sign hangs there
        c.fillRect(x0 - 2, 34, x1 + 2, 80, rgb255(50, 50, 55));
        for (int y = 36; y < 78; ++y)
            for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x)
                c.at(x, y) = mix(rgb255(120, 160, 190), rgb255(50, 80, 110), (y - 36) / 42.0f);
        c.fillRect((x0 + x1) * 0.5f - 1, 36, (x0 + x1) * 0.5f + 1, 78, rgb255(50, 50, 55));
    }
    // Hangar door: big sliding leaves with panel lines and a warning stripe.
    float d0 = 150, d1 = 362;
    c.fillRect(d0 - 5, 96, d1 + 5, h - 16, rgb255(60, 62, 66));
    for (int y = 100; y < h - 16; ++y)
        for (int x = static_cast<int>(d0); x < static_cast<int>(d1); ++x)
            c.at(x, y) = scaled(rgb255(120, 128, 136), 0.9f + 0.1f * std::cos((y - 100) * 2 * pi / 12.0f));
    for (int leaf = 1; leaf < 4; ++leaf) c.fillRect(d0 + leaf * 53 - 1, 100, d0 + leaf * 53 + 1, h - 16, rgb255(50, 52, 56));
    for (int x = static_cast<int>(d0); x < static_cast<int>(d1); ++x)
        for (int y = h - 28; y < h - 16; ++y)
            c.at(x, y) = ((x + y) / 8) % 2 ? rgb255(230, 190, 30) : rgb255(30, 30, 30);
    // Sign over the door.
    c.roundRect(d0 + 10, 34, d1 - 10, 80, 6, rgb255(200, 40, 36), rgb255(160, 28, 24));
    TextStyle sign;
    sign.face = Face::SansBold;
    sign.size = 28;
    sign.align = Align::Centre;
    drawText(c, (d0 + d1) * 0.5f, 68, "HANGAR 1", sign);
    // Personnel door to the side.
    c.fillRect(412, 150, 446, h - 16, rgb255(40, 60, 90));
    c.fillRect(438, 190, 442, 196, rgb255(220, 200, 120));
    TextStyle small;
    small.size = 12;
    small.face = Face::SansBold;
    small.colour = rgb(0.1f, 0.1f, 0.1f);
    drawText(c, 60, 130, "VORIX AIRFIELD", small);
    drawText(c, 420, 142, "OPS", small);
    return c;
}

// Tower walls: concrete, a slit window column for the stairs, floor joints and
// a door at the foot. Tall: the wall is 13 m wide and 75 m high.
Canvas towerWall() {
    const int w = 128, h = 512;
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float g = fractalNoise(x / 16.0f, y / 16.0f, 8, 32, 3, 51);
            c.at(x, y) = mix(rgb255(200, 198, 190), rgb255(170, 168, 160), g);
        }
    for (int f = 1; f < 16; ++f) c.fillRect(0, f * 32.0f - 1, w, f * 32.0f + 1, rgb255(140, 138, 132));
    for (int f = 1; f < 15; ++f) {
        float y0 = f * 32.0f + 8;
        c.fillRect(56, y0, 72, y0 + 18, rgb255(40, 50, 60));
        c.fillRect(57, y0 + 1, 71, y0 + 8, rgb255(90, 110, 130));
        c.fillRect(20, y0 + 4, 30, y0 + 14, rgb255(50, 55, 60));
        c.fillRect(98, y0 + 4, 108, y0 + 14, rgb255(50, 55, 60));
    }
    // Red and white aviation bands near the top.
    c.fillRect(0, 6, w, 18, rgb255(200, 40, 30));
    c.fillRect(0, 18, w, 26, rgb255(240, 240, 240));
    // Door.
    c.fillRect(46, h - 40, 82, h, rgb255(60, 62, 66));
    c.fillRect(48, h - 38, 80, h, rgb255(90, 110, 130));
    c.fillRect(63, h - 38, 65, h, rgb255(60, 62, 66));
    c.fillRect(40, h - 46, 88, h - 40, rgb255(120, 118, 112));
    return c;
}

// Tower cab: the slanted quads map (0.187, 0.05)-(0.813, 0.05) at the wall top
// and (0, 1)-(1, 1) at the ring; draw in the quad's own (along, up) space.
Canvas towerCab() {
    const int n = 256;
    Canvas c(n, n, rgb(0.2f, 0.3f, 0.3f, 0));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float u = (x + 0.5f) / n, t = 1.0f - (y + 0.5f) / n;  // t = 0 at the bottom
            float up = (t - 0.05f) / 0.95f;
            float widthAt = 0.626f * (1 - up) + up;
            float along = (u - 0.187f * (1 - up)) / widthAt;
            if (up < 0) {
                c.at(x, y) = rgb(0.25f, 0.25f, 0.27f);
                continue;
            }
            Rgba p;
            if (up < 0.12f) p = rgb(0.30f, 0.30f, 0.32f);                  // sill
            else if (up > 0.9f) p = rgb(0.16f, 0.17f, 0.18f);               // roof edge
            else {
                float m = std::fmod(along * 5.0f + 10.0f, 1.0f);
                bool mullion = m < 0.04f || m > 0.96f;
                if (mullion) p = rgb(0.12f, 0.12f, 0.13f);
                else {
                    float refl = 0.4f + 0.6f * smooth(0.1f, 0.9f, up);
                    p = rgb(0.35f * refl, 0.55f * refl + 0.1f, 0.6f * refl + 0.12f, 0.55f);
                    float glint = smooth(0.06f, 0.0f, std::fabs(m - up * 0.5f - 0.2f));
                    p = mix(p, rgb(0.9f, 0.95f, 1.0f, 0.8f), glint * 0.6f);
                }
            }
            c.at(x, y) = p;
        }
    return c;
}

// ---- trees --------------------------------------------------------------------

struct Foliage {
    Rgba dark, light;
};

void trunk(Canvas& c, float x, float top, float halfBottom, float halfTop, const Rgba& col, bool birch) {
    const float bottom = static_cast<float>(c.height());
    std::vector<Point> poly = {{x - halfBottom, bottom}, {x - halfTop, top}, {x + halfTop, top}, {x + halfBottom, bottom}};
    c.polygon(poly, col);
    if (birch) {
        Rng rng(77);
        for (int i = 0; i < 14; ++i) {
            float y = rng.range(top, bottom - 4);
            c.fillRect(x - halfTop - 1, y, x + rng.range(-2, halfTop), y + 2, rgb(0.1f, 0.1f, 0.1f));
        }
    }
}

// Clusters of leaves inside an envelope; lit from the upper left.
void leafMass(Canvas& c, Rng& rng, int count, float cx, float cy, float rx, float ry, float blobR, const Foliage& f) {
    for (int i = 0; i < count; ++i) {
        float a = rng.range(0, 2 * pi), d = std::sqrt(rng.uniform());
        float x = cx + std::cos(a) * d * rx, y = cy + std::sin(a) * d * ry;
        float lightness = std::clamp(0.55f - 0.45f * ((x - cx) / rx + (y - cy) / ry) * 0.5f + rng.range(-0.2f, 0.2f), 0.0f, 1.0f);
        float r = blobR * rng.range(0.6f, 1.1f);
        c.fillDisc(x, y, r, mix(f.dark, f.light, lightness));
        c.fillDisc(x - r * 0.3f, y - r * 0.3f, r * 0.45f, mix(f.dark, f.light, std::min(1.0f, lightness + 0.25f)));
    }
}

Canvas treeConifer() {
    Canvas c(128, 256, rgb(0.1f, 0.25f, 0.12f, 0));
    trunk(c, 64, 150, 6, 4, rgb255(80, 56, 36), false);
    Rng rng(61);
    for (int tier = 0; tier < 7; ++tier) {
        float top = 8 + tier * 28.0f, base = top + 62, half = 14 + tier * 7.5f;
        std::vector<Point> tri = {{64, top}};
        for (int k = 0; k <= 8; ++k) {
            float t = k / 8.0f;
            float x = 64 + half - 2 * half * t, y = base + ((k % 2) ? -7.0f : 0.0f) - 4 * std::sin(t * pi);
            tri.push_back({x, y});
        }
        Rgba col = mix(rgb255(20, 60, 30), rgb255(44, 96, 48), 0.3f + 0.1f * tier / 6.0f);
        c.polygon(tri, col);
        // Lit left flank.
        std::vector<Point> lit = {{64, top + 4}, {64 - half * 0.8f, base - 6}, {64 - half * 0.3f, base - 8}};
        c.polygon(lit, rgb255(60, 120, 62, 0.6f));
        (void)rng;
    }
    return c;
}

Canvas treeRound() {
    Canvas c(128, 256, rgb(0.2f, 0.35f, 0.12f, 0));
    trunk(c, 64, 120, 7, 4, rgb255(92, 66, 44), false);
    c.line(64, 150, 44, 118, 4, rgb255(92, 66, 44));
    c.line(64, 140, 86, 112, 4, rgb255(92, 66, 44));
    Rng rng(62);
    leafMass(c, rng, 160, 64, 96, 54, 70, 13, Foliage{rgb255(30, 70, 24), rgb255(110, 160, 60)});
    return c;
}

Canvas treePoplar() {
    Canvas c(128, 256, rgb(0.2f, 0.35f, 0.12f, 0));
    trunk(c, 64, 200, 5, 3, rgb255(96, 80, 60), false);
    Rng rng(63);
    leafMass(c, rng, 200, 64, 112, 24, 102, 9, Foliage{rgb255(36, 76, 30), rgb255(120, 170, 70)});
    return c;
}

Canvas treeBirch() {
    Canvas c(128, 256, rgb(0.35f, 0.45f, 0.2f, 0));
    trunk(c, 60, 40, 5, 2, rgb255(228, 226, 218), true);
    c.line(60, 120, 88, 70, 2.5f, rgb255(220, 218, 210));
    c.line(60, 150, 34, 96, 2.5f, rgb255(220, 218, 210));
    Rng rng(64);
    Foliage f{rgb255(70, 110, 40), rgb255(170, 200, 90)};
    leafMass(c, rng, 50, 60, 70, 36, 50, 8, f);
    leafMass(c, rng, 30, 88, 84, 20, 24, 7, f);
    leafMass(c, rng, 30, 36, 110, 20, 26, 7, f);
    leafMass(c, rng, 20, 62, 150, 18, 14, 6, f);
    return c;
}

Canvas treeOak() {
    Canvas c(128, 256, rgb(0.25f, 0.3f, 0.1f, 0));
    trunk(c, 64, 150, 10, 6, rgb255(70, 52, 36), false);
    c.line(64, 170, 26, 142, 6, rgb255(70, 52, 36));
    c.line(64, 166, 104, 138, 6, rgb255(70, 52, 36));
    Rng rng(65);
    Foliage f{rgb255(40, 56, 20), rgb255(150, 150, 60)};
    leafMass(c, rng, 90, 64, 120, 60, 40, 14, f);
    leafMass(c, rng, 60, 64, 86, 44, 30, 13, f);
    return c;
}

// ---- fire -----------------------------------------------------------------------

Rgba heatColour(float h) {
    if (h < 0.33f) return mix(rgb(0.35f, 0.02f, 0.0f), rgb(0.85f, 0.18f, 0.02f), h / 0.33f);
    if (h < 0.66f) return mix(rgb(0.85f, 0.18f, 0.02f), rgb(1.0f, 0.62f, 0.1f), (h - 0.33f) / 0.33f);
    return mix(rgb(1.0f, 0.62f, 0.1f), rgb(1.0f, 0.95f, 0.7f), std::min(1.0f, (h - 0.66f) / 0.34f));
}

// Eight frames of 128 x 128; frame k in column k mod 4, row k div 4 (frames
// 0..3 in the top row). The turbulence scrolls up by one period over the
// eight frames, so the animation loops without a jump.
Canvas fireAtlas() {
    const int fw = 128, fh = 128;
    Canvas c(fw * 4, fh * 2, rgb(0.8f, 0.2f, 0.02f, 0));
    const int periodCells = 4;  // lattice cells per frame height, and the scroll per cycle
    for (int k = 0; k < 8; ++k) {
        int ox = (k % 4) * fw, oy = (k / 4) * fh;
        float scroll = k / 8.0f * periodCells;
        for (int y = 2; y < fh - 2; ++y)
            for (int x = 2; x < fw - 2; ++x) {
                float up = (fh - 3 - y) / static_cast<float>(fh - 6);   // 0 at the base
                float across = (x - fw * 0.5f) / (fw * 0.5f);
                float turb = fractalNoise(x / 32.0f, y / 32.0f + scroll, 0, periodCells, 4, 71);
                float lick = fractalNoise(x / 20.0f, y / 32.0f + scroll, 0, periodCells, 3, 72);
                float sway = (0.08f * std::sin(up * 5.0f + k * 2 * pi / 8.0f) + (lick - 0.5f) * 0.7f) * up;
                float halfWidth = 0.02f + 0.8f * std::pow(std::max(0.0f, 1.0f - up), 0.55f);
                float body = smooth(halfWidth, halfWidth * 0.3f, std::fabs(across - sway));
                float heat = body * (0.35f + 1.1f * turb) - up * 0.75f;
                heat += 0.3f * smooth(0.2f, 0.0f, up) * body;  // hot bed of embers
                float alpha = smooth(0.12f, 0.42f, heat);
                if (alpha <= 0) continue;
                Rgba col = heatColour(std::clamp(heat * 1.1f, 0.0f, 1.0f));
                col.a = alpha;
                c.at(ox + x, oy + y) = col;
            }
    }
    return c;
}

// ---- canopy glass -----------------------------------------------------------------

Canvas canopyGlass() {
    const int n = 256;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float v = y / static_cast<float>(n);
            Rgba g = mix(rgb(0.55f, 0.68f, 0.78f), rgb(0.18f, 0.26f, 0.34f), v);
            float streak = smooth(0.05f, 0.0f, std::fabs((x - y * 0.7f) / n - 0.15f)) +
                           0.5f * smooth(0.03f, 0.0f, std::fabs((x - y * 0.7f) / n - 0.32f));
            c.at(x, y) = mix(g, rgb(0.95f, 0.97f, 1.0f), std::min(1.0f, streak) * 0.7f);
        }
    return c;
}

Canvas canopyMask() {
    const int n = 256;
    Canvas c(n, n, rgb(0, 0, 0));
    std::vector<Point> outline;
    for (int k = 0; k <= 32; ++k) {
        float t = k / 32.0f * pi;
        outline.push_back({128 - 120 * std::cos(t), 230 - 190 * std::sin(t)});
    }
    c.polygon(outline, rgb(1, 1, 1));
    c.line(128, 40, 128, 230, 8, rgb(0, 0, 0));   // centre frame
    c.line(40, 150, 216, 150, 6, rgb(0, 0, 0));   // bow frame
    c.fillRect(0, 230, n, n, rgb(0, 0, 0));
    return c;
}

}  // namespace

bool writeWorldImages(const std::string& dir) {
    bool ok = writeJpeg(dir, "grass.jpg", grass());
    // Ground and sky repeat in both directions: either row order shows the same.
    ok = writeJpeg(dir, "bigsky.jpg", sky()) && ok;
    ok = writeJpeg(dir, "w.jpg", wall(wallStyle(0)), JpegRows::BottomFirst) && ok;
    for (int k = 1; k <= 11; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "wall%d.jpg", k);
        ok = writeJpeg(dir, name, wall(wallStyle(k)), JpegRows::BottomFirst) && ok;
    }
    ok = writeJpeg(dir, "sy_a1.jpg", airfieldFront(), JpegRows::BottomFirst) && ok;
    ok = writeBmp(dir, "tower.bmp", towerWall()) && ok;
    ok = writeTga(dir, "towertop.tga", towerCab()) && ok;
    ok = writeTga(dir, "tree1.tga", treeConifer()) && ok;
    ok = writeTga(dir, "tree2.tga", treeRound()) && ok;
    ok = writeTga(dir, "tree3.tga", treePoplar()) && ok;
    ok = writeTga(dir, "tree4.tga", treeBirch()) && ok;
    ok = writeTga(dir, "tree5.tga", treeOak()) && ok;
    ok = writeTga(dir, "fire.tga", fireAtlas()) && ok;
    ok = writeTga(dir, "cloud.tga", cloudPuff()) && ok;
    ok = writeJpeg(dir, "c.jpg", canopyGlass()) && ok;
    ok = writeJpeg(dir, "cmask.jpg", canopyMask()) && ok;
    return ok;
}
