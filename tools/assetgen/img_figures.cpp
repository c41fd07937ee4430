// Seat, pilot and helmet surfaces mapped on the model's textured quads (the
// quad's (1,1) corner is the picture's top right). The TGA ones are drawn
// with blending and the texture's alpha, so they are fully opaque here.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr float pi = 3.14159265f;

const Rgba suitGreen = rgb255(98, 110, 72);
const Rgba strapGrey = rgb255(74, 76, 60);
const Rgba seatGrey = rgb255(88, 92, 90);
const Rgba warnYellow = rgb255(236, 190, 30);

// Nomex-like fabric: a fine weave with soft folds.
Canvas fabric(int w, int h, const Rgba& base, uint32_t seed) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float weave = ((x + y) % 4 < 2 ? 0.03f : -0.03f) + (((x - y) & 3) == 0 ? 0.02f : 0.0f);
            float folds = fractalNoise(x / 48.0f, y / 24.0f, 0, 0, 3, seed);
            c.at(x, y) = scaled(base, 0.8f + 0.35f * folds + weave);
        }
    return c;
}

// Webbing strap: ribbed across its length, a thread of stitching near each edge.
void stitchedStrap(Canvas& c, float x0, float y0, float x1, float y1, float width, const Rgba& col) {
    c.line(x0, y0, x1, y1, width, col);
    float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    if (len <= 0) return;
    float ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    const float half = width * 0.5f - 1;
    for (float d = 0; d < len; d += 3) {
        float px = x0 + ux * d, py = y0 + uy * d;
        c.line(px - nx * half, py - ny * half, px + nx * half, py + ny * half, 1, rgb(0, 0, 0, 0.07f));
    }
    for (int side = -1; side <= 1; side += 2) {
        float off = side * (half - 2);
        for (float d = 0; d < len; d += 6)
            c.line(x0 + ux * d + nx * off, y0 + uy * d + ny * off, x0 + ux * (d + 3) + nx * off,
                   y0 + uy * (d + 3) + ny * off, 1, scaled(col, 1.2f));
    }
}

void buckle(Canvas& c, float cx, float cy, float r) {
    c.fillDisc(cx, cy, r, rgb(0.3f, 0.3f, 0.32f));
    c.fillDisc(cx, cy, r * 0.82f, rgb(0.78f, 0.8f, 0.82f));
    c.ring(cx, cy, r * 0.35f, r * 0.5f, rgb(0.3f, 0.3f, 0.32f));
    c.fillRect(cx - r * 0.15f, cy - r * 0.95f, cx + r * 0.15f, cy - r * 0.55f, rgb(0.9f, 0.2f, 0.15f));  // release tab
}

void hazardStripes(Canvas& c, float x0, float y0, float x1, float y1) {
    for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y)
        for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x)
            c.at(x, y) = ((x + y) / 10) % 2 ? warnYellow : rgb(0.08f, 0.08f, 0.08f);
}

void rivets(Canvas& c, float x0, float y0, float x1, float y1, float step) {
    for (float x = x0; x <= x1; x += step) {
        c.fillDisc(x, y0, 1.6f, rgb(0.75f, 0.76f, 0.78f));
        c.fillDisc(x, y1, 1.6f, rgb(0.75f, 0.76f, 0.78f));
    }
}

void label(Canvas& c, float x, float y, const char* text, float size, const Rgba& colour, Face face = Face::SansBold,
           Align align = Align::Centre) {
    TextStyle s;
    s.face = face;
    s.size = size;
    s.colour = colour;
    s.align = align;
    drawText(c, x, y, text, s);
}

Canvas metalPanel(int w, int h, const Rgba& base, uint32_t seed) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float wear = fractalNoise(x / 32.0f, y / 32.0f, 0, 0, 4, seed);
            c.at(x, y) = scaled(base, 0.82f + 0.3f * wear);
        }
    return c;
}

// Upper side panel of the seat: the side beam, a warning placard, rivet rows.
Canvas seatSideTop(bool left) {
    Canvas c = metalPanel(256, 256, seatGrey, left ? 201 : 202);
    c.fillRect(0, 0, 256, 18, rgb(0.2f, 0.21f, 0.22f));
    c.fillRect(0, 238, 256, 256, rgb(0.2f, 0.21f, 0.22f));
    rivets(c, 10, 26, 246, 230, 20);
    std::vector<Point> tri = {{128, 46}, {176, 130}, {80, 130}};
    c.polygon(tri, rgb(0.05f, 0.05f, 0.05f));
    std::vector<Point> inner = {{128, 58}, {167, 124}, {89, 124}};
    c.polygon(inner, warnYellow);
    label(c, 128, 118, "!", 48, rgb(0.05f, 0.05f, 0.05f));
    c.roundRect(30, 146, 226, 214, 6, rgb(0.92f, 0.92f, 0.88f), rgb(0.85f, 0.85f, 0.8f));
    label(c, 128, 170, "DANGER", 22, rgb(0.8f, 0.1f, 0.08f));
    label(c, 128, 190, "EJECTION SEAT", 14, rgb(0.1f, 0.1f, 0.1f));
    label(c, 128, 206, left ? "SAFE PIN BEFORE SERVICE" : "ROCKET MOTOR FITTED", 10, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    return c;
}

// Lower side panel: the seat pan side with warning stripes and the handle guard.
Canvas seatSideLow(bool left) {
    Canvas c = metalPanel(256, 128, seatGrey, left ? 203 : 204);
    hazardStripes(c, 0, 0, 256, 20);
    hazardStripes(c, 0, 108, 256, 128);
    rivets(c, 12, 28, 244, 100, 18);
    c.roundRect(20, 38, 120, 92, 8, rgb(0.25f, 0.26f, 0.27f), rgb(0.15f, 0.15f, 0.16f));
    c.roundRect(30, 50, 110, 80, 6, warnYellow, scaled(warnYellow, 0.7f));
    label(c, 70, 71, "PULL", 18, rgb(0.05f, 0.05f, 0.05f));
    label(c, 186, 62, left ? "VORIX" : "VX-1", 20, rgb(0.95f, 0.95f, 0.9f));
    label(c, 186, 84, left ? "LEFT" : "RIGHT", 12, rgb(0.85f, 0.85f, 0.8f), Face::Sans);
    return c;
}

Canvas seatTop() {
    Canvas c = metalPanel(256, 256, rgb255(70, 74, 72), 205);
    c.roundRect(24, 24, 232, 232, 24, rgb(0.32f, 0.34f, 0.33f), rgb(0.22f, 0.23f, 0.22f));
    hazardStripes(c, 24, 100, 232, 124);
    label(c, 128, 80, "DROGUE", 24, rgb(0.95f, 0.95f, 0.9f));
    label(c, 128, 168, "VORIX", 34, warnYellow);
    label(c, 128, 200, "DO NOT STEP", 14, rgb(0.95f, 0.3f, 0.25f));
    return c;
}

// Rocket nozzle seen from behind: a dark cone with a glowing throat.
Canvas rocketNozzle() {
    Canvas c(128, 128, rgb(0.1f, 0.1f, 0.1f, 0));
    c.fillDisc(64, 64, 62, rgb(0.3f, 0.3f, 0.32f));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float d = std::hypot(x + 0.5f - 64, y + 0.5f - 64) / 52.0f;
            if (d > 1) continue;
            float soot = fractalNoise(x / 12.0f, y / 12.0f, 0, 0, 3, 206);
            Rgba cone = mix(rgb(0.1f, 0.09f, 0.08f), rgb(0.45f, 0.42f, 0.4f), d * (0.7f + 0.3f * soot));
            c.blend(x, y, cone, std::clamp((1 - d) * 52, 0.0f, 1.0f));
        }
    for (int r = 18; r < 52; r += 9) c.ring(64, 64, static_cast<float>(r), r + 1.2f, rgb(0.05f, 0.05f, 0.05f, 0.6f));
    c.fillDisc(64, 64, 13, rgb(0.15f, 0.05f, 0.02f));
    c.fillDisc(64, 64, 9, rgb(0.7f, 0.3f, 0.08f));
    c.ring(64, 64, 60, 63, rgb(0.6f, 0.6f, 0.62f));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) c.at(x, y).a = c.at(x, y).a > 0.01f ? 1.0f : 0.0f;
    return c;
}

// Helmet from the front: white shell, dark visor, grey oxygen mask.
Canvas helmet() {
    const int n = 256;
    Canvas c(n, n, rgb(0.85f, 0.85f, 0.85f, 1));
    c.verticalGradient(0, n, rgb(0.82f, 0.83f, 0.85f), rgb(0.62f, 0.63f, 0.66f));  // shell fills the quad
    c.fillDisc(128, 120, 112, rgb(0.94f, 0.94f, 0.95f));
    c.fillDisc(100, 70, 40, rgb(1, 1, 1, 0.5f));
    // Visor.
    std::vector<Point> visor;
    for (int k = 0; k <= 24; ++k) {
        float t = k / 24.0f * pi;
        visor.push_back({128 - 92 * std::cos(t), 150 - 70 * std::sin(t)});
    }
    visor.push_back({200, 170});
    visor.push_back({56, 170});
    c.polygon(visor, rgb(0.12f, 0.1f, 0.2f));
    c.polygon({{70, 110}, {110, 88}, {124, 96}, {84, 124}}, rgb(0.6f, 0.55f, 0.8f, 0.35f));  // reflection
    c.polyline(visor, 4, rgb(0.3f, 0.3f, 0.32f));
    // Mask and hose.
    c.polygon({{96, 168}, {160, 168}, {150, 222}, {128, 236}, {106, 222}}, rgb(0.38f, 0.4f, 0.38f));
    c.fillRect(120, 232, 136, 256, rgb(0.2f, 0.22f, 0.2f));
    c.fillDisc(128, 200, 12, rgb(0.25f, 0.26f, 0.25f));
    // Stripe and a callsign band on the shell.
    c.fillRect(122, 8, 134, 80, rgb(0.85f, 0.15f, 0.1f));
    return c;
}

Canvas frontBody() {
    Canvas c = fabric(256, 256, suitGreen, 211);
    c.fillRect(125, 0, 131, 256, rgb(0.3f, 0.32f, 0.26f));  // zip tape and teeth
    for (int y = 0; y < 256; y += 2) c.fillRect(y % 4 ? 126.0f : 128.0f, static_cast<float>(y), y % 4 ? 128.0f : 130.0f, y + 1.5f, rgb(0.62f, 0.63f, 0.6f));
    c.roundRect(30, 40, 100, 100, 6, scaled(suitGreen, 0.9f), scaled(suitGreen, 0.75f));   // chest pockets
    c.roundRect(156, 40, 226, 100, 6, scaled(suitGreen, 0.9f), scaled(suitGreen, 0.75f));
    stitchedStrap(c, 70, 0, 100, 256, 26, strapGrey);   // harness
    stitchedStrap(c, 186, 0, 156, 256, 26, strapGrey);
    stitchedStrap(c, 0, 170, 256, 170, 22, strapGrey);
    buckle(c, 128, 170, 26);
    c.fillRect(150, 56, 206, 74, rgb(0.85f, 0.85f, 0.8f));
    label(c, 178, 70, "PILOT", 13, rgb(0.1f, 0.1f, 0.1f));
    return c;
}

Canvas bodyTop() {
    Canvas c = fabric(256, 256, suitGreen, 212);
    stitchedStrap(c, 60, 0, 80, 256, 30, strapGrey);
    stitchedStrap(c, 196, 0, 176, 256, 30, strapGrey);
    c.roundRect(40, 100, 100, 150, 5, rgb(0.55f, 0.56f, 0.58f), rgb(0.4f, 0.41f, 0.43f));  // shoulder fittings
    c.roundRect(156, 100, 216, 150, 5, rgb(0.55f, 0.56f, 0.58f), rgb(0.4f, 0.41f, 0.43f));
    c.fillDisc(70, 125, 8, rgb(0.2f, 0.2f, 0.22f));
    c.fillDisc(186, 125, 8, rgb(0.2f, 0.2f, 0.22f));
    c.fillRect(0, 0, 256, 20, scaled(suitGreen, 0.7f));  // collar
    return c;
}

Canvas shinFront() {
    Canvas c = fabric(128, 256, suitGreen, 213);
    c.roundRect(22, 40, 106, 120, 8, scaled(suitGreen, 0.92f), scaled(suitGreen, 0.72f));  // knee-board pocket
    c.fillRect(22, 40, 106, 50, scaled(suitGreen, 0.65f));
    stitchedStrap(c, 0, 160, 128, 160, 20, rgb255(40, 40, 40));  // leg restraint garter
    c.roundRect(50, 148, 78, 172, 3, rgb(0.75f, 0.76f, 0.78f), rgb(0.55f, 0.56f, 0.58f));
    c.fillRect(0, 236, 128, 256, rgb255(30, 28, 26));  // boot top
    return c;
}

Canvas armSide() {
    Canvas c = fabric(256, 128, suitGreen, 214);
    c.roundRect(150, 30, 226, 100, 6, scaled(suitGreen, 0.9f), scaled(suitGreen, 0.74f));  // pen pocket
    for (int k = 0; k < 3; ++k) c.fillRect(160 + k * 14.0f, 20, 166 + k * 14.0f, 44, k == 1 ? rgb(0.8f, 0.1f, 0.1f) : rgb(0.1f, 0.1f, 0.1f));
    c.fillDisc(70, 64, 38, rgb(0.1f, 0.15f, 0.35f));  // squadron patch
    c.ring(70, 64, 32, 38, warnYellow);
    label(c, 70, 70, "VX", 20, warnYellow);
    c.fillRect(0, 118, 256, 128, scaled(suitGreen, 0.6f));  // cuff
    return c;
}

// Seat back, top: the parachute container with its data label.
Canvas seatBackTop() {
    Canvas c = metalPanel(256, 256, rgb255(60, 64, 62), 215);
    c.roundRect(16, 16, 240, 240, 18, rgb255(96, 102, 80), rgb255(70, 76, 58));  // chute pack fabric
    c.roundRect(48, 50, 208, 150, 6, rgb(0.92f, 0.92f, 0.88f), rgb(0.85f, 0.85f, 0.8f));
    label(c, 128, 78, "VORIX", 24, rgb(0.1f, 0.1f, 0.1f));
    label(c, 128, 100, "PERSONNEL PARACHUTE", 11, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    label(c, 128, 118, "DIA 6.1 m   DROGUE 0.7 m", 11, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    label(c, 128, 138, "INSPECT EVERY 90 DAYS", 10, rgb(0.7f, 0.1f, 0.1f), Face::Sans);
    hazardStripes(c, 16, 176, 240, 196);
    c.fillRect(120, 196, 136, 240, strapGrey);
    return c;
}

}  // namespace

bool writeFigureImages(const std::string& dir) {
    bool ok = writeTga(dir, "vori_left_top.tga", seatSideTop(true));
    ok = writeTga(dir, "vori_right_top.tga", seatSideTop(false)) && ok;
    ok = writeTga(dir, "vori_left_low.tga", seatSideLow(true)) && ok;
    ok = writeTga(dir, "vori_right_low.tga", seatSideLow(false)) && ok;
    ok = writeTga(dir, "vori_top.tga", seatTop()) && ok;
    ok = writeTga(dir, "vori_rocket.tga", rocketNozzle()) && ok;
    ok = writeTga(dir, "head.tga", helmet()) && ok;
    ok = writeJpeg(dir, "frontbody.jpg", frontBody()) && ok;
    ok = writeJpeg(dir, "bodytop.jpg", bodyTop()) && ok;
    ok = writeJpeg(dir, "shinfront.jpg", shinFront()) && ok;
    ok = writeJpeg(dir, "armside.jpg", armSide()) && ok;
    ok = writeJpeg(dir, "vori_back_top.jpg", seatBackTop()) && ok;
    return ok;
}
