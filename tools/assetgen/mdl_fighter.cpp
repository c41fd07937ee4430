// The fighter (part 12) and its canopy (part 13): a lofted fuselage with an
// open cockpit tub, cheek intakes, swept wings with root extensions, tail
// surfaces, nozzle, wingtip missiles and the tricycle landing gear.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/mdl_parts.h"
#include "tools/assetgen/mdl_shapes.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kCanopyHalfWidth = 0.492;  // canopy width 0.984 m
constexpr double kCanopyLength = 2.304;     // hinge to far edge
constexpr double kHingeY = 5.35;
constexpr double kCockpitRearY = 4.75;
constexpr double kCockpitFloorZ = 2.0;

const Rgba kBody{150, 158, 166, 0};
const Rgba kBelly{172, 178, 184, 0};
const Rgba kRadome{96, 102, 108, 0};
const Rgba kAntiGlare{62, 66, 70, 0};
const Rgba kDark{34, 35, 38, 0};
const Rgba kInterior{66, 69, 73, 0};
const Rgba kFloor{48, 49, 53, 0};
const Rgba kPanel{28, 30, 32, 0};
const Rgba kScreen{40, 90, 70, 0};
const Rgba kMetal{92, 88, 84, 0};
const Rgba kNozzleIn{40, 34, 30, 0};
const Rgba kTyre{24, 24, 24, 0};
const Rgba kHub{170, 170, 175, 0};
const Rgba kStrut{205, 205, 210, 0};
const Rgba kMissile{228, 228, 224, 0};
const Rgba kFrame{52, 54, 58, 0};
const Rgba kGlass{120, 150, 175, 0.32};
const Rgba kLight{255, 60, 40, 0};

// Fuselage lines: station y, half-width, bottom, top, squareness.
struct Station {
    double y, w, zb, zt, p;
};
const Station kLines[] = {
    {0.00, 0.015, 2.32, 2.36, 2.0}, {0.35, 0.17, 2.16, 2.50, 2.0}, {0.90, 0.30, 1.97, 2.64, 2.1},
    {1.60, 0.42, 1.75, 2.78, 2.3},  {2.30, 0.50, 1.58, 2.88, 2.5}, {3.00, 0.56, 1.46, 2.97, 2.7},
    {3.60, 0.60, 1.38, 3.02, 2.9},  {4.20, 0.63, 1.32, 3.04, 3.0}, {4.75, 0.66, 1.28, 3.05, 3.0},
    {5.40, 0.70, 1.24, 3.10, 3.0},  {6.20, 0.75, 1.22, 3.07, 3.0}, {7.40, 0.78, 1.22, 3.00, 3.0},
    {8.80, 0.79, 1.25, 2.88, 3.0},  {10.2, 0.76, 1.32, 2.80, 2.8}, {11.6, 0.69, 1.45, 2.72, 2.6},
    {12.8, 0.61, 1.57, 2.66, 2.4},  {13.8, 0.55, 1.64, 2.61, 2.2}, {14.6, 0.48, 1.64, 2.60, 2.0},
};
constexpr int kLineCount = sizeof kLines / sizeof kLines[0];

Station lineAt(double y) {
    if (y <= kLines[0].y) return kLines[0];
    for (int i = 1; i < kLineCount; ++i)
        if (y <= kLines[i].y) {
            const Station &a = kLines[i - 1], &b = kLines[i];
            double t = (y - a.y) / (b.y - a.y);
            return {y, a.w + (b.w - a.w) * t, a.zb + (b.zb - a.zb) * t, a.zt + (b.zt - a.zt) * t,
                    a.p + (b.p - a.p) * t};
        }
    return kLines[kLineCount - 1];
}

D3 sectionPoint(const Station& s, double theta) {
    double c = std::cos(theta), sn = std::sin(theta), e = 2.0 / s.p;
    double zc = (s.zb + s.zt) / 2, h = (s.zt - s.zb) / 2;
    return D3(s.w * std::copysign(std::pow(std::fabs(c), e), c), s.y,
              zc + h * std::copysign(std::pow(std::fabs(sn), e), sn));
}

// Angle of the point at half-width x on the upper side of the section.
double sillAngle(const Station& s, double x) {
    double xs = std::min(x, 0.97 * s.w);
    return std::acos(std::pow(xs / s.w, s.p / 2.0));
}

double sillHalfWidth(const Station& s) { return std::min(kCanopyHalfWidth, 0.97 * s.w); }

// Lower hull: from the left sill down round the belly to the right sill.
Ring hullRing(double y, int n) {
    Station s = lineAt(y);
    double ts = sillAngle(s, sillHalfWidth(s));
    Ring r;
    for (int i = 0; i <= n; ++i) r.push_back(sectionPoint(s, kPi - ts + (kPi + 2 * ts) * i / n));
    return r;
}

// Upper deck: from the right sill over the top to the left sill.
Ring deckRing(double y, int n) {
    Station s = lineAt(y);
    double ts = sillAngle(s, sillHalfWidth(s));
    Ring r;
    for (int i = 0; i <= n; ++i) r.push_back(sectionPoint(s, ts + (kPi - 2 * ts) * i / n));
    return r;
}

constexpr int kHullPoints = 16, kDeckPoints = 6;

Mesh fuselage(const CockpitLayout& ck) {
    std::vector<double> ys;
    for (int i = 0; i < kLineCount; ++i) {
        double y = kLines[i].y;
        if (y > ck.frontY - 0.05 && y < ck.frontY + 0.05) continue;
        if (y > kCockpitRearY - 0.05 && y < kCockpitRearY + 0.05) continue;
        ys.push_back(y);
    }
    ys.push_back(ck.frontY);
    ys.push_back(kCockpitRearY);
    std::sort(ys.begin(), ys.end());
    Mesh m;
    std::vector<Ring> hullNose, hullBody, deckFront, deckRear;
    for (double y : ys) {
        Ring hull = hullRing(y, kHullPoints), deck = deckRing(y, kDeckPoints);
        if (y <= 1.6) hullNose.push_back(hull);
        if (y >= 1.6) hullBody.push_back(hull);
        if (y <= ck.frontY) deckFront.push_back(deck);
        if (y >= kCockpitRearY) deckRear.push_back(deck);
    }
    append(m, loft(hullNose, false, false, false, kRadome));
    Mesh body = loft(hullBody, false, false, false, kBody);
    // Lighter belly panels below the chine.
    for (Face& f : body) {
        double z = 0;
        for (const D3& p : f.pts) z += p.z;
        if (z / f.pts.size() < 1.75) f.colour = kBelly;
    }
    append(m, body);
    std::vector<Ring> deckNose, deckAft;
    for (const Ring& r : deckFront) (r[0].y <= 1.6 ? deckNose : deckAft).push_back(r);
    if (!deckNose.empty() && !deckAft.empty()) deckAft.insert(deckAft.begin(), deckNose.back());
    append(m, loft(deckNose, false, false, false, kRadome));
    // Anti-glare panel on the deck ahead of the windscreen.
    Mesh ahead = loft(deckAft, false, false, false, kBody);
    for (Face& f : ahead) {
        double y = 0;
        for (const D3& p : f.pts) y += p.y;
        if (y / f.pts.size() > 2.2) f.colour = kAntiGlare;
    }
    append(m, ahead);
    append(m, loft(deckRear, false, false, false, kBody));
    return m;
}

// Cockpit tub: floor, side walls up to the sills, instrument panel and rear
// bulkhead, seen from inside.
Mesh cockpitTub(const CockpitLayout& ck) {
    Mesh m;
    const double ys[] = {ck.frontY, 3.6, 4.2, kCockpitRearY};
    for (int i = 0; i + 1 < 4; ++i) {
        for (double side : {-1.0, 1.0}) {
            Station a = lineAt(ys[i]), b = lineAt(ys[i + 1]);
            double xa = sillHalfWidth(a), xb = sillHalfWidth(b);
            D3 a0(side * xa, ys[i], ck.floorZ), a1 = sectionPoint(a, side > 0 ? sillAngle(a, xa) : kPi - sillAngle(a, xa));
            D3 b0(side * xb, ys[i + 1], ck.floorZ), b1 = sectionPoint(b, side > 0 ? sillAngle(b, xb) : kPi - sillAngle(b, xb));
            Face f;
            f.colour = kInterior;
            // Faces the centre line.
            f.pts = side > 0 ? std::vector<D3>{a0, a1, b1, b0} : std::vector<D3>{a0, b0, b1, a1};
            m.push_back(f);
        }
    }
    Face floor;
    floor.colour = kFloor;
    Station f0 = lineAt(ck.frontY), f1 = lineAt(kCockpitRearY);
    floor.pts = std::vector<D3>{D3(-sillHalfWidth(f0), ck.frontY, ck.floorZ), D3(sillHalfWidth(f0), ck.frontY, ck.floorZ),
                 D3(sillHalfWidth(f1), kCockpitRearY, ck.floorZ), D3(-sillHalfWidth(f1), kCockpitRearY, ck.floorZ)};
    m.push_back(floor);
    // Panel (faces aft) and bulkhead (faces forward) close the deck ends.
    auto endWall = [&](double y, bool facingAft, const Rgba& c) {
        Station s = lineAt(y);
        double x = sillHalfWidth(s);
        Ring deck = deckRing(y, kDeckPoints);
        std::vector<D3> pts = {D3(x, y, ck.floorZ)};
        for (const D3& p : deck) pts.push_back(p);
        pts.push_back(D3(-x, y, ck.floorZ));
        Face f;
        f.colour = c;
        // deck runs right to left over the top: seen from aft that is clockwise.
        f.pts = facingAft ? std::vector<D3>(pts.rbegin(), pts.rend()) : pts;
        m.push_back(f);
    };
    endWall(ck.frontY, true, kPanel);
    endWall(kCockpitRearY, false, kInterior);
    // Glare shield and three display faces on the panel.
    Station s = lineAt(ck.frontY);
    double top = sectionPoint(s, kPi / 2).z;
    append(m, box(D3(-0.36, ck.frontY, top - 0.12), D3(0.36, ck.frontY + 0.22, top - 0.07), kPanel));
    for (double x : {-0.24, 0.0, 0.24}) {
        Face d;
        d.colour = kScreen;
        double y = ck.frontY + 0.004;
        d.pts = std::vector<D3>{D3(x - 0.08, y, top - 0.42), D3(x + 0.08, y, top - 0.42), D3(x + 0.08, y, top - 0.26),
                 D3(x - 0.08, y, top - 0.26)};
        d.pts = std::vector<D3>(d.pts.rbegin(), d.pts.rend());
        m.push_back(d);
    }
    // Side consoles.
    for (double side : {-1.0, 1.0})
        append(m, box(D3(side > 0 ? 0.34 : -0.47, 3.55, ck.floorZ), D3(side > 0 ? 0.47 : -0.34, 4.45, 2.52), kInterior));
    return m;
}

Mesh intakes() {
    Mesh half;
    std::vector<Ring> rings = {ellipseRing(0.95, 5.45, 1.62, 0.26, 0.36, 12, 3.2),
                               ellipseRing(0.91, 6.6, 1.62, 0.24, 0.34, 12, 3.2),
                               ellipseRing(0.84, 8.2, 1.62, 0.2, 0.3, 12, 3.0),
                               ellipseRing(0.72, 10.2, 1.62, 0.14, 0.26, 12, 2.6)};
    append(half, loft(rings, true, false, false, kBody));
    // Dark mouth a little inside the lip.
    Ring mouth = ellipseRing(0.95, 5.6, 1.62, 0.22, 0.32, 12, 3.2);
    Face f;
    f.colour = kDark;
    f.pts = mouth;
    half.push_back(f);  // ring runs anticlockwise seen from the front: faces forward
    return withMirror(half);
}

Mesh wingsAndTail() {
    Mesh half;
    // Main wing, 40 degree leading-edge sweep.
    append(half, surface(D3(0.7, 6.9, 2.05), D3(0.7, 11.3, 2.05), 0.2, D3(4.75, 10.35, 2.05),
                         D3(4.75, 11.55, 2.05), 0.05, D3(0, 0, 1), false, kBody));
    // Leading-edge root extension.
    append(half, surface(D3(0.62, 5.1, 2.22), D3(0.62, 7.7, 2.1), 0.05, D3(1.15, 7.25, 2.07),
                         D3(1.15, 7.9, 2.06), 0.03, D3(0, 0, 1), false, kBody));
    // Horizontal stabiliser.
    append(half, surface(D3(0.55, 12.7, 2.0), D3(0.55, 14.9, 2.0), 0.12, D3(2.85, 14.25, 1.95),
                         D3(2.85, 15.25, 1.95), 0.04, D3(0, 0, 1), false, kBody));
    // Ventral fin.
    append(half, surface(D3(0.42, 11.9, 1.52), D3(0.42, 13.3, 1.58), 0.06, D3(0.66, 12.6, 1.08),
                         D3(0.66, 13.3, 1.08), 0.03, D3(1, 0, 0), false, kBody));
    // Wingtip missile on its rail.
    append(half, tubeY(4.86, 2.05, 9.5, 12.5, 0.065, 0.065, 8, false, true, kMissile));
    append(half, cone(D3(4.86, 9.5, 2.05), D3(4.86, 9.05, 2.05), 0.065, 8, kMissile));
    for (int k = 0; k < 2; ++k) {
        double y = k == 0 ? 9.75 : 12.1;
        append(half, box(D3(4.66, y, 2.035), D3(5.06, y + 0.25, 2.065), kMissile));
        append(half, box(D3(4.845, y, 1.85), D3(4.875, y + 0.25, 2.25), kMissile));
    }
    append(half, box(D3(4.8, 9.9, 2.05), D3(4.92, 12.0, 2.1), kBody));
    // Navigation light at the wing root extension tip.
    append(half, box(D3(1.12, 7.3, 2.05), D3(1.17, 7.4, 2.09), kLight));
    Mesh m = withMirror(half);
    // Fin and its root fairing.
    append(m, surface(D3(0, 10.9, 2.7), D3(0, 14.3, 2.66), 0.2, D3(0, 13.4, 4.95), D3(0, 14.6, 4.95),
                      0.06, D3(1, 0, 0), false, kBody));
    append(m, box(D3(-0.06, 14.0, 4.7), D3(0.06, 14.7, 4.98), kDark));
    return m;
}

Mesh nozzleAndNose() {
    // Starts inside the last fuselage section so no gap shows at the joint.
    Mesh m = tubeY(0, 2.12, 14.2, 15.65, 0.53, 0.43, 16, false, false, kMetal);
    Ring inner = ellipseRing(0, 15.45, 2.12, 0.42, 0.42, 16, 2.0);
    Face f;
    f.colour = kNozzleIn;
    f.pts = Ring(inner.rbegin(), inner.rend());  // faces aft
    m.push_back(f);
    // Pitot probe on the radome.
    append(m, beam(D3(0, 0.05, 2.34), D3(0, -0.65, 2.34), 0.012, 0.012, kMetal));
    return m;
}

Mesh landingGear() {
    Mesh m;
    // Nose gear under the cockpit.
    append(m, beam(D3(0, 3.3, 1.5), D3(0, 3.3, 0.3), 0.045, 0.045, kStrut));
    append(m, wheel(D3(0, 3.3, 0.3), 0.3, 0.085, 14, kTyre, kHub));
    append(m, box(D3(0.09, 2.7, 1.05), D3(0.11, 3.9, 1.5), kBelly));
    append(m, box(D3(-0.11, 2.7, 1.05), D3(-0.09, 3.9, 1.5), kBelly));
    // Main gear.
    Mesh half;
    append(half, beam(D3(0.7, 9.6, 1.35), D3(1.1, 9.6, 0.4), 0.06, 0.06, kStrut));
    append(half, beam(D3(0.7, 9.9, 1.35), D3(1.0, 9.62, 0.65), 0.03, 0.03, kStrut));
    append(half, wheel(D3(1.2, 9.6, 0.4), 0.4, 0.12, 16, kTyre, kHub));
    append(half, box(D3(0.55, 9.0, 0.75), D3(0.58, 10.3, 1.3), kBelly));
    append(m, withMirror(half));
    return m;
}

} // namespace

double fuselageSillZ(double y, double x) {
    Station s = lineAt(y);
    return sectionPoint(s, sillAngle(s, x)).z;
}

CockpitLayout cockpitLayout() {
    CockpitLayout ck;
    ck.hinge = D3(0, kHingeY, fuselageSillZ(kHingeY, kCanopyHalfWidth));
    // Far edge: on the sill line, one canopy length forward of the hinge.
    double lo = kHingeY - kCanopyLength - 0.3, hi = kHingeY - kCanopyLength + 0.3;
    for (int i = 0; i < 60; ++i) {
        double mid = (lo + hi) / 2;
        D3 e(0, mid, fuselageSillZ(mid, kCanopyHalfWidth));
        if (length(ck.hinge - e) > kCanopyLength) lo = mid;
        else hi = mid;
    }
    double yf = (lo + hi) / 2;
    ck.farEdge = D3(0, yf, fuselageSillZ(yf, kCanopyHalfWidth));
    ck.frontY = yf;
    ck.rearY = kCockpitRearY;
    ck.halfWidth = std::min(sillHalfWidth(lineAt(yf)), sillHalfWidth(lineAt(kCockpitRearY)));
    ck.floorZ = kCockpitFloorZ;
    ck.lowestSillZ = std::min(fuselageSillZ(yf, kCanopyHalfWidth), fuselageSillZ(kCockpitRearY, kCanopyHalfWidth));
    return ck;
}

namespace {

D3 fighterToRest(const D3& p) { return kFighterPivot + rotX(p - kFighterPivot, -2.5); }

} // namespace

void writeFighter(ModelWriter& w, const CockpitLayout& ck) {
    w.beginPart("fighter", fighterToRest, kFighterPivot);
    // Reference points: the cockpit opening, floor to lowest sill.
    w.refPoint(D3(-ck.halfWidth, ck.frontY, ck.floorZ));
    w.refPoint(D3(ck.halfWidth, ck.rearY, ck.lowestSillZ));
    w.mesh(fuselage(ck));
    w.mesh(cockpitTub(ck));
    w.mesh(intakes());
    w.mesh(wingsAndTail());
    w.mesh(nozzleAndNose());
    w.mesh(landingGear());
}

void writeCanopy(ModelWriter& w, const CockpitLayout& ck) {
    w.beginPart("canopy", fighterToRest, ck.hinge);
    w.colour(kFrame);
    w.marker(ck.farEdge, "far edge of the canopy (front frame, centre line)");
    // Sections from the far edge to the hinge: base on the sills, crown above.
    const double ts[] = {0.0, 0.05, 0.15, 0.3, 0.45, 0.6, 0.75, 0.88, 1.0};
    const double crown[] = {0.04, 0.22, 0.48, 0.7, 0.79, 0.79, 0.69, 0.5, 0.3};
    std::vector<Ring> glass;
    for (int i = 0; i < 9; ++i) {
        double y = ck.farEdge.y + (ck.hinge.y - ck.farEdge.y) * ts[i];
        double base = fuselageSillZ(y, kCanopyHalfWidth);
        double hw = kCanopyHalfWidth * (i == 0 ? 0.9 : 1.0);
        Ring r;
        for (int k = 0; k <= 10; ++k) {
            double t = kPi * k / 10, c = std::cos(t), s = std::sin(t);
            r.push_back(D3(hw * std::copysign(std::pow(std::fabs(c), 0.8), c), y,
                           base + crown[i] * std::pow(s, 0.8)));
        }
        glass.push_back(r);
    }
    // Opaque frame first: sill rails, the windscreen bow and the rear cap.
    Mesh frame;
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i + 1 < 9; ++i) {
            const D3& a = glass[i][side > 0 ? 0 : 10];
            const D3& b = glass[i + 1][side > 0 ? 0 : 10];
            D3 out(side * 0.012, 0, 0);
            Face f;
            f.colour = kFrame;
            f.pts = std::vector<D3>{a + out, b + out, b + out + D3(0, 0, 0.06), a + out + D3(0, 0, 0.06)};
            if (side < 0) f.pts = std::vector<D3>(f.pts.rbegin(), f.pts.rend());
            frame.push_back(f);
        }
    }
    std::vector<Ring> bow;
    for (int i : {1, 2}) {
        Ring r = glass[i];
        for (D3& p : r) {
            D3 c(0, p.y, fuselageSillZ(p.y, kCanopyHalfWidth));
            p = c + (p - c) * 1.02;
            p.y = ck.farEdge.y + (ck.hinge.y - ck.farEdge.y) * (i == 1 ? 0.13 : 0.16);
        }
        bow.push_back(r);
    }
    append(frame, loft(bow, false, false, false, kFrame));
    Face cap;
    cap.colour = kFrame;
    cap.pts = Ring(glass.back().rbegin(), glass.back().rend());  // faces aft
    frame.push_back(cap);
    w.mesh(frame);
    w.colour(kGlass);
    w.mesh(loft(glass, false, true, false, kGlass));
}
