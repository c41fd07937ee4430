// Drawing surface for the generated pictures: RGBA floats, row 0 at the top of
// the picture as the program shows it. The writers decide how rows are stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

constexpr Rgba rgb(float r, float g, float b, float a = 1.0f) { return Rgba{r, g, b, a}; }
Rgba rgb255(int r, int g, int b, float a = 1.0f);
Rgba mix(const Rgba& p, const Rgba& q, float t);
Rgba scaled(const Rgba& c, float k);  // colour times k, alpha kept

struct Point {
    float x, y;
};

// Fixed-seed generator so every run writes the same bytes.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t next();
    float uniform();                      // [0, 1)
    float range(float lo, float hi);      // [lo, hi)
    int below(int n);                     // 0 .. n-1
private:
    uint64_t state_;
};

// Smooth value noise tiling with the given integer period (in lattice cells).
float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed);
// Sum of octaves of valueNoise, each twice the frequency; result about 0..1.
float fractalNoise(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = rgb(0, 0, 0, 0));

    int width() const { return width_; }
    int height() const { return height_; }
    const Rgba& at(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }
    Rgba& at(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }

    // Source-over compositing of c with the given coverage (0..1).
    void blend(int x, int y, const Rgba& c, float coverage);
    void fill(const Rgba& c);

    // Anti-aliased primitives; coordinates in pixels, pixel centres at +0.5.
    void fillRect(float x0, float y0, float x1, float y1, const Rgba& c);
    void fillDisc(float cx, float cy, float r, const Rgba& c);
    void ring(float cx, float cy, float rInner, float rOuter, const Rgba& c);
    void line(float x0, float y0, float x1, float y1, float width, const Rgba& c);
    void polyline(const std::vector<Point>& pts, float width, const Rgba& c);
    void polygon(const std::vector<Point>& pts, const Rgba& c);  // even-odd, 4x4 samples
    void strokeRect(float x0, float y0, float x1, float y1, float width, const Rgba& c);
    void verticalGradient(float y0, float y1, const Rgba& top, const Rgba& bottom);
    // Rounded rectangle filled with a vertical gradient.
    void roundRect(float x0, float y0, float x1, float y1, float radius, const Rgba& top,
                   const Rgba& bottom);
    // Multiplies every pixel's alpha by the given mask value (0..1) of the same size.
    void multiplyAlpha(const std::vector<float>& mask);
    // Copies src with its top-left at (x, y), composited over.
    void draw(const Canvas& src, int x, int y);

private:
    int width_, height_;
    std::vector<Rgba> px_;
};
