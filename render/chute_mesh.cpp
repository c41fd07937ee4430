#include "render/chute_mesh.h"

#include <cmath>

#include "render/model_pose.h"
#include "sim/units.h"

namespace {

ChuteProfiles makeProfiles() {
    static const float mainBase[kMainProfileRadii] = {0.2f, 0.4f, 0.6f, 0.9f,  1.25f, 1.5f,
                                                      1.9f, 2.2f, 2.4f, 2.5f,  2.52f, 2.49f};
    static const float drogueBase[kDrogueProfileRadii + 1] = {0.2f, 0.48f, 0.57f, 0.63f, 0.7f, 0.65f};
    ChuteProfiles p;
    for (int i = 0; i < kMainProfileRadii; ++i) p.main[i] = mainBase[i] * 1.15f;
    for (int i = 0; i <= kDrogueProfileRadii; ++i) p.drogue[i] = drogueBase[i] * 0.5f;
    return p;
}

// Ring j round the vertical axis: (0, r, 0) turned by each gore angle, at z.
void setRing(ChuteMesh& mesh, int ring, float radius, float z) {
    for (int g = 0; g < kChuteGores; ++g) {
        Vec3 p(0.0f, radius, 0.0f);
        rotateAboutVerticalAxis(p, g * kGoreStepDeg);
        p.z = z;
        mesh.build[ring][g] = p;
    }
}

}  // namespace

const ChuteProfiles& chuteProfiles() {
    static const ChuteProfiles profiles = makeProfiles();
    return profiles;
}

ChuteCarrier chuteCarrierOf(const PolyModel& m) {
    ChuteCarrier c;
    int first, last;
    if (!partSlotRange(m, kPartChuteProfile, &first, &last)) return c;
    c.crownRadius = m.basePos[first].x;
    c.crownHeight = m.basePos[first].z;
    c.scale = m.parts[kPartChuteProfile].scale;
    return c;
}

float drogueInflationPercent(double tau) {
    if (!(tau > 0.0)) tau = 0.0;
    double percent = tau * tau * tau / (0.2 * 0.2 * 0.2) * 100.0 + 5.0;
    return percent > 100.0 ? 100.0f : (float)percent;
}

void buildDrogueMesh(ChuteMesh& mesh, const ChuteCarrier& carrier, float percent, float drogueDiameterM) {
    const ChuteProfiles& p = chuteProfiles();
    float fit = drogueDiameterM / 2.0f / p.drogue[kDrogueSkirtIndex];
    float base = fit * 0.3f + 5.0f;
    setRing(mesh, 0, carrier.crownRadius, base - carrier.crownHeight);
    for (int k = 0; k < kDrogueProfileRadii; ++k) {
        float radius = percent / 100.0f * fit * p.drogue[k];
        float drop = k * (1.0f - percent * 0.2f / 100.0f) / 5.0f;
        setRing(mesh, k + 1, radius, base - drop);
    }
    // Rings past the drogue's five are neither drawn nor tied to: keep them
    // at the skirt so the table never holds stale points.
    for (int ring = kDrogueProfileRadii + 1; ring < kChuteRings; ++ring)
        for (int g = 0; g < kChuteGores; ++g) mesh.build[ring][g] = mesh.build[kDrogueProfileRadii][g];
}

void buildMainMesh(ChuteMesh& mesh, const ChuteCarrier& carrier, float percent, float diameterM,
                   float lineLengthM, bool justOut) {
    const ChuteProfiles& p = chuteProfiles();
    float fit = diameterM / 2.0f / p.main[kMainSkirtIndex];
    float top = lineLengthM + 0.8f;
    setRing(mesh, 0, carrier.crownRadius, top - carrier.crownHeight);
    for (int k = 0; k < kMainProfileRadii; ++k) {
        float radius = percent / 100.0f * fit * p.main[k] * carrier.scale;
        float drop = k * (5.0f - 0.9f * percent / 100.0f) / 12.0f;
        if (justOut) drop *= 0.2f;
        setRing(mesh, k + 1, radius, top - drop * carrier.scale);
    }
}

float mainLineLength(float packDistanceM, float diameterM, bool linesStretched) {
    float nominal = diameterM / 2.0f / chuteProfiles().main[kMainSkirtIndex] * 10.0f;
    if (packDistanceM > nominal || packDistanceM < -800.0f || linesStretched) return nominal;
    return packDistanceM;
}

float mainInflationPercent(float trajectoryRadiusM, float diameterM, bool fullyOpen) {
    float full = diameterM / 2.0f;
    if (!(full > 0.0f)) return 0.0f;
    float radius = trajectoryRadiusM + 0.2f;
    if (radius > full || fullyOpen) radius = full;
    return radius / full * 100.0f;
}

void shiftChuteMesh(ChuteMesh& mesh, float dx, float dy, float dz) {
    Vec3 d(dx, dy, dz);
    for (auto& ring : mesh.build)
        for (Vec3& p : ring) p = p + d;
}

void orientChuteMesh(ChuteMesh& mesh, const Vec3& pivot, float pitchDeg, float rollDeg,
                     float headingDeg, float drop) {
    Vec3 lowered(pivot.x, pivot.y, pivot.z + drop);
    for (int r = 0; r < kChuteRings; ++r)
        for (int g = 0; g < kChuteGores; ++g) {
            Vec3 q = mesh.build[r][g] - lowered;
            rotateRollPitchHeading(q, rollDeg, pitchDeg, headingDeg);
            mesh.drawn[r][g] = pivot + q;
        }
}

float elevationDeg(float h, float v) {
    double hq = h == 0.0f ? 0.00001 : h;
    double vq = v == 0.0f ? 0.00001 : v;
    double a = std::atan(std::fabs(vq) / std::fabs(hq)) * 180.0 / kPi;
    if (v < 0.0f) return (float)a;
    if (v > 0.0f) return (float)(360.0 - a);
    return 0.0f;
}

ChuteOrientation chuteOrientation(const Vec3& d) {
    float h = std::sqrt(d.x * d.x + d.y * d.y);
    return ChuteOrientation{elevationDeg(h, d.z) - 90.0f, azimuthDeg(d.x, d.y)};
}
