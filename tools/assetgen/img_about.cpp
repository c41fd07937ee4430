// The twelve information pictures of the ABOUT pages: diagrams of the seat,
// its operating modes and its sequence, drawn light on dark to suit the menu.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/img_families.h"
#include "tools/assetgen/img_text.h"
#include "tools/assetgen/img_writers.h"

namespace {

constexpr int side = 512;
constexpr float pi = 3.14159265f;

const Rgba ink = rgb(0.9f, 0.92f, 0.95f);
const Rgba dim = rgb(0.55f, 0.6f, 0.68f);
const Rgba accent = rgb(1.0f, 0.75f, 0.2f);
const Rgba modeColours[5] = {rgb(0.25f, 0.7f, 0.35f), rgb(0.85f, 0.8f, 0.2f), rgb(0.9f, 0.45f, 0.15f),
                             rgb(0.3f, 0.55f, 0.9f), rgb(0.65f, 0.4f, 0.85f)};

// The pictures are shown a good deal smaller than they are drawn, so every
// text is set a little larger than its nominal size.
constexpr float textScale = 1.15f;

TextStyle style(float size, const Rgba& colour, Align align = Align::Left, Face face = Face::Sans) {
    TextStyle s;
    s.size = size * textScale;
    s.colour = colour;
    s.align = align;
    s.face = face;
    return s;
}

void text(Canvas& c, float x, float y, const std::string& t, float size, const Rgba& colour = ink,
          Align align = Align::Left, Face face = Face::Sans) {
    drawText(c, x, y, t, style(size, colour, align, face));
}

Canvas page(const std::string& title, const std::string& subtitle) {
    Canvas c(side, side);
    c.verticalGradient(0, side, rgb(0.07f, 0.09f, 0.14f), rgb(0.03f, 0.04f, 0.07f));
    c.fillRect(0, 0, side, 44, rgb(0.1f, 0.14f, 0.24f));
    c.fillRect(0, 44, side, 46, accent);
    text(c, 14, 29, title, 20, ink, Align::Left, Face::SansBold);
    // The subtitle only where it clears the title.
    const float room = side - 12 - (14 + textWidth(title, style(20, ink, Align::Left, Face::SansBold)) + 16);
    if (!subtitle.empty() && textWidth(subtitle, style(12, dim)) <= room) text(c, side - 12, 29, subtitle, 12, dim, Align::Right);
    c.strokeRect(0, 0, side, side, 2, rgb(0.2f, 0.25f, 0.35f));
    return c;
}

void arrowHead(Canvas& c, float x0, float y0, float x1, float y1, float size, const Rgba& col) {
    float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    if (len <= 0) return;
    dx /= len;
    dy /= len;
    c.polygon({{x1, y1}, {x1 - dx * size - dy * size * 0.5f, y1 - dy * size + dx * size * 0.5f},
               {x1 - dx * size + dy * size * 0.5f, y1 - dy * size - dx * size * 0.5f}},
              col);
}

void arrow(Canvas& c, float x0, float y0, float x1, float y1, float width, const Rgba& col) {
    c.line(x0, y0, x1, y1, width, col);
    arrowHead(c, x0, y0, x1, y1, 6 + width * 2, col);
}

// A label with a leader line from the end of the text nearer the point.
void callout(Canvas& c, float lx, float ly, float px, float py, const std::string& t, Align align) {
    const TextStyle s = style(12, ink, align);
    const float w = textWidth(t, s);
    const float textLeft = align == Align::Right ? lx - 3 - w : lx + 3;
    const float startX = px > textLeft + w * 0.5f ? textLeft + w + 4 : textLeft - 4;
    c.line(startX, ly - 5, px, py, 1.2f, dim);
    c.fillDisc(px, py, 2.5f, accent);
    drawText(c, align == Align::Right ? lx - 3 : lx + 3, ly, t, s);
}

struct Plot {
    float x0, y0, x1, y1;      // pixel frame (y0 top)
    float vx0, vx1, vy0, vy1;  // value range (vy0 at the bottom)
    float px(float v) const { return x0 + (v - vx0) / (vx1 - vx0) * (x1 - x0); }
    float py(float v) const { return y1 - (v - vy0) / (vy1 - vy0) * (y1 - y0); }
};

void axes(Canvas& c, const Plot& p, float stepX, float stepY, const std::string& xName, const std::string& yName,
          bool thousandsY = false) {
    for (float v = p.vx0; v <= p.vx1 + 1e-3f; v += stepX) {
        c.line(p.px(v), p.y0, p.px(v), p.y1, 1, rgb(1, 1, 1, 0.08f));
        c.line(p.px(v), p.y1, p.px(v), p.y1 + 5, 1.5f, dim);
        char buf[32];
        std::snprintf(buf, sizeof buf, stepX < 1 ? "%.1f" : "%.0f", v);
        text(c, p.px(v), p.y1 + 18, buf, 11, dim, Align::Centre);
    }
    for (float v = p.vy0; v <= p.vy1 + 1e-3f; v += stepY) {
        c.line(p.x0, p.py(v), p.x1, p.py(v), 1, rgb(1, 1, 1, 0.08f));
        c.line(p.x0 - 5, p.py(v), p.x0, p.py(v), 1.5f, dim);
        char buf[32];
        if (thousandsY) std::snprintf(buf, sizeof buf, "%.0fk", v / 1000);
        else std::snprintf(buf, sizeof buf, stepY < 1 ? "%.1f" : "%.0f", v);
        text(c, p.x0 - 8, p.py(v) + 4, buf, 11, dim, Align::Right);
    }
    c.line(p.x0, p.y1, p.x1, p.y1, 2, ink);
    c.line(p.x0, p.y0, p.x0, p.y1, 2, ink);
    text(c, (p.x0 + p.x1) * 0.5f, p.y1 + 36, xName, 13, ink, Align::Centre);
    TextStyle vertical = style(13, ink, Align::Centre);
    vertical.angleDeg = 90;
    drawText(c, p.x0 - 54, (p.y0 + p.y1) * 0.5f, yName, vertical);
}

// ---- the seat drawn from the side, pilot facing left, back at 18 degrees ----

struct SeatView {
    float ox, oy, scale, angleDeg;
    Point at(float x, float y) const {
        float a = angleDeg * pi / 180.0f;
        return {ox + (x * std::cos(a) - y * std::sin(a)) * scale, oy + (x * std::sin(a) + y * std::cos(a)) * scale};
    }
    std::vector<Point> rect(float x0, float y0, float x1, float y1) const {
        return {at(x0, y0), at(x1, y0), at(x1, y1), at(x0, y1)};
    }
};

void drawSeat(Canvas& c, const SeatView& v, bool withPilot) {
    const Rgba metal = rgb(0.45f, 0.48f, 0.5f), dark = rgb(0.25f, 0.27f, 0.3f);
    c.polyline({v.at(44, -270), v.at(44, 40)}, 3 * v.scale, dim);                       // guide rail
    c.polygon(v.rect(24, -205, 38, 30), rgb(0.6f, 0.6f, 0.62f));                        // catapult gun
    c.polygon(v.rect(0, -232, 24, 0), metal);                                           // seat back
    c.polygon(v.rect(-28, -222, 0, -118), rgb(0.42f, 0.46f, 0.32f));                    // parachute container
    c.polygon(v.rect(-12, -282, 32, -232), dark);                                       // headbox / drogue
    c.polygon(v.rect(-112, -22, 24, 24), metal);                                        // seat pan / survival kit
    c.polygon(v.rect(-92, 24, 8, 44), rgb(0.55f, 0.3f, 0.2f));                          // rocket motor
    c.polygon({v.at(-20, 44), v.at(-2, 44), v.at(4, 62), v.at(-26, 62)}, dark);          // nozzle
    c.polyline({v.at(-100, -22), v.at(-110, -44), v.at(-96, -48), v.at(-90, -22)}, 3 * v.scale, accent);  // handle
    if (withPilot) {
        Rgba suit = rgb(0.6f, 0.66f, 0.5f, 0.55f);
        c.polygon(v.rect(-70, -200, -30, -24), suit);      // torso
        c.polygon(v.rect(-170, -60, -70, -24), suit);       // thighs
        c.polygon(v.rect(-196, -60, -168, 70), suit);       // shins
        Point h = v.at(-46, -235);
        c.fillDisc(h.x, h.y, 26 * v.scale, rgb(0.85f, 0.85f, 0.88f, 0.7f));
    }
}

Canvas seatSchematic() {
    Canvas c = page("VORIX seat: side view", "pilot faces left");
    SeatView v{300, 380, 1.05f, 18};
    drawSeat(c, v, true);
    Point p;
    p = v.at(10, -262); callout(c, 470, 92, p.x, p.y, "Drogue container", Align::Right);
    p = v.at(-14, -180); callout(c, 20, 110, p.x, p.y, "Main parachute", Align::Left);
    p = v.at(12, -120); callout(c, 500, 170, p.x, p.y, "Seat back", Align::Right);
    p = v.at(31, -60); callout(c, 500, 250, p.x, p.y, "Catapult gun", Align::Right);
    p = v.at(44, -150); callout(c, 500, 210, p.x, p.y, "Guide rail", Align::Right);
    p = v.at(-40, 0); callout(c, 20, 330, p.x, p.y, "Seat pan / survival kit", Align::Left);
    p = v.at(-40, 34); callout(c, 20, 440, p.x, p.y, "Rocket motor", Align::Left);
    p = v.at(-105, -44); callout(c, 20, 280, p.x, p.y, "Firing handle", Align::Left);
    p = v.at(-12, 58); callout(c, 500, 470, p.x, p.y, "Rocket nozzle (canted)", Align::Right);
    text(c, 14, 496, "Height 56.6 in   Width 20.75 in   Weight 228 lb (103 kg)", 12, dim);
    return c;
}

Canvas seatFront() {
    Canvas c = page("VORIX seat: front view", "harness and controls");
    const Rgba metal = rgb(0.45f, 0.48f, 0.5f);
    c.polygon({{176, 90}, {336, 90}, {336, 400}, {176, 400}}, metal);                 // back
    c.polygon({{196, 60}, {316, 60}, {316, 100}, {196, 100}}, rgb(0.25f, 0.27f, 0.3f)); // headbox
    c.polygon({{150, 380}, {362, 380}, {372, 440}, {140, 440}}, rgb(0.38f, 0.4f, 0.42f)); // pan
    c.fillRect(150, 100, 164, 440, rgb(0.6f, 0.6f, 0.62f));                           // side beams
    c.fillRect(348, 100, 362, 440, rgb(0.6f, 0.6f, 0.62f));
    const Rgba strap = rgb(0.25f, 0.25f, 0.22f);
    c.line(216, 100, 246, 330, 16, strap);
    c.line(296, 100, 266, 330, 16, strap);
    c.line(180, 360, 256, 330, 14, strap);
    c.line(332, 360, 256, 330, 14, strap);
    c.fillDisc(256, 330, 18, rgb(0.8f, 0.8f, 0.82f));
    c.polyline({{236, 440}, {236, 470}, {276, 470}, {276, 440}}, 5, accent);           // handle
    c.polygon({{128, 130}, {156, 110}, {156, 150}}, rgb(0.9f, 0.2f, 0.15f));           // canopy breaker / pin flag
    callout(c, 372, 80, 290, 80, "Drogue & headbox", Align::Left);
    callout(c, 372, 200, 286, 180, "Shoulder harness", Align::Left);
    callout(c, 372, 330, 272, 330, "Quick-release box", Align::Left);
    callout(c, 372, 470, 276, 462, "Firing handle", Align::Left);
    callout(c, 20, 180, 156, 200, "Side beam", Align::Left);
    callout(c, 20, 410, 200, 410, "Survival kit", Align::Left);
    callout(c, 20, 120, 140, 130, "Safety pin flag", Align::Left);
    return c;
}

Canvas modeEnvelope() {
    Canvas c = page("Operating modes", "sensed after the catapult stroke");
    Plot p{80, 70, 490, 430, 0, 700, 0, 30000};
    struct Region { float v0, v1, h0, h1; int mode; };
    const Region regions[] = {{0, 350, 0, 8000, 1}, {350, 500, 0, 8000, 2}, {500, 700, 0, 8000, 3},
                              {0, 700, 8000, 18000, 4}, {0, 700, 18000, 30000, 5}};
    for (const Region& r : regions) {
        Rgba fillCol = modeColours[r.mode - 1];
        fillCol.a = 0.55f;
        c.fillRect(p.px(r.v0), p.py(r.h1), p.px(r.v1), p.py(r.h0), fillCol);
        c.strokeRect(p.px(r.v0), p.py(r.h1), p.px(r.v1), p.py(r.h0), 1.5f, rgb(0, 0, 0, 0.6f));
        char name[16];
        std::snprintf(name, sizeof name, "MODE %d", r.mode);
        float cx = (p.px(r.v0) + p.px(r.v1)) * 0.5f, cy = (p.py(r.h0) + p.py(r.h1)) * 0.5f;
        text(c, cx, cy + 6, name, r.mode <= 3 ? 14 : 18, rgb(1, 1, 1), Align::Centre, Face::SansBold);
    }
    axes(c, p, 100, 5000, "Equivalent airspeed (KEAS)", "Altitude (ft)", true);
    text(c, p.px(350), p.py(8000) - 6, "350", 11, accent, Align::Centre);
    text(c, p.px(500), p.py(8000) - 6, "500", 11, accent, Align::Centre);
    text(c, 80, 492, "Modes 4 and 5 apply at every speed; in mode 5 the sensing", 12, dim);
    text(c, 80, 506, "restarts at 4.80 s until the seat falls below 18,000 ft.", 12, dim);
    return c;
}

struct ModeTimes {
    float drogueRelease, rocketFire;
    bool plusT;
};
const ModeTimes modeTimes[5] = {{0.32f, 0.45f, false}, {1.25f, 1.10f, false}, {1.45f, 1.30f, false},
                                {3.05f, 2.90f, false}, {4.80f, 4.87f, true}};

Canvas sequenceTimeline() {
    Canvas c = page("Sequence of each mode", "seconds after the catapult fires");
    Plot p{90, 80, 490, 410, 0, 5.5f, 0, 5};
    for (float t = 0; t <= 5.5f; t += 0.5f) c.line(p.px(t), p.y0, p.px(t), p.y1, 1, rgb(1, 1, 1, 0.08f));
    for (int m = 0; m < 5; ++m) {
        float y = p.y0 + 30 + m * 64.0f;
        char name[16];
        std::snprintf(name, sizeof name, "Mode %d", m + 1);
        text(c, 18, y + 5, name, 14, modeColours[m], Align::Left, Face::SansBold);
        const ModeTimes& t = modeTimes[m];
        // Drogue deployed from 0.22 s until its release.
        c.fillRect(p.px(0.22f), y - 6, p.px(t.drogueRelease), y + 6, scaled(modeColours[m], 0.8f));
        if (t.plusT) {
            for (float x = p.px(t.drogueRelease); x < p.px(5.5f); x += 8) c.fillRect(x, y - 2, x + 4, y + 2, modeColours[m]);
        }
        c.fillDisc(p.px(0.22f), y, 5, rgb(1, 1, 1));
        c.fillDisc(p.px(t.drogueRelease), y, 5, accent);
        std::vector<Point> rocket = {{p.px(t.rocketFire), y - 14}, {p.px(t.rocketFire) + 7, y - 2}, {p.px(t.rocketFire) - 7, y - 2}};
        c.polygon(rocket, rgb(1, 0.35f, 0.25f));
        char buf[48];
        std::snprintf(buf, sizeof buf, t.plusT ? "rel %.2f+t" : "rel %.2f", t.drogueRelease);
        text(c, p.px(t.drogueRelease) + (m == 0 ? 10 : -4), y + 22, buf, 11, accent, m == 0 ? Align::Left : Align::Right);
        std::snprintf(buf, sizeof buf, t.plusT ? "chute %.2f+t" : "chute %.2f", t.rocketFire);
        if (t.plusT) text(c, p.px(t.rocketFire) - 10, y - 12, buf, 11, rgb(1, 0.55f, 0.45f), Align::Right);
        else text(c, p.px(t.rocketFire) + 8, y - 14, buf, 11, rgb(1, 0.55f, 0.45f));
    }
    c.line(p.x0, p.y1, p.x1, p.y1, 2, ink);
    for (float t = 0; t <= 5.5f; t += 0.5f) {
        c.line(p.px(t), p.y1, p.px(t), p.y1 + 5, 1.5f, dim);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", t);
        text(c, p.px(t), p.y1 + 18, buf, 11, dim, Align::Centre);
    }
    text(c, (p.x0 + p.x1) * 0.5f, p.y1 + 36, "time (s)", 13, ink, Align::Centre);
    c.fillDisc(30, 478, 5, rgb(1, 1, 1));
    text(c, 40, 483, "drogue fires 0.22", 12, dim);
    c.fillDisc(180, 478, 5, accent);
    text(c, 190, 483, "drogue release", 12, dim);
    c.polygon({{320, 470}, {327, 482}, {313, 482}}, rgb(1, 0.35f, 0.25f));
    text(c, 334, 483, "parachute rocket", 12, dim);
    text(c, 30, 503, "t: time from 4.80 s until the fall below 18,000 ft", 11, dim);
    return c;
}

void fighterSide(Canvas& c, float x, float y, float s, const Rgba& col) {
    c.polygon({{x - 60 * s, y}, {x - 30 * s, y - 8 * s}, {x + 50 * s, y - 8 * s}, {x + 62 * s, y - 30 * s},
               {x + 70 * s, y - 30 * s}, {x + 66 * s, y + 2 * s}, {x + 40 * s, y + 6 * s}, {x - 40 * s, y + 6 * s}},
              col);
    c.polygon({{x - 10 * s, y + 2 * s}, {x + 30 * s, y + 2 * s}, {x + 40 * s, y + 12 * s}, {x + 5 * s, y + 12 * s}},
              scaled(col, 0.8f));
    c.polygon({{x - 36 * s, y - 8 * s}, {x - 18 * s, y - 16 * s}, {x - 4 * s, y - 8 * s}}, rgb(0.3f, 0.5f, 0.6f));
}

void chuteIcon(Canvas& c, float x, float y, float r, const Rgba& col) {
    std::vector<Point> dome;
    for (int k = 0; k <= 16; ++k) dome.push_back({x - r * std::cos(k / 16.0f * pi), y - r * 0.7f * std::sin(k / 16.0f * pi)});
    c.polygon(dome, col);
    for (int k = 0; k <= 4; ++k) c.line(x - r + k * r / 2, y, x, y + r * 1.6f, 1, dim);
    c.fillDisc(x, y + r * 1.6f + 4, 4, ink);
}

Canvas trajectorySketch() {
    Canvas c = page("Ejection trajectory", "seen from the side");
    c.fillRect(0, 440, side, side, rgb(0.12f, 0.2f, 0.1f));
    fighterSide(c, 150, 400, 1.3f, rgb(0.55f, 0.58f, 0.62f));
    arrow(c, 60, 425, 20, 425, 2, dim);
    text(c, 24, 418, "flight", 11, dim);
    std::vector<Point> path;
    for (int k = 0; k <= 60; ++k) {
        float t = k / 60.0f;
        path.push_back({125 + 230 * t, 385 - 250 * std::sin(std::min(1.0f, t * 1.3f) * pi * 0.5f) + 40 * t * t});
    }
    c.polyline(path, 3, accent);
    auto mark = [&](float t, const std::string& name, float dx, float dy) {
        Point p = path[static_cast<size_t>(t * 60)];
        c.fillDisc(p.x, p.y, 5, rgb(1, 1, 1));
        text(c, p.x + dx, p.y + dy, name, 12, ink, dx < 0 ? Align::Right : Align::Left);
    };
    c.polygon({{120, 360}, {150, 346}, {160, 356}}, rgb(0.4f, 0.7f, 0.9f));  // canopy going
    text(c, 170, 345, "1 canopy jettison", 12, ink);
    mark(0.05f, "2 catapult stroke", -10, 0);
    mark(0.18f, "3 rocket burn", -10, 0);
    mark(0.35f, "4 drogue", -10, -4);
    mark(0.62f, "5 seat/man separation", -12, 22);
    Point end = path.back();
    chuteIcon(c, end.x, end.y - 52, 30, rgb(0.85f, 0.6f, 0.2f));
    text(c, end.x + 38, end.y - 66, "6 main", 12, ink);
    text(c, end.x + 38, end.y - 50, "parachute", 12, ink);
    std::vector<Point> descent = {{end.x, end.y}, {end.x + 12, 300}, {end.x + 16, 432}};
    c.polyline(descent, 2, dim);
    text(c, end.x + 24, 420, "7 descent", 12, ink);
    return c;
}

Canvas thrustProfile() {
    Canvas c = page("Catapult and rocket thrust", "default settings");
    Plot p{90, 80, 490, 420, 0, 0.6f, 0, 10000};
    axes(c, p, 0.1f, 2000, "time after firing (s)", "thrust (lb)");
    std::vector<Point> cat, rocket;
    for (int k = 0; k <= 60; ++k) {
        float t = k * 0.0025f;   // the catapult stroke, about 0.15 s
        float f = std::min(9000.0f, 9000.0f * t / 0.04f) * (t > 0.13f ? std::max(0.0f, 1 - (t - 0.13f) / 0.02f) : 1);
        cat.push_back({p.px(t), p.py(f)});
    }
    for (int k = 0; k <= 80; ++k) {
        float t = 0.15f + k * 0.004f;
        float tr = t - 0.15f;
        float f = tr <= 0.25f ? std::min(4800.0f, 4800.0f * tr / 0.03f) : std::max(0.0f, 4800 * (1 - (tr - 0.25f) / 0.02f));
        rocket.push_back({p.px(t), p.py(f)});
    }
    c.polyline(cat, 3, rgb(0.4f, 0.8f, 1.0f));
    c.polyline(rocket, 3, rgb(1, 0.45f, 0.3f));
    text(c, p.px(0.02f), p.py(9000) - 10, "catapult 9,000 lb", 13, rgb(0.4f, 0.8f, 1.0f));
    text(c, p.px(0.2f), p.py(4800) - 10, "rocket 4,800 lb for 0.25 s", 13, rgb(1, 0.45f, 0.3f));
    text(c, 90, 486, "Onset: catapult 108 g/s, rocket 155 g/s.", 12, dim);
    text(c, 90, 502, "The rocket lights as the seat leaves the rails.", 12, dim);
    return c;
}

Canvas parachuteDescent() {
    Canvas c = page("Parachutes", "drogue, then main canopy");
    // Drogue on the left, main on the right, with their sizes.
    chuteIcon(c, 130, 170, 34, rgb(0.6f, 0.6f, 0.62f));
    text(c, 130, 110, "Drogue", 16, ink, Align::Centre, Face::SansBold);
    text(c, 130, 250, "diameter 0.7 m", 12, dim, Align::Centre);
    text(c, 130, 266, "Cd 1.4", 12, dim, Align::Centre);
    text(c, 130, 282, "fires at 0.22 s", 12, dim, Align::Centre);
    text(c, 130, 298, "steadies the seat", 12, dim, Align::Centre);
    std::vector<Point> canopy;
    for (int k = 0; k <= 24; ++k) canopy.push_back({360 - 90 * std::cos(k / 24.0f * pi), 190 - 70 * std::sin(k / 24.0f * pi)});
    for (int g = 0; g < 24; ++g) {
        std::vector<Point> gore = {canopy[g], canopy[g + 1], {360, 190}};
        c.polygon(gore, g % 2 ? rgb(0.55f, 0.5f, 0.25f) : rgb(0.6f, 0.4f, 0.05f));
    }
    for (int k = 0; k <= 6; ++k) c.line(270 + k * 30.0f, 190, 360, 330, 1, dim);
    c.fillDisc(360, 340, 9, ink);
    c.line(360, 349, 360, 380, 6, ink);
    text(c, 360, 100, "Main parachute", 16, ink, Align::Centre, Face::SansBold);
    text(c, 360, 410, "diameter 6.1 m, Cd 1.75", 12, dim, Align::Centre);
    text(c, 360, 426, "pulled out by its own rocket", 12, dim, Align::Centre);
    text(c, 360, 442, "seat and man separate", 12, dim, Align::Centre);
    arrow(c, 470, 220, 470, 330, 2, accent);
    text(c, 476, 280, "v", 13, accent);
    text(c, 20, 496, "Descent speed settles where drag balances weight.", 12, dim);
    return c;
}

Canvas modeTable() {
    Canvas c = page("Mode table", "times in seconds");
    const char* head[5] = {"MODE", "KEAS", "DROGUE (REL)", "CHUTE", "ALTITUDE"};
    const float colX[5] = {20, 90, 180, 310, 390};
    for (int i = 0; i < 5; ++i) text(c, colX[i], 90, head[i], 12, accent, Align::Left, Face::SansBold);
    const char* rows[5][5] = {{"1", "0-350", "0.22 (0.32)", "0.45", "0-8000 ft"},
                              {"2", "350-500", "0.22 (1.25)", "1.10", "0-8000 ft"},
                              {"3", "500-600", "0.22 (1.45)", "1.30", "0-8000 ft"},
                              {"4", "ALL", "0.22 (3.05)", "2.90", "8-18000 ft"},
                              {"5", "ALL", "0.22 (4.80+t)", "4.87+t", "18000 ft +"}};
    for (int r = 0; r < 5; ++r) {
        float y = 130 + r * 62.0f;
        Rgba band = modeColours[r];
        band.a = 0.25f;
        c.fillRect(12, y - 30, 500, y + 22, band);
        for (int i = 0; i < 5; ++i) text(c, colX[i], y, rows[r][i], i == 0 ? 20 : 14, i == 0 ? modeColours[r] : ink, Align::Left, i == 0 ? Face::SansBold : Face::Sans);
    }
    text(c, 20, 470, "t = time between 4.80 s and the fall below 18,000 ft.", 12, dim);
    text(c, 20, 490, "In mode 1 the drogue is released before it can open.", 12, dim);
    return c;
}

Canvas seatBackAngle() {
    Canvas c = page("Seat-back angle and thrust line", "");
    SeatView v{290, 350, 0.9f, 18};
    drawSeat(c, v, true);
    Point top = v.at(12, -300), base = v.at(12, 60);
    c.line(base.x, base.y, base.x, top.y, 1.5f, dim);
    c.line(base.x, base.y, top.x, top.y, 1.5f, accent);
    text(c, top.x + 8, top.y + 14, "18 deg", 16, accent, Align::Left, Face::SansBold);
    Point cg = v.at(-40, -70);
    Point nozzle = v.at(-12, 58);
    for (float t = 0; t < 1; t += 0.08f)  // dashed thrust line up to the CG
        c.line(nozzle.x + (cg.x - nozzle.x) * t, nozzle.y + (cg.y - nozzle.y) * t, nozzle.x + (cg.x - nozzle.x) * (t + 0.04f),
               nozzle.y + (cg.y - nozzle.y) * (t + 0.04f), 1.5f, rgb(1, 0.4f, 0.3f));
    arrow(c, nozzle.x, nozzle.y, nozzle.x + (cg.x - nozzle.x) * 0.35f, nozzle.y + (cg.y - nozzle.y) * 0.35f, 3,
          rgb(1, 0.4f, 0.3f));
    text(c, nozzle.x + 10, nozzle.y + 14, "rocket thrust", 12, rgb(1, 0.55f, 0.45f));
    c.fillDisc(cg.x, cg.y, 9, rgb(1, 1, 1));
    c.fillRect(cg.x - 9, cg.y - 1, cg.x + 9, cg.y + 1, rgb(0, 0, 0));
    c.fillRect(cg.x - 1, cg.y - 9, cg.x + 1, cg.y + 9, rgb(0, 0, 0));
    text(c, cg.x - 14, cg.y - 14, "CG", 14, ink, Align::Right, Face::SansBold);
    text(c, 20, 470, "The rocket thrust passes close to the seat/man CG;", 12, dim);
    text(c, 20, 486, "moving the CG (CG off on Z) makes the seat pitch.", 12, dim);
    return c;
}

Canvas canopyJettison() {
    Canvas c = page("Canopy jettison", "before the catapult fires");
    fighterSide(c, 240, 360, 2.6f, rgb(0.5f, 0.53f, 0.58f));
    for (int k = 0; k < 4; ++k) {
        float a = k * 30.0f * pi / 180.0f;
        float hx = 228, hy = 338;  // hinge at the rear of the canopy
        Point tip{hx - 70 * std::cos(a), hy - 70 * std::sin(a)};
        Rgba col = rgb(0.4f, 0.7f, 0.95f, 0.35f + 0.2f * k);
        c.line(hx, hy, tip.x, tip.y, 8, col);
    }
    arrow(c, 238, 262, 320, 176, 3, accent);  // the freed canopy flies up and aft
    text(c, 300, 160, "released at 90 deg", 13, accent);
    text(c, 20, 450, "The canopy rocket lifts the canopy about its rear hinge;", 12, dim);
    text(c, 20, 466, "once it passes its maximum pitch it flies free.", 12, dim);
    text(c, 20, 482, "Seat ejection waits the canopy delay (0.25 s).", 12, dim);
    return c;
}

Canvas specSheet() {
    Canvas c = page("Physical data", "VORIX seat");
    const char* lines[][2] = {{"Height", "56.60 in"},       {"Width", "20.75 in"},
                              {"Weight", "228 lb (103 kg)"}, {"Seat-back angle", "18 deg"},
                              {"Rocket", "4,800 lb, 0.25 s"}, {"Catapult", "9,000 lb"},
                              {"Main parachute", "6.1 m"},      {"Drogue", "0.7 m"}};
    for (int i = 0; i < 8; ++i) {
        float y = 100 + i * 44.0f;
        c.fillRect(20, y - 26, 492, y + 12, i % 2 ? rgb(1, 1, 1, 0.04f) : rgb(1, 1, 1, 0.09f));
        text(c, 34, y, lines[i][0], 16, dim);
        text(c, 478, y, lines[i][1], 18, ink, Align::Right, Face::SansBold);
    }
    SeatView v{440, 496, 0.22f, 18};
    drawSeat(c, v, false);
    text(c, 34, 470, "Seat-back angle and weights are the defaults", 12, dim);
    text(c, 34, 486, "of the CONTROL page.", 12, dim);
    return c;
}

Canvas modeFiveSensing() {
    Canvas c = page("Mode 5: waiting for 18,000 ft", "high-altitude ejection");
    Plot p{90, 80, 490, 420, 0, 60, 10000, 35000};
    axes(c, p, 10, 5000, "time after ejection (s)", "altitude (ft)", true);
    c.line(p.x0, p.py(18000), p.x1, p.py(18000), 2, modeColours[3]);
    text(c, p.x1 - 4, p.py(18000) - 6, "18,000 ft", 12, modeColours[3], Align::Right);
    std::vector<Point> fall;
    float tCross = 0;
    // Seat and man leave the fighter climbing, slow down and fall at a
    // steady speed in the thin air (a rough 1 g fall, 330 ft/s at most).
    float h = 30000, v = 80;
    for (int k = 0; k <= 600; ++k) {
        float t = k * 0.1f;
        if (tCross == 0 && h < 18000) tCross = t;
        if (k % 5 == 0) fall.push_back({p.px(t), p.py(std::max(h, 10000.0f))});
        v = std::max(v - 32.2f * 0.1f, -330.0f);
        h += v * 0.1f;
    }
    c.polyline(fall, 3, modeColours[4]);
    c.line(p.px(4.8f), p.y0, p.px(4.8f), p.y1, 1.5f, accent);
    text(c, p.px(4.8f) + 4, p.y0 + 14, "sensing from 4.80 s", 12, accent);
    c.fillDisc(p.px(tCross), p.py(18000), 6, rgb(1, 1, 1));
    text(c, p.px(tCross) - 8, p.py(18000) + 20, "main parachute sequence", 12, ink, Align::Right);
    text(c, 90, 490, "t = crossing time - 4.80 s", 12, dim);
    return c;
}

}  // namespace

bool writeAboutImages(const std::string& dir) {
    bool ok = writeJpeg(dir, "25.jpg", seatFront());
    ok = writeJpeg(dir, "26.jpg", modeTable()) && ok;
    ok = writeJpeg(dir, "27.jpg", seatBackAngle()) && ok;
    ok = writeJpeg(dir, "28.jpg", canopyJettison()) && ok;
    ok = writeJpeg(dir, "29.jpg", specSheet()) && ok;
    ok = writeJpeg(dir, "30.jpg", modeFiveSensing()) && ok;
    ok = writeJpeg(dir, "n1.jpg", seatSchematic()) && ok;
    ok = writeJpeg(dir, "n2.jpg", modeEnvelope()) && ok;
    ok = writeJpeg(dir, "n4.jpg", sequenceTimeline()) && ok;
    ok = writeJpeg(dir, "ntest.jpg", trajectorySketch()) && ok;
    ok = writeJpeg(dir, "temp.jpg", thrustProfile()) && ok;
    ok = writeJpeg(dir, "15.jpg", parachuteDescent()) && ok;
    return ok;
}
