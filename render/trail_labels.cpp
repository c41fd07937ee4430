#include "render/trail_labels.h"

#include <cmath>

#include "assets/glyph_sheet.h"

namespace {

constexpr float kNearestM = 1.0f;          // the projection's near plane
constexpr float kPictureHeightPx = 600.0f;
constexpr float kGapPx = 7.0f;             // from the mark to the plate
constexpr float kMarginPx = 2.0f;          // around the text on the plate
constexpr int kStackLines = 6;
// Plates stand this share of their depth nearer the eye than their mark, so
// the path around the mark passes behind its label rather than through it;
// the world in front still hides them.
constexpr float kLabelPull = 0.15f;

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3& a, const Vec3& b) {
    return Vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Vec3 unit(const Vec3& v) {
    const float n = v.length();
    return n > 0.0f ? v * (1.0f / n) : Vec3();
}

bool overlaps(const float a[4], const float b[4]) { return a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3]; }

// A free line for a box of w by h pixels whose lowest place is (x, y).
float freeLine(const TrailLabels& out, float x, float y, float w, float h) {
    for (int line = 0; line < kStackLines; ++line) {
        const float box[4] = {x, y + line * kLabelLineStepPx, x + w, y + line * kLabelLineStepPx + h};
        bool taken = false;
        for (int k = 0; k < out.count && !taken; ++k) taken = overlaps(box, out.label[k].screenBox);
        if (!taken) return (float)line;
    }
    return (float)(kStackLines - 1);
}

}  // namespace

LabelView labelViewFor(const Vec3& eye, const Vec3& target, const Vec3& up, float fovDeg) {
    LabelView v;
    v.eye = eye;
    v.forward = unit(target - eye);
    v.right = unit(cross(v.forward, up));
    v.up = cross(v.right, v.forward);
    const double halfRad = fovDeg * 0.5 * 3.14159265358979323846 / 180.0;
    v.metresPerPixelAt1m = (float)(2.0 * std::tan(halfRad) / kPictureHeightPx);
    return v;
}

void addTrailLabel(const LabelView& view, const Vec3& anchor, const char* text, const float colour[3],
                   TrailLabels& out) {
    if (out.count >= kTrailLabelCapacity || !text || !*text) return;
    const Vec3 rel = anchor - view.eye;
    const float depth = dot(rel, view.forward);
    if (!(depth > kNearestM) || !(view.metresPerPixelAt1m > 0.0f)) return;
    const float mpp = depth * view.metresPerPixelAt1m;  // metres a pixel covers at the mark
    const float sx = dot(rel, view.right) / mpp, sy = dot(rel, view.up) / mpp;

    const float cell = 16.0f * kLabelScale;
    const float width = textAdvance(text, kLabelStyle, kLabelScale) + (cell - 8.0f * kLabelScale) + 2 * kMarginPx;
    const float height = cell + 2 * kMarginPx;
    const float x0 = sx + kGapPx, yLow = sy + kGapPx * 0.5f;
    const float line = freeLine(out, x0, yLow, width, height);
    const float y0 = yLow + line * kLabelLineStepPx;

    TrailLabel& l = out.label[out.count++];
    l = TrailLabel();
    for (int k = 0; k < 3; ++k) l.colour[k] = colour[k];
    l.screenBox[0] = x0, l.screenBox[1] = y0, l.screenBox[2] = x0 + width, l.screenBox[3] = y0 + height;
    // The point x, y pixels from the picture's middle, on the plate's plane.
    const float near = depth * (1.0f - kLabelPull);
    const float nearMpp = near * view.metresPerPixelAt1m;
    const Vec3 middle = view.eye + view.forward * near;
    auto at = [&](float x, float y) { return middle + view.right * (x * nearMpp) + view.up * (y * nearMpp); };
    l.plate[0] = at(x0, y0);
    l.plate[1] = at(x0 + width, y0);
    l.plate[2] = at(x0 + width, y0 + height);
    l.plate[3] = at(x0, y0 + height);
    l.leader = line > 0.0f;
    l.leaderFrom = at(sx, sy);
    l.leaderTo = l.plate[0];

    float pen = x0 + kMarginPx;
    const float base = y0 + kMarginPx;
    for (const char* p = text; *p && l.glyphCount < kLabelChars; ++p) {
        const int list = glyphListFor(kLabelStyle, *p);
        if (!glyphListBuilt(list)) continue;
        const GlyphCell g = glyphCell(list);
        LabelGlyph& q = l.glyphs[l.glyphCount++];
        q.corner[0] = at(pen, base);
        q.corner[1] = at(pen + cell, base);
        q.corner[2] = at(pen + cell, base + cell);
        q.corner[3] = at(pen, base + cell);
        q.s0 = g.s0, q.s1 = g.s1, q.t0 = g.t0, q.t1 = g.t1;
        pen += g.advance * kLabelScale;
    }
}
