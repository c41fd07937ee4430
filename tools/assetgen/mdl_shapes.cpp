#include "tools/assetgen/mdl_shapes.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

D3 cross(const D3& a, const D3& b) {
    return D3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
double dot(const D3& a, const D3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
D3 unit(const D3& a) {
    double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// Newell normal: right-hand normal of the polygon's winding.
D3 newell(const std::vector<D3>& p) {
    D3 n;
    for (size_t i = 0; i < p.size(); ++i) {
        const D3& a = p[i];
        const D3& b = p[(i + 1) % p.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

D3 centroid(const std::vector<D3>& p) {
    D3 c;
    for (const D3& q : p) c = c + q;
    return p.empty() ? c : c * (1.0 / p.size());
}

Face face(std::vector<D3> pts, const Rgba& c) {
    Face f;
    f.pts = std::move(pts);
    f.colour = c;
    return f;
}

// Turns every face of a convex solid outward (away from its centre).
void orientConvex(Mesh& m, const D3& centre) {
    for (Face& f : m) {
        D3 n = newell(f.pts);
        if (dot(n, centroid(f.pts) - centre) < 0) std::vector<D3>(f.pts.rbegin(), f.pts.rend()).swap(f.pts);
    }
}


} // namespace

Mesh loft(const std::vector<Ring>& ringsIn, bool closed, bool capFirst, bool capLast, const Rgba& c) {
    Mesh m;
    if (ringsIn.size() < 2) return m;
    std::vector<Ring> rings = ringsIn;
    // Rings must wind against the loft direction for the skin to face out.
    D3 dir = centroid(rings.back()) - centroid(rings.front());
    D3 n;
    for (const Ring& r : rings) {
        n = newell(r);
        if (length(n) > 1e-9) break;
    }
    if (closed && dot(n, dir) > 0)
        for (Ring& r : rings) r = Ring(r.rbegin(), r.rend());
    size_t count = rings[0].size();
    size_t spans = closed ? count : count - 1;
    for (size_t i = 0; i + 1 < rings.size(); ++i)
        for (size_t j = 0; j < spans; ++j) {
            size_t k = (j + 1) % count;
            m.push_back(face({rings[i][j], rings[i + 1][j], rings[i + 1][k], rings[i][k]}, c));
        }
    if (capFirst) m.push_back(face(rings.front(), c));
    if (capLast) m.push_back(face(Ring(rings.back().rbegin(), rings.back().rend()), c));
    return m;
}

Ring ellipseRing(double cx, double y, double cz, double w, double h, int n, double power) {
    Ring r;
    for (int i = 0; i < n; ++i) {
        double t = 2 * kPi * i / n;
        double ct = std::cos(t), st = std::sin(t);
        double ex = 2.0 / power;
        double x = std::copysign(std::pow(std::fabs(ct), ex), ct);
        double z = std::copysign(std::pow(std::fabs(st), ex), st);
        r.push_back(D3(cx + w * x, y, cz + h * z));
    }
    return r;
}

Mesh box(const D3& lo, const D3& hi, const Rgba& c) {
    D3 p[8];
    for (int i = 0; i < 8; ++i)
        p[i] = D3(i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z);
    Mesh m = {face({p[0], p[1], p[3], p[2]}, c), face({p[4], p[5], p[7], p[6]}, c),
              face({p[0], p[1], p[5], p[4]}, c), face({p[2], p[3], p[7], p[6]}, c),
              face({p[0], p[2], p[6], p[4]}, c), face({p[1], p[3], p[7], p[5]}, c)};
    orientConvex(m, (lo + hi) * 0.5);
    return m;
}

Mesh beam(const D3& a, const D3& b, double hw, double hd, const Rgba& c) {
    D3 e = unit(b - a);
    D3 side(1, 0, 0);
    if (std::fabs(dot(e, side)) > 0.9) side = D3(0, 1, 0);
    side = unit(side - e * dot(side, e));
    D3 depth = unit(cross(e, side));
    D3 sx = side * hw, sd = depth * hd;
    D3 q[8] = {a - sx - sd, a + sx - sd, a + sx + sd, a - sx + sd,
               b - sx - sd, b + sx - sd, b + sx + sd, b - sx + sd};
    Mesh m = {face({q[0], q[1], q[2], q[3]}, c), face({q[4], q[5], q[6], q[7]}, c)};
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        m.push_back(face({q[i], q[j], q[j + 4], q[i + 4]}, c));
    }
    orientConvex(m, (a + b) * 0.5);
    return m;
}

Mesh wheel(const D3& centre, double radius, double hw, int sides, const Rgba& tyre, const Rgba& hub) {
    Ring a, b, ha, hb;
    for (int i = 0; i < sides; ++i) {
        double t = 2 * kPi * i / sides;
        D3 off(0, radius * std::cos(t), radius * std::sin(t));
        D3 hoff(0, radius * 0.55 * std::cos(t), radius * 0.55 * std::sin(t));
        a.push_back(centre + D3(-hw, 0, 0) + off);
        b.push_back(centre + D3(hw, 0, 0) + off);
        ha.push_back(centre + D3(-hw - 0.004, 0, 0) + hoff);
        hb.push_back(centre + D3(hw + 0.004, 0, 0) + hoff);
    }
    Mesh m = loft({a, b}, true, true, true, tyre);
    orientConvex(m, centre);
    Mesh hubs = {face(ha, hub), face(hb, hub)};
    orientConvex(hubs, centre);
    append(m, hubs);
    return m;
}

Mesh tubeY(double cx, double cz, double y0, double y1, double r0, double r1, int sides, bool cap0,
           bool cap1, const Rgba& c) {
    Ring a = ellipseRing(cx, y0, cz, r0, r0, sides, 2.0);
    Ring b = ellipseRing(cx, y1, cz, r1, r1, sides, 2.0);
    Mesh m = loft({a, b}, true, cap0, cap1, c);
    orientConvex(m, D3(cx, (y0 + y1) / 2, cz));
    return m;
}

Mesh cone(const D3& base, const D3& tip, double radius, int sides, const Rgba& c) {
    D3 e = unit(tip - base);
    D3 s(1, 0, 0);
    if (std::fabs(dot(e, s)) > 0.9) s = D3(0, 1, 0);
    s = unit(s - e * dot(s, e));
    D3 t = cross(e, s);
    Ring ring;
    for (int i = 0; i < sides; ++i) {
        double a = 2 * kPi * i / sides;
        ring.push_back(base + s * (radius * std::cos(a)) + t * (radius * std::sin(a)));
    }
    Mesh m;
    for (int i = 0; i < sides; ++i) m.push_back(face({ring[i], ring[(i + 1) % sides], tip}, c));
    m.push_back(face(ring, c));
    orientConvex(m, base + (tip - base) * 0.3);
    return m;
}

Mesh surface(const D3& rootLe, const D3& rootTe, double rootT, const D3& tipLe, const D3& tipTe,
             double tipT, const D3& up, bool capRoot, const Rgba& c) {
    auto section = [&](const D3& le, const D3& te, double t) {
        D3 ch = te - le;
        D3 u = up * (t * 0.5);
        return Ring{le,
                    le + ch * 0.25 + u,
                    le + ch * 0.65 + u * 0.7,
                    te,
                    le + ch * 0.65 - u * 0.7,
                    le + ch * 0.25 - u};
    };
    return loft({section(rootLe, rootTe, rootT), section(tipLe, tipTe, tipT)}, true, capRoot, true, c);
}

