#include "tools/assetgen/img_canvas.h"

#include <algorithm>
#include <cmath>

Rgba rgb255(int r, int g, int b, float a) { return Rgba{r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Rgba mix(const Rgba& p, const Rgba& q, float t) {
    return Rgba{p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t,
                p.a + (q.a - p.a) * t};
}

Rgba scaled(const Rgba& c, float k) { return Rgba{c.r * k, c.g * k, c.b * k, c.a}; }

uint32_t Rng::next() {
    // splitmix64: small, fast, and the same on every platform.
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float Rng::uniform() { return (next() >> 8) * (1.0f / 16777216.0f); }
float Rng::range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n)); }

static float latticeValue(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) * (1.0f / 16777215.0f);
}

static int wrapIndex(int i, int period) {
    if (period <= 0) return i;
    int m = i % period;
    return m < 0 ? m + period : m;
}

float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    int x0 = wrapIndex(ix, periodX), x1 = wrapIndex(ix + 1, periodX);
    int y0 = wrapIndex(iy, periodY), y1 = wrapIndex(iy + 1, periodY);
    float a = latticeValue(x0, y0, seed), b = latticeValue(x1, y0, seed);
    float c = latticeValue(x0, y1, seed), d = latticeValue(x1, y1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, periodX, periodY, seed + 101u * o);
        norm += amp;
        amp *= 0.5f;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height, fill) {}

void Canvas::fill(const Rgba& c) { std::fill(px_.begin(), px_.end(), c); }

void Canvas::blend(int x, int y, const Rgba& c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    float sa = c.a * std::clamp(coverage, 0.0f, 1.0f);
    if (sa <= 0) return;
    Rgba& d = at(x, y);
    float outA = sa + d.a * (1 - sa);
    if (outA <= 1e-6f) return;
    float k = d.a * (1 - sa);
    d.r = (c.r * sa + d.r * k) / outA;
    d.g = (c.g * sa + d.g * k) / outA;
    d.b = (c.b * sa + d.b * k) / outA;
    d.a = outA;
}

static float coverageFromDistance(float d) { return std::clamp(0.5f - d, 0.0f, 1.0f); }

void Canvas::fillRect(float x0, float y0, float x1, float y1, const Rgba& c) {
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    int ix0 = std::max(0, static_cast<int>(std::floor(x0))), ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)));
    int iy0 = std::max(0, static_cast<int>(std::floor(y0))), iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y) {
        float cy = std::clamp(std::min(y + 1.0f, y1) - std::max(static_cast<float>(y), y0), 0.0f, 1.0f);
        for (int x = ix0; x <= ix1; ++x) {
            float cx = std::clamp(std::min(x + 1.0f, x1) - std::max(static_cast<float>(x), x0), 0.0f, 1.0f);
            blend(x, y, c, cx * cy);
        }
    }
}

void Canvas::fillDisc(float cx, float cy, float r, const Rgba& c) { ring(cx, cy, -1, r, c); }

void Canvas::ring(float cx, float cy, float rInner, float rOuter, const Rgba& c) {
    int x0 = std::max(0, static_cast<int>(cx - rOuter - 2)), x1 = std::min(width_ - 1, static_cast<int>(cx + rOuter + 2));
    int y0 = std::max(0, static_cast<int>(cy - rOuter - 2)), y1 = std::min(height_ - 1, static_cast<int>(cy + rOuter + 2));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            float cov = coverageFromDistance(d - rOuter);
            if (rInner > 0) cov = std::min(cov, coverageFromDistance(rInner - d));
            blend(x, y, c, cov);
        }
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, const Rgba& c) {
    float hw = width * 0.5f;
    int bx0 = std::max(0, static_cast<int>(std::min(x0, x1) - hw - 2));
    int bx1 = std::min(width_ - 1, static_cast<int>(std::max(x0, x1) + hw + 2));
    int by0 = std::max(0, static_cast<int>(std::min(y0, y1) - hw - 2));
    int by1 = std::min(height_ - 1, static_cast<int>(std::max(y0, y1) + hw + 2));
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
            float d = std::hypot(px - t * dx, py - t * dy);
            blend(x, y, c, coverageFromDistance(d - hw));
        }
}

void Canvas::polyline(const std::vector<Point>& pts, float width, const Rgba& c) {
    for (size_t i = 1; i < pts.size(); ++i) line(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, width, c);
}

void Canvas::polygon(const std::vector<Point>& pts, const Rgba& c) {
    if (pts.size() < 3) return;
    float minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const Point& p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    int x0 = std::max(0, static_cast<int>(minX)), x1 = std::min(width_ - 1, static_cast<int>(maxX) + 1);
    int y0 = std::max(0, static_cast<int>(minY)), y1 = std::min(height_ - 1, static_cast<int>(maxY) + 1);
    const int n = 4;
    std::vector<float> crossings;
    std::vector<float> rowCover(static_cast<size_t>(x1 - x0 + 1));
    for (int y = y0; y <= y1; ++y) {
        std::fill(rowCover.begin(), rowCover.end(), 0.0f);
        for (int sy = 0; sy < n; ++sy) {
            float yy = y + (sy + 0.5f) / n;
            crossings.clear();
            for (size_t i = 0; i < pts.size(); ++i) {
                const Point& a = pts[i];
                const Point& b = pts[(i + 1) % pts.size()];
                if ((a.y <= yy) != (b.y <= yy)) crossings.push_back(a.x + (yy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
                float s0 = crossings[k], s1 = crossings[k + 1];
                for (int x = std::max(x0, static_cast<int>(s0)); x <= std::min(x1, static_cast<int>(s1)); ++x) {
                    float ov = std::min(x + 1.0f, s1) - std::max(static_cast<float>(x), s0);
                    if (ov > 0) rowCover[x - x0] += ov / n;
                }
            }
        }
        for (int x = x0; x <= x1; ++x)
            if (rowCover[x - x0] > 0) blend(x, y, c, rowCover[x - x0]);
    }
}

void Canvas::strokeRect(float x0, float y0, float x1, float y1, float w, const Rgba& c) {
    fillRect(x0, y0, x1, y0 + w, c);
    fillRect(x0, y1 - w, x1, y1, c);
    fillRect(x0, y0 + w, x0 + w, y1 - w, c);
    fillRect(x1 - w, y0 + w, x1, y1 - w, c);
}

void Canvas::verticalGradient(float y0, float y1, const Rgba& top, const Rgba& bottom) {
    for (int y = 0; y < height_; ++y) {
        float t = y1 > y0 ? std::clamp((y + 0.5f - y0) / (y1 - y0), 0.0f, 1.0f) : 0.0f;
        Rgba c = mix(top, bottom, t);
        for (int x = 0; x < width_; ++x) at(x, y) = c;
    }
}

void Canvas::roundRect(float x0, float y0, float x1, float y1, float radius, const Rgba& top,
                       const Rgba& bottom) {
    int ix0 = std::max(0, static_cast<int>(x0) - 1), ix1 = std::min(width_ - 1, static_cast<int>(x1) + 1);
    int iy0 = std::max(0, static_cast<int>(y0) - 1), iy1 = std::min(height_ - 1, static_cast<int>(y1) + 1);
    float hx = (x1 - x0) * 0.5f, hy = (y1 - y0) * 0.5f, mx = (x0 + x1) * 0.5f, my = (y0 + y1) * 0.5f;
    radius = std::min(radius, std::min(hx, hy));
    for (int y = iy0; y <= iy1; ++y) {
        float t = std::clamp((y + 0.5f - y0) / std::max(1.0f, y1 - y0), 0.0f, 1.0f);
        Rgba c = mix(top, bottom, t);
        for (int x = ix0; x <= ix1; ++x) {
            float qx = std::fabs(x + 0.5f - mx) - (hx - radius), qy = std::fabs(y + 0.5f - my) - (hy - radius);
            float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
            float d = outside + std::min(std::max(qx, qy), 0.0f) - radius;
            blend(x, y, c, coverageFromDistance(d));
        }
    }
}

void Canvas::multiplyAlpha(const std::vector<float>& mask) {
    size_t n = std::min(mask.size(), px_.size());
    for (size_t i = 0; i < n; ++i) px_[i].a *= std::clamp(mask[i], 0.0f, 1.0f);
}

void Canvas::draw(const Canvas& src, int ox, int oy) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) blend(ox + x, oy + y, src.at(x, y), 1.0f);
}
