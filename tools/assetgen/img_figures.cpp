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

// Upper side panel of the seat back (a quad three times as tall as wide):
// rivet rows, a warning triangle and the danger placard.
Canvas seatSideTop(bool left) {
    Canvas c = metalPanel(128, 256, seatGrey, left ? 201 : 202);
    c.fillRect(0, 0, 128, 10, rgb(0.2f, 0.21f, 0.22f));
    c.fillRect(0, 246, 128, 256, rgb(0.2f, 0.21f, 0.22f));
    for (float y = 20; y < 240; y += 16) {
        c.fillDisc(8, y, 1.8f, rgb(0.75f, 0.76f, 0.78f));
        c.fillDisc(120, y, 1.8f, rgb(0.75f, 0.76f, 0.78f));
    }
    c.polygon({{64, 24}, {104, 84}, {24, 84}}, rgb(0.05f, 0.05f, 0.05f));
    c.polygon({{64, 34}, {96, 80}, {32, 80}}, warnYellow);
    label(c, 64, 76, "!", 34, rgb(0.05f, 0.05f, 0.05f));
    c.roundRect(14, 100, 114, 196, 5, rgb(0.92f, 0.92f, 0.88f), rgb(0.85f, 0.85f, 0.8f));
    label(c, 64, 124, "DANGER", 17, rgb(0.8f, 0.1f, 0.08f));
    label(c, 64, 146, "EJECTION", 13, rgb(0.1f, 0.1f, 0.1f));
    label(c, 64, 164, "SEAT", 13, rgb(0.1f, 0.1f, 0.1f));
    label(c, 64, 184, left ? "SAFE PIN FIRST" : "ROCKET FITTED", 9, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    hazardStripes(c, 14, 212, 114, 232);
    return c;
}

// Lower side panel: the seat pan side with warning stripes, the handle
// guard and the seat's name.
Canvas seatSideLow(bool left) {
    Canvas c = metalPanel(256, 256, seatGrey, left ? 203 : 204);
    hazardStripes(c, 0, 0, 256, 30);
    hazardStripes(c, 0, 226, 256, 256);
    rivets(c, 12, 42, 244, 214, 18);
    c.roundRect(20, 70, 130, 170, 10, rgb(0.25f, 0.26f, 0.27f), rgb(0.15f, 0.15f, 0.16f));
    c.roundRect(32, 90, 118, 150, 8, warnYellow, scaled(warnYellow, 0.7f));
    label(c, 75, 130, "PULL", 22, rgb(0.05f, 0.05f, 0.05f));
    label(c, 190, 118, left ? "VORIX" : "VX-1", 26, rgb(0.95f, 0.95f, 0.9f));
    label(c, 190, 146, left ? "LEFT" : "RIGHT", 14, rgb(0.85f, 0.85f, 0.8f), Face::Sans);
    return c;
}

// Top of the headbox: the drogue container lid.
Canvas seatTop() {
    Canvas c = metalPanel(256, 128, rgb255(70, 74, 72), 205);
    c.roundRect(12, 10, 244, 118, 16, rgb(0.32f, 0.34f, 0.33f), rgb(0.22f, 0.23f, 0.22f));
    hazardStripes(c, 12, 56, 244, 70);
    label(c, 128, 44, "DROGUE", 22, rgb(0.95f, 0.95f, 0.9f));
    label(c, 86, 100, "VORIX", 22, warnYellow);
    label(c, 190, 98, "NO STEP", 12, rgb(0.95f, 0.3f, 0.25f));
    return c;
}

// Underside of the seat pan: the rocket motor casing with its nozzle. The
// quad is 0.6 times as wide as tall, the picture 0.5: circles are drawn a
// little narrow so they come out round.
Canvas rocketNozzle() {
    const int w = 128, h = 256;
    const float squeeze = 0.5f / 0.6f;
    Canvas c = metalPanel(w, h, rgb255(110, 70, 52), 206);
    for (float y = 20; y < h; y += 40) c.fillRect(0, y, static_cast<float>(w), y + 2, rgb(0.2f, 0.14f, 0.1f));
    const float cx = 64, cy = 150, r = 56;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float d = std::hypot((x + 0.5f - cx) / squeeze, y + 0.5f - cy) / r;
            if (d > 1.06f) continue;
            float soot = fractalNoise(x / 12.0f, y / 12.0f, 0, 0, 3, 207);
            Rgba p = d > 0.94f ? rgb(0.62f, 0.62f, 0.64f)                               // rim
                   : d < 0.22f ? rgb(0.75f, 0.32f, 0.08f)                               // throat
                   : mix(rgb(0.08f, 0.07f, 0.06f), rgb(0.42f, 0.4f, 0.38f), d * (0.7f + 0.3f * soot));
            if (d > 0.22f && d < 0.94f && std::fmod(d * 9.0f, 1.0f) < 0.08f) p = scaled(p, 0.6f);  // cone rings
            c.blend(x, y, p, std::clamp((1.06f - d) * r, 0.0f, 1.0f));
        }
    label(c, 64, 52, "ROCKET", 15, rgb(0.95f, 0.85f, 0.6f));
    label(c, 64, 70, "4800 LB", 11, rgb(0.9f, 0.8f, 0.6f), Face::Sans);
    return c;
}

// Helmet: the picture wraps once round the helmet shell (its horizontal
// centre at the front, its side edges at the back, bottom at chin level) and
// also fills the small quad on the front of the face. Laid out as a front
// view that still reads when wrapped: the visor over the middle half, the
// oxygen mask under it, visor pivots at the sides, a crest stripe on top.
Canvas helmet() {
    const int w = 256, h = 128;
    Canvas c(w, h);
    c.verticalGradient(0, h, rgb(0.96f, 0.96f, 0.97f), rgb(0.8f, 0.81f, 0.84f));
    c.fillRect(122, 0, 134, 34, rgb(0.85f, 0.15f, 0.1f));                     // crest stripe
    c.fillRect(0, 120, w, h, rgb(0.3f, 0.31f, 0.33f));                        // rim edging
    c.roundRect(54, 30, 202, 86, 22, rgb(0.16f, 0.14f, 0.26f), rgb(0.08f, 0.07f, 0.14f));  // visor
    c.polygon({{78, 40}, {112, 34}, {118, 46}, {86, 56}}, rgb(0.65f, 0.6f, 0.85f, 0.35f));  // reflection
    c.strokeRect(54, 28, 202, 31, 3, rgb(0.35f, 0.35f, 0.38f));               // visor guard
    for (float x : {32.0f, 224.0f}) {                                          // visor pivots
        c.fillDisc(x, 56, 11, rgb(0.3f, 0.31f, 0.33f));
        c.fillDisc(x, 56, 5, rgb(0.6f, 0.61f, 0.63f));
    }
    c.polygon({{104, 86}, {152, 86}, {146, 118}, {128, 126}, {110, 118}}, rgb(0.36f, 0.38f, 0.36f));  // mask
    c.fillDisc(128, 104, 8, rgb(0.22f, 0.23f, 0.22f));
    c.fillRect(124, 118, 132, h, rgb(0.18f, 0.2f, 0.18f));                     // hose
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

// Shin: a long narrow quad (about 1 : 6) from ankle (bottom) to knee (top):
// the knee-board pocket up high, the leg-restraint garter, the boot top.
Canvas shinFront() {
    Canvas c = fabric(64, 256, suitGreen, 213);
    c.roundRect(6, 8, 58, 70, 5, scaled(suitGreen, 0.92f), scaled(suitGreen, 0.72f));
    c.fillRect(6, 8, 58, 16, scaled(suitGreen, 0.65f));
    stitchedStrap(c, 0, 130, 64, 130, 16, rgb255(40, 40, 40));
    c.roundRect(24, 121, 40, 139, 3, rgb(0.75f, 0.76f, 0.78f), rgb(0.55f, 0.56f, 0.58f));
    c.fillRect(0, 226, 64, 256, rgb255(30, 28, 26));
    c.fillRect(0, 226, 64, 229, rgb255(60, 56, 50));
    return c;
}

// Upper arm from the elbow (bottom) to the shoulder (top), 1 : 2.5.
Canvas armSide() {
    Canvas c = fabric(128, 256, suitGreen, 214);
    c.fillDisc(64, 64, 34, rgb(0.1f, 0.15f, 0.35f));  // squadron patch
    c.ring(64, 64, 28, 34, warnYellow);
    label(c, 64, 72, "VX", 22, warnYellow);
    c.roundRect(30, 130, 98, 220, 6, scaled(suitGreen, 0.9f), scaled(suitGreen, 0.74f));  // pen pocket
    for (int k = 0; k < 3; ++k)
        c.fillRect(44 + k * 14.0f, 118, 50 + k * 14.0f, 142, k == 1 ? rgb(0.8f, 0.1f, 0.1f) : rgb(0.1f, 0.1f, 0.1f));
    c.fillRect(0, 0, 128, 8, scaled(suitGreen, 0.65f));  // shoulder seam
    return c;
}

// Front of the headbox above the pilot's head (1.6 : 1): the parachute
// container's data label.
Canvas seatBackTop() {
    Canvas c = metalPanel(256, 128, rgb255(60, 64, 62), 215);
    c.roundRect(6, 6, 250, 122, 12, rgb255(96, 102, 80), rgb255(70, 76, 58));
    c.roundRect(36, 14, 220, 90, 5, rgb(0.92f, 0.92f, 0.88f), rgb(0.85f, 0.85f, 0.8f));
    label(c, 128, 36, "VORIX", 20, rgb(0.1f, 0.1f, 0.1f));
    label(c, 128, 54, "PERSONNEL PARACHUTE", 11, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    label(c, 128, 70, "MAIN 6.1 m  DROGUE 0.7 m", 10, rgb(0.1f, 0.1f, 0.1f), Face::Sans);
    label(c, 128, 84, "INSPECT EVERY 90 DAYS", 9, rgb(0.7f, 0.1f, 0.1f), Face::Sans);
    hazardStripes(c, 6, 98, 250, 112);
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
