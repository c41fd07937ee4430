// Menu panel pictures: the two backgrounds (drawn over the whole 800 x 600
// screen, so 512 x 512 pictures stretched 1.56 : 1.17; text on them is
// squeezed by 0.75 to look right), buttons, page arrows, toggles, the scroll
// bar, the dialog picture and the text-box background.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr float pi = 3.14159265f;
constexpr float screenToBk = 512.0f / 800.0f;  // x scale from the 800-unit screen

// The right-hand strip (x 758..800 on screen) carries the EXIT letters when
// the menu is open and, on bk3, the MENU letters when it is closed.
void edgeStrip(Canvas& c, const Rgba& band, const Rgba& edge) {
    float x0 = 758 * screenToBk;
    for (int y = 0; y < c.height(); ++y)
        for (int x = static_cast<int>(x0); x < c.width(); ++x) {
            float t = (x - x0) / (c.width() - x0);
            Rgba b = mix(band, scaled(band, 0.7f), t);
            b.a = 0.97f;
            c.at(x, y) = b;
        }
    c.fillRect(x0 - 1.5f, 0, x0 + 0.5f, static_cast<float>(c.height()), edge);
}

// While the menu is closed the right-hand strip of bk3 is the MENU strip at
// the left screen edge (drawn from x -759 to 41, after the HUD lines): over
// the HUD's bottom band (the last 80 units) it narrows to its first 6 units,
// so the lines that start at x 10 show whole through it. The open panel shows
// the same cut as the foot of its EXIT strip.
void cutHudNotch(Canvas& c) {
    const float x0 = 765 * screenToBk, y0 = 520 * 512.0f / 600.0f, r = 5.0f;
    for (int y = static_cast<int>(y0); y < c.height(); ++y)
        for (int x = static_cast<int>(x0); x < c.width(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    float px = x + (sx + 0.5f) / 4, py = y + (sy + 0.5f) / 4;
                    if (px < x0 || py < y0) continue;
                    float dx = x0 + r - px, dy = y0 + r - py;
                    if (dx > 0 && dy > 0 && dx * dx + dy * dy > r * r) continue;  // the rounded corner
                    ++inside;
                }
            c.at(x, y).a *= 1.0f - inside / 16.0f;
        }
}

Canvas blueprintBackground() {
    const int n = 512;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float v = y / static_cast<float>(n), u = x / static_cast<float>(n);
            Rgba base = mix(rgb(0.05f, 0.10f, 0.22f), rgb(0.02f, 0.04f, 0.10f), 0.6f * v + 0.4f * u);
            float fine = (x % 16 == 0 || y % 16 == 0) ? 0.05f : 0.0f;
            float coarse = (x % 64 == 0 || y % 64 == 0) ? 0.08f : 0.0f;
            base.r += fine + coarse * 0.6f;
            base.g += fine + coarse;
            base.b += fine * 1.5f + coarse * 1.6f;
            base.a = 0.9f;
            c.at(x, y) = base;
        }
    // A faint drawing of a seat trajectory arc across the lower half.
    std::vector<Point> arc;
    for (int k = 0; k <= 40; ++k) {
        float t = k / 40.0f;
        arc.push_back({40 + 420 * t, 470 - 330 * std::sin(t * pi * 0.85f)});
    }
    c.polyline(arc, 2, rgb(0.4f, 0.6f, 0.9f, 0.25f));
    TextStyle mark;
    mark.face = Face::SansBold;
    mark.size = 30;
    mark.xScale = 0.75f;
    mark.colour = rgb(0.5f, 0.65f, 0.95f, 0.18f);
    drawText(c, 24, 496, "VORIX", mark);
    edgeStrip(c, rgb(0.10f, 0.16f, 0.32f), rgb(0.45f, 0.6f, 0.9f));
    return c;
}

Canvas graphiteBackground() {
    const int n = 512;
    Canvas c(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float brushed = fractalNoise(x / 128.0f, y / 2.0f, 0, 0, 3, 81);
            float v = y / static_cast<float>(n);
            Rgba base = mix(rgb(0.16f, 0.17f, 0.19f), rgb(0.06f, 0.06f, 0.07f), v);
            base = scaled(base, 0.85f + 0.3f * brushed);
            base.a = 0.92f;
            c.at(x, y) = base;
        }
    // Thin orange accent line under where the tab strip sits.
    c.fillRect(0, 50 * 512.0f / 600.0f, 758 * screenToBk, 51.5f * 512.0f / 600.0f, rgb(0.9f, 0.5f, 0.1f, 0.6f));
    edgeStrip(c, rgb(0.28f, 0.2f, 0.12f), rgb(0.95f, 0.55f, 0.15f));
    cutHudNotch(c);
    return c;
}

Canvas button(bool hover) {
    Canvas c(128, 32, rgb(0.3f, 0.3f, 0.35f, 0));
    Rgba top = hover ? rgb(0.98f, 0.72f, 0.25f) : rgb(0.42f, 0.46f, 0.54f);
    Rgba bottom = hover ? rgb(0.75f, 0.38f, 0.05f) : rgb(0.18f, 0.2f, 0.25f);
    c.roundRect(0.5f, 0.5f, 127.5f, 31.5f, 8, rgb(0.02f, 0.02f, 0.03f), rgb(0.02f, 0.02f, 0.03f));
    c.roundRect(2, 2, 126, 30, 7, top, bottom);
    c.roundRect(5, 3, 123, 14, 5, rgb(1, 1, 1, 0.28f), rgb(1, 1, 1, 0.04f));  // gloss
    return c;
}

Canvas arrow(bool pointsRight, bool hover) {
    Canvas c(64, 32, rgb(0.2f, 0.2f, 0.2f, 0));
    Rgba top = hover ? rgb(0.5f, 0.55f, 0.65f) : rgb(0.28f, 0.3f, 0.35f);
    Rgba bottom = hover ? rgb(0.25f, 0.28f, 0.35f) : rgb(0.12f, 0.13f, 0.16f);
    c.roundRect(0.5f, 0.5f, 63.5f, 31.5f, 7, rgb(0, 0, 0), rgb(0, 0, 0));
    c.roundRect(2, 2, 62, 30, 6, top, bottom);
    Rgba ink = hover ? rgb(1.0f, 0.9f, 0.2f) : rgb(0.75f, 0.75f, 0.78f);
    std::vector<Point> tri = pointsRight ? std::vector<Point>{{22, 7}, {44, 16}, {22, 25}}
                                         : std::vector<Point>{{42, 7}, {20, 16}, {42, 25}};
    c.polygon(tri, ink);
    return c;
}

Canvas toggle(bool on) {
    Canvas c(64, 64, rgb(0.2f, 0.2f, 0.2f, 0));
    c.roundRect(1, 1, 63, 63, 10, rgb(0.02f, 0.02f, 0.02f), rgb(0.02f, 0.02f, 0.02f));
    if (on) {
        c.roundRect(4, 4, 60, 60, 8, rgb(0.35f, 0.9f, 0.35f), rgb(0.08f, 0.45f, 0.1f));
        c.polyline({{15, 33}, {27, 46}, {50, 16}}, 8, rgb(1, 1, 1));
    } else {
        c.roundRect(4, 4, 60, 60, 8, rgb(0.22f, 0.22f, 0.25f), rgb(0.1f, 0.1f, 0.12f));
        c.line(20, 20, 44, 44, 5, rgb(0.6f, 0.25f, 0.22f));
        c.line(44, 20, 20, 44, 5, rgb(0.6f, 0.25f, 0.22f));
    }
    c.roundRect(8, 6, 56, 24, 6, rgb(1, 1, 1, 0.25f), rgb(1, 1, 1, 0.03f));
    return c;
}

Canvas scrollTrack() {
    Canvas c(32, 256, rgb(0, 0, 0, 0));
    c.roundRect(4, 1, 28, 255, 10, rgb(0.03f, 0.03f, 0.04f, 0.9f), rgb(0.03f, 0.03f, 0.04f, 0.9f));
    c.roundRect(7, 4, 25, 252, 8, rgb(0.12f, 0.12f, 0.15f, 0.9f), rgb(0.2f, 0.2f, 0.24f, 0.9f));
    return c;
}

Canvas scrollThumb() {
    Canvas c(32, 64, rgb(0.5f, 0.5f, 0.5f, 0));
    c.roundRect(1, 1, 31, 63, 8, rgb(0.02f, 0.02f, 0.02f), rgb(0.02f, 0.02f, 0.02f));
    c.roundRect(3, 3, 29, 61, 7, rgb(0.75f, 0.78f, 0.85f), rgb(0.38f, 0.4f, 0.46f));
    for (int k = -1; k <= 1; ++k) c.fillRect(9, 31 + k * 6.0f, 23, 33 + k * 6.0f, rgb(0.2f, 0.2f, 0.24f));
    return c;
}

// Plan view of a twin-tail fighter, nose up the picture, centred on (cx, cy).
void fighterPlan(Canvas& c, float cx, float cy, float scale, float angleDeg, const Rgba& body, const Rgba& shade) {
    float a = angleDeg * pi / 180.0f, ca = std::cos(a), sa = std::sin(a);
    auto place = [&](std::vector<Point> pts) {
        for (Point& p : pts) {
            float x = p.x * scale, y = p.y * scale;
            p = {cx + x * ca - y * sa, cy + x * sa + y * ca};
        }
        return pts;
    };
    std::vector<Point> wingR = {{4, -10}, {30, 9}, {30, 14}, {5, 13}};
    std::vector<Point> wingL = {{-4, -10}, {-30, 9}, {-30, 14}, {-5, 13}};
    std::vector<Point> tailR = {{4, 16}, {15, 24}, {15, 28}, {4, 27}};
    std::vector<Point> tailL = {{-4, 16}, {-15, 24}, {-15, 28}, {-4, 27}};
    std::vector<Point> lex = {{0, -22}, {5, -6}, {-5, -6}};
    std::vector<Point> fuselage = {{0, -36}, {3, -26}, {4.5f, -10}, {5, 20}, {3.5f, 27}, {-3.5f, 27}, {-5, 20}, {-4.5f, -10}, {-3, -26}};
    c.polygon(place(wingR), shade);
    c.polygon(place(wingL), shade);
    c.polygon(place(tailR), shade);
    c.polygon(place(tailL), shade);
    c.polygon(place(fuselage), body);
    c.polygon(place(lex), body);
    std::vector<Point> fins = {{5, 14}, {7, 24}, {6, 25}, {4, 16}};
    c.polygon(place(fins), scaled(body, 0.6f));
    fins = {{-5, 14}, {-7, 24}, {-6, 25}, {-4, 16}};
    c.polygon(place(fins), scaled(body, 0.6f));
    std::vector<Point> canopy = {{0, -27}, {1.6f, -22}, {1.4f, -16}, {-1.4f, -16}, {-1.6f, -22}};
    c.polygon(place(canopy), rgb(0.2f, 0.35f, 0.45f));
}

Canvas dialogPicture() {
    Canvas c(256, 128);
    c.verticalGradient(0, 128, rgb(0.08f, 0.12f, 0.28f), rgb(0.35f, 0.25f, 0.3f));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) {
            float cl = fractalNoise(x / 40.0f, y / 14.0f, 0, 0, 4, 91);
            c.blend(x, y, rgb(0.7f, 0.6f, 0.65f), 0.4f * std::clamp((cl - 0.55f) * 4.0f, 0.0f, 1.0f));
        }
    fighterPlan(c, 186, 60, 1.35f, 55, rgb(0.62f, 0.65f, 0.7f), rgb(0.5f, 0.53f, 0.58f));
    c.line(160, 80, 40, 124, 3, rgb(1, 1, 1, 0.15f));  // contrail
    TextStyle s;
    s.face = Face::SansBold;
    s.size = 11;
    s.colour = rgb(0.85f, 0.9f, 1.0f, 0.7f);
    drawText(c, 8, 16, "VORIX SCENE", s);
    return c;
}

Canvas textBoxBackground() {
    Canvas c(256, 64);
    c.verticalGradient(0, 64, rgb(0.16f, 0.18f, 0.22f), rgb(0.09f, 0.1f, 0.13f));
    c.strokeRect(0, 0, 256, 64, 2, rgb(0.45f, 0.5f, 0.58f));
    c.strokeRect(3, 3, 253, 61, 1, rgb(0.04f, 0.04f, 0.05f));
    return c;
}

}  // namespace

bool writeMenuImages(const std::string& dir) {
    bool ok = writeTga(dir, "bk1.tga", blueprintBackground());
    ok = writeTga(dir, "bk3.tga", graphiteBackground()) && ok;
    ok = writeTga(dir, "btn.tga", button(false)) && ok;
    ok = writeTga(dir, "btn2.tga", button(true)) && ok;
    ok = writeTga(dir, "left_arrow.tga", arrow(false, true)) && ok;
    ok = writeTga(dir, "right_arrow.tga", arrow(true, true)) && ok;
    ok = writeTga(dir, "left_arrow_bk.tga", arrow(false, false)) && ok;
    ok = writeTga(dir, "right_arrow_bk.tga", arrow(true, false)) && ok;
    ok = writeTga(dir, "on.tga", toggle(true)) && ok;
    ok = writeTga(dir, "off.tga", toggle(false)) && ok;
    ok = writeTga(dir, "sl_bk.tga", scrollTrack()) && ok;
    ok = writeTga(dir, "sl_tab.tga", scrollThumb()) && ok;
    ok = writeTga(dir, "f18.tga", dialogPicture()) && ok;
    ok = writeBmp(dir, "blank.bmp", textBoxBackground()) && ok;
    return ok;
}
