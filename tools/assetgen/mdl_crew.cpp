// The crew parts: ejection seat (17) with its bridle points, pilot (6) and
// the identical second figure (7) with riser and line points, parachute pack
// (18), rocket plume (11), catapult rails (9, 10) and the chute-profile
// carrier (19). Built in the upright seat frame; the program's initial pose
// tilts them by the seat-back angle and moves them into the cockpit.
#include <cmath>

#include "tools/assetgen/mdl_parts.h"
#include "tools/assetgen/mdl_shapes.h"

namespace {

constexpr double kPi = 3.141592653589793;
// The cockpit offset of the initial pose.
const D3 kCockpit(0.0, 4.0, 2.3);
// Each crew part's own pose shift (its pivot as loaded, so that centring and
// shifting cancel and the file holds seat-frame points).
const D3 kPilotShift(0.0, -0.25, 0.48);
const D3 kSeatShift(0.0, -0.1, 0.18);
const D3 kPackShift(0.0, 0.0, -4.22);
const D3 kPlumeShift(0.0, -0.27, -0.57);
// Helmet axis: the pilot part's file offset, so the strip's cylinder
// projection is centred on it.
const D3 kHelmetCentre(0.0, -0.15, 0.9);
constexpr double kHelmetRadius = 0.125;

const Rgba kSeatFrame{62, 66, 60, 0};
const Rgba kCushion{54, 50, 42, 0};
const Rgba kHeadbox{78, 84, 76, 0};
const Rgba kYellow{235, 200, 30, 0};
const Rgba kSuit{88, 98, 70, 0};
const Rgba kHarness{46, 44, 36, 0};
const Rgba kHelmet{214, 214, 206, 0};
const Rgba kBlack{28, 28, 30, 0};
const Rgba kMask{70, 72, 72, 0};
const Rgba kPackCloth{92, 96, 62, 0};
const Rgba kRail{120, 122, 126, 0};
const Rgba kNozzle{60, 58, 56, 0};
const Rgba kFlame{255, 170, 60, 0.55};
const Rgba kFlameCore{255, 240, 190, 0.8};

D3 identity(const D3& p) { return p; }

Face picture(int texture, const D3& bl, const D3& br, const D3& tr, const D3& tl) {
    Face f;
    f.texture = texture;
    f.pts = std::vector<D3>{bl, br, tr, tl};
    return f;
}

} // namespace

D3 seatToFighter(const D3& p) { return kCockpit + rotX(p, -kDesignSeatBackDeg); }

void writeSeat(ModelWriter& w) {
    w.beginPart("ejection seat", identity, kSeatShift);
    w.colour(kSeatFrame);
    // Drogue bridle points, in the order the bridle is drawn from.
    w.marker(D3(0.15, 0.1, 1.15), "bridle: right headbox attachment");
    w.marker(D3(-0.15, 0.1, 1.15), "bridle: left headbox attachment");
    w.marker(D3(0.0, 0.26, 1.32), "bridle: junction behind the headbox");
    w.marker(D3(0.0, 0.38, 1.75), "bridle: end of the bridle");
    // The drogue trails straight behind the seat's pivot while the seat flies
    // facing along its path, so its lines meet well aft, a little above the
    // headbox: lines from there run out to the drogue's skirt nearly along it.
    w.marker(D3(0.0, 1.07, 1.87), "bridle: drogue line confluence");
    w.marker(D3(0.0, 0.21, 0.35), "bridle: lower seat-back attachment");
    Mesh m;
    for (double s : {-1.0, 1.0}) {
        double in = s * 0.26, out = s * 0.3;
        append(m, box(D3(std::min(in, out), -0.45, -0.05), D3(std::max(in, out), 0.05, 0.35), kSeatFrame));
    }
    append(m, box(D3(-0.26, -0.45, 0.1), D3(0.26, 0.0, 0.2), kCushion));
    append(m, box(D3(-0.25, 0.0, -0.05), D3(0.25, 0.2, 0.95), kSeatFrame));
    append(m, box(D3(-0.22, -0.01, 0.22), D3(0.22, 0.0, 0.9), kCushion));
    append(m, box(D3(-0.2, -0.05, 0.95), D3(0.2, 0.22, 1.2), kHeadbox));
    append(m, box(D3(-0.12, -0.35, -0.2), D3(0.12, 0.05, -0.05), kSeatFrame));
    append(m, tubeY(0, -0.2, -0.16, -0.04, 0.05, 0.05, 8, true, true, kNozzle));
    // Firing handle between the knees.
    append(m, box(D3(-0.08, -0.47, 0.12), D3(0.08, -0.45, 0.22), kYellow));
    append(m, box(D3(-0.05, -0.475, 0.14), D3(0.05, -0.47, 0.2), kBlack));
    w.mesh(m);
    const double e = 0.003;
    Mesh pics = {
        picture(1003, D3(-0.3 - e, 0.05, -0.05), D3(-0.3 - e, -0.45, -0.05), D3(-0.3 - e, -0.45, 0.35),
                D3(-0.3 - e, 0.05, 0.35)),
        picture(1028, D3(0.3 + e, -0.45, -0.05), D3(0.3 + e, 0.05, -0.05), D3(0.3 + e, 0.05, 0.35),
                D3(0.3 + e, -0.45, 0.35)),
        picture(1000, D3(-0.25 - e, 0.2, 0.35), D3(-0.25 - e, 0.0, 0.35), D3(-0.25 - e, 0.0, 0.95),
                D3(-0.25 - e, 0.2, 0.95)),
        picture(1027, D3(0.25 + e, 0.0, 0.35), D3(0.25 + e, 0.2, 0.35), D3(0.25 + e, 0.2, 0.95),
                D3(0.25 + e, 0.0, 0.95)),
        picture(1004, D3(0.2, 0.22, 1.2 + e), D3(-0.2, 0.22, 1.2 + e), D3(-0.2, -0.05, 1.2 + e),
                D3(0.2, -0.05, 1.2 + e)),
        picture(1005, D3(-0.12, 0.05, -0.2 - e), D3(0.12, 0.05, -0.2 - e), D3(0.12, -0.35, -0.2 - e),
                D3(-0.12, -0.35, -0.2 - e)),
        picture(19, D3(-0.2, -0.05 - e, 0.95), D3(0.2, -0.05 - e, 0.95), D3(0.2, -0.05 - e, 1.2),
                D3(-0.2, -0.05 - e, 1.2)),
    };
    w.mesh(pics);
}

void writePilot(ModelWriter& w, const std::string& name) {
    w.beginPart(name, identity, kPilotShift, kHelmetCentre);
    w.colour(kSuit);
    // Main parachute lines (+x side first) and the two risers.
    w.marker(D3(0.25, -0.11, 1.55), "lines: right confluence");
    w.marker(D3(-0.25, -0.11, 1.55), "lines: left confluence");
    w.marker(D3(0.17, -0.16, 0.72), "right riser: shoulder front");
    w.marker(D3(0.17, -0.06, 0.72), "right riser: shoulder back");
    w.marker(D3(0.22, -0.06, 1.45), "right riser: top back");
    w.marker(D3(0.22, -0.16, 1.45), "right riser: top front");
    w.marker(D3(-0.17, -0.16, 0.72), "left riser: shoulder front");
    w.marker(D3(-0.17, -0.06, 0.72), "left riser: shoulder back");
    w.marker(D3(-0.22, -0.06, 1.45), "left riser: top back");
    w.marker(D3(-0.22, -0.16, 1.45), "left riser: top front");
    Mesh m;
    append(m, box(D3(-0.18, -0.3, 0.2), D3(0.18, -0.02, 0.38), kSuit));
    append(m, box(D3(-0.19, -0.28, 0.38), D3(0.19, -0.02, 0.72), kSuit));
    append(m, box(D3(-0.2, -0.285, 0.36), D3(0.2, -0.27, 0.42), kHarness));
    append(m, box(D3(-0.05, -0.19, 0.72), D3(0.05, -0.1, 0.8), kSuit));
    for (double s : {-1.0, 1.0}) {
        // Arms: shoulder to elbow to a hand on the stick or throttle.
        append(m, beam(D3(s * 0.25, -0.14, 0.7), D3(s * 0.25, -0.3, 0.45), 0.055, 0.055, kSuit));
        append(m, beam(D3(s * 0.25, -0.3, 0.45), D3(s * 0.17, -0.56, 0.42), 0.045, 0.045, kSuit));
        append(m, box(D3(s * 0.17 - 0.04, -0.64, 0.38), D3(s * 0.17 + 0.04, -0.56, 0.47), kBlack));
        // Legs: thigh along the cushion, shin down to the rudder pedals.
        append(m, beam(D3(s * 0.1, -0.12, 0.3), D3(s * 0.11, -0.55, 0.33), 0.08, 0.08, kSuit));
        append(m, beam(D3(s * 0.11, -0.55, 0.33), D3(s * 0.11, -0.66, -0.25), 0.065, 0.065, kSuit));
        append(m, box(D3(s * 0.11 - 0.06, -0.84, -0.34), D3(s * 0.11 + 0.06, -0.6, -0.22), kBlack));
        // Harness straps over the shoulders.
        append(m, box(D3(s * 0.13 - 0.03, -0.29, 0.42), D3(s * 0.13 + 0.03, -0.275, 0.72), kHarness));
    }
    // Helmet crown and chin, oxygen mask.
    std::vector<Ring> crown;
    for (int i = 0; i <= 3; ++i) {
        double a = kPi / 2 * i / 3, r = kHelmetRadius * std::cos(a);
        Ring ring;
        for (int k = 0; k < 16; ++k) {
            double t = 2 * kPi * k / 16;
            ring.push_back(D3(kHelmetCentre.x + r * std::cos(t), kHelmetCentre.y + r * std::sin(t),
                              1.0 + 0.09 * std::sin(a) + (i == 3 ? 0.001 : 0.0)));
        }
        crown.push_back(ring);
    }
    append(m, loft(crown, true, true, false, kHelmet));
    append(m, box(D3(-0.045, -0.305, 0.79), D3(0.045, -0.24, 0.86), kMask));
    w.mesh(m);
    // Shell of the helmet: a strip round its axis, textured from the head
    // picture by the cylinder projection, seam at the back.
    std::vector<D3> strip;
    const int sides = 16;
    for (int k = 0; k <= sides; ++k) {
        // Start just past the back (azimuth 180) and go round to it.
        double az = 180.0 + 360.0 * k / sides + (k == 0 ? 0.05 : 0.0);
        if (k == sides) az = 180.0;
        double t = (az - 90.0) * kPi / 180.0;  // azimuth = 90 + atan2(y, x)
        double x = kHelmetRadius * std::cos(t), y = kHelmetRadius * std::sin(t);
        if (k == sides) x = 0.0;
        strip.push_back(D3(kHelmetCentre.x + x, kHelmetCentre.y + y, 1.0));
        strip.push_back(D3(kHelmetCentre.x + x, kHelmetCentre.y + y, 0.8));
    }
    w.cylinderStrip(35, strip, w.raw(D3(0, 0, 0.8)).z, w.raw(D3(0, 0, 1.0)).z);
    w.colour(kSuit);
    const double e = 0.003, front = kHelmetCentre.y - kHelmetRadius - e;
    Mesh pics = {
        picture(1035, D3(-0.09, front, 0.84), D3(0.09, front, 0.84), D3(0.09, front, 0.97),
                D3(-0.09, front, 0.97)),
        picture(15, D3(-0.17, -0.28 - e, 0.43), D3(0.17, -0.28 - e, 0.43), D3(0.17, -0.28 - e, 0.7),
                D3(-0.17, -0.28 - e, 0.7)),
        picture(16, D3(0.19, -0.02, 0.72 + e), D3(-0.19, -0.02, 0.72 + e), D3(-0.19, -0.28, 0.72 + e),
                D3(0.19, -0.28, 0.72 + e)),
    };
    for (double s : {-1.0, 1.0}) {
        double x = s * (0.305 + e);
        D3 elbowF(x, -0.355, 0.45), elbowB(x, -0.245, 0.45), shF(x, -0.195, 0.68), shB(x, -0.085, 0.68);
        pics.push_back(s > 0 ? picture(18, elbowF, elbowB, shB, shF) : picture(18, elbowB, elbowF, shF, shB));
        // Shin fronts.
        D3 knee(s * 0.11, -0.55, 0.33), ankle(s * 0.11, -0.66, -0.25);
        D3 dir = ankle - knee;
        double l = length(dir);
        D3 fwd(0, dir.z / l, -dir.y / l);
        if (fwd.y > 0) fwd = fwd * -1.0;
        D3 kf = knee + fwd * (0.065 + e), af = ankle + fwd * (0.065 + e);
        pics.push_back(picture(17, af - D3(0.05, 0, 0), af + D3(0.05, 0, 0), kf + D3(0.05, 0, 0),
                               kf - D3(0.05, 0, 0)));
    }
    w.mesh(pics);
}

void writePack(ModelWriter& w) {
    w.beginPart("parachute pack", identity, kPackShift);
    Mesh m = box(D3(-0.2, 0.2, 0.45), D3(0.2, 0.34, 1.05), kPackCloth);
    append(m, box(D3(-0.21, 0.24, 0.6), D3(0.21, 0.3, 0.64), kHarness));
    append(m, box(D3(-0.21, 0.24, 0.88), D3(0.21, 0.3, 0.92), kHarness));
    w.mesh(m);
}

void writePlume(ModelWriter& w) {
    // The plume hangs straight down in the file; the initial pose turns it
    // by -(rocket cant + seat back), the seat by -(seat back), and moves both
    // into the cockpit. So its nozzle sits where the seat's nozzle lands when
    // stored at R(rocket cant) d - shift.
    D3 nozzle = rotX(D3(0, -0.1, -0.2), kDesignRocketCantDeg) - kPlumeShift;
    w.beginPart("rocket plume", identity, D3());
    w.colour(kFlame);
    w.mesh(cone(nozzle, nozzle + D3(0, 0, -1.8), 0.16, 10, kFlame));
    w.colour(kFlameCore);
    w.mesh(cone(nozzle + D3(0, 0, -0.02), nozzle + D3(0, 0, -0.9), 0.08, 8, kFlameCore));
}

void writeSeatRail(ModelWriter& w, double side) {
    // Moved by the cockpit offset only: stored already tilted.
    w.beginPart(side < 0 ? "left catapult rail" : "right catapult rail",
                [](const D3& p) { return rotX(p, -kDesignSeatBackDeg); }, D3());
    w.mesh(box(D3(side * 0.17 - 0.02, 0.2, -0.2), D3(side * 0.17 + 0.02, 0.25, 1.3), kRail));
}

void writeChuteProfile(ModelWriter& w) {
    w.beginPart("chute profile", identity, D3());
    w.marker(D3(0, 0, 0), "profile ring 0 (apex)");
    const double radii[12] = {0.2, 0.4, 0.6, 0.9, 1.25, 1.5, 1.9, 2.2, 2.4, 2.5, 2.52, 2.49};
    for (int i = 0; i < 12; ++i)
        w.marker(D3(radii[i] * 1.15, 0, (i + 1) * 5.0 / 12), "profile ring: radius x, height z");
}
