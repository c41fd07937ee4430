// Geometry vocabulary of the model generator: points, coloured faces, meshes
// and the rigid transforms that move and mirror them. Faces list their corners
// counter-clockwise as seen from outside.
#pragma once

#include <cmath>
#include <vector>

struct D3 {
    double x = 0, y = 0, z = 0;
    D3() = default;
    D3(double ax, double ay, double az) : x(ax), y(ay), z(az) {}
    D3 operator+(const D3& o) const { return D3(x + o.x, y + o.y, z + o.z); }
    D3 operator-(const D3& o) const { return D3(x - o.x, y - o.y, z - o.z); }
    D3 operator*(double s) const { return D3(x * s, y * s, z * s); }
};

inline double length(const D3& p) { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); }
inline D3 lerp(const D3& a, const D3& b, double t) { return a + (b - a) * t; }

// Turn about the lateral (x) axis exactly as the program's pitch turn does:
// y' = y cos a - z sin a, z' = y sin a + z cos a.
inline D3 rotX(const D3& p, double deg) {
    double a = deg * 0.017453292, c = std::cos(a), s = std::sin(a);
    return D3(p.x, p.y * c - p.z * s, p.y * s + p.z * c);
}

struct Rgba {
    int r = 200, g = 200, b = 200;
    double a = 0.0;  // 0 opaque; otherwise translucent with this alpha
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

struct Face {
    std::vector<D3> pts;
    Rgba colour;
    // Textured quad: texture number as the model file writes it (1000 + TGA
    // index, or a JPEG slot); pts are then bottom-left, bottom-right,
    // top-right, top-left of the picture as seen from the front.
    int texture = -1;
};

using Mesh = std::vector<Face>;

inline void append(Mesh& to, const Mesh& from) { to.insert(to.end(), from.begin(), from.end()); }

// Mirror in the x = 0 plane, keeping faces outward.
inline Mesh mirrored(const Mesh& m) {
    Mesh out;
    for (const Face& f : m) {
        if (f.texture >= 0) continue;  // pictures do not mirror
        Face g = f;
        g.pts.clear();
        for (auto it = f.pts.rbegin(); it != f.pts.rend(); ++it) g.pts.push_back(D3(-it->x, it->y, it->z));
        out.push_back(g);
    }
    return out;
}

inline Mesh withMirror(const Mesh& half) {
    Mesh out = half;
    append(out, mirrored(half));
    return out;
}

inline Mesh translated(Mesh m, const D3& d) {
    for (Face& f : m)
        for (D3& p : f.pts) p = p + d;
    return m;
}

inline void paint(Mesh& m, const Rgba& c) {
    for (Face& f : m) f.colour = c;
}
