// Parachute canopies as meshes of 13 rings by 24 gores, rebuilt every frame
// from an inflation percentage: the drogue behind the seat and the main
// canopy over the pilot. GL-free; chute_draw_gl.cpp draws the result.
#pragma once

#include "render/poly_model.h"
#include "sim/vec3.h"

constexpr int kChuteRings = 13;
constexpr int kChuteGores = 24;
constexpr float kGoreStepDeg = 15.0f;
constexpr int kMainProfileRadii = 12;
constexpr int kDrogueProfileRadii = 5;

// Canopy profiles (radius per ring), in the units the builders scale from.
struct ChuteProfiles {
    // Main: 0.2 .. 2.49, times 1.15. The widest is index 10.
    float main[kMainProfileRadii];
    // Drogue: 0.2 .. 0.7, halved; d3 is the skirt. A sixth value (0.325)
    // is kept for completeness; no ring uses it.
    float drogue[kDrogueProfileRadii + 1];
};

const ChuteProfiles& chuteProfiles();

// The skirt radius index of the main profile and its value (p10).
constexpr int kMainSkirtIndex = 10;
constexpr int kDrogueSkirtIndex = 3;

struct ChuteMesh {
    Vec3 build[kChuteRings][kChuteGores];  // written by the builders and the shift
    Vec3 drawn[kChuteRings][kChuteGores];  // written by orientChuteMesh
};

// The crown point of the profile carrier (part 19's first slot: radius in x,
// height in z) and the carrier's scale; (0, 0) and 1 without the part.
struct ChuteCarrier {
    float crownRadius = 0.0f;
    float crownHeight = 0.0f;
    float scale = 1.0f;
};
ChuteCarrier chuteCarrierOf(const PolyModel& m);

// Drogue inflation percent tau seconds after it fired: (tau^3 / 0.2^3) * 100
// + 5, tau not below 0, at most 100.
float drogueInflationPercent(double tau);

// Drogue mesh at an inflation percent for a drogue of diameter Dd: ring k+1
// has radius percent/100 * (Dd/2 / d3) * d_k and height (Dd/2 / d3) * 0.3 + 5
// - k * (1 - percent * 0.2/100) / 5; ring 0 is the carrier's crown.
void buildDrogueMesh(ChuteMesh& mesh, const ChuteCarrier& carrier, float percent, float drogueDiameterM);

// Main mesh at an inflation percent for a canopy of diameter D: ring k+1 has
// radius percent/100 * q_k (q the profile scaled so q10 = D/2) and height
// L + 0.8 - k * (5 - 0.9 * percent/100) / 12 (the drop shrunk to a fifth while
// the canopy is only just out), both times the carrier's scale; ring 0 is the
// carrier's crown at height L + 0.8. L is the line length.
void buildMainMesh(ChuteMesh& mesh, const ChuteCarrier& carrier, float percent, float diameterM,
                   float lineLengthM, bool justOut);

// The line length the main mesh hangs at: the package-to-pack distance,
// replaced by the nominal (D/2 / p10) * 10 when it exceeds that, is below
// -800, or once the lines have been stretched.
float mainLineLength(float packDistanceM, float diameterM, bool linesStretched);

// Main canopy percent from the radius it has reached: (radius + 0.2) capped
// at D/2, over D/2; 100 once fully open.
float mainInflationPercent(float trajectoryRadiusM, float diameterM, bool fullyOpen);

// build += (dx, dy, dz) for every point.
void shiftChuteMesh(ChuteMesh& mesh, float dx, float dy, float dz);
// drawn = pivot + R(build - (pivot + (0, 0, drop))), R by roll, pitch,
// heading as every body turn.
void orientChuteMesh(ChuteMesh& mesh, const Vec3& pivot, float pitchDeg, float rollDeg,
                     float headingDeg, float drop);

// Elevation of a direction with horizontal length h and vertical component v,
// as the chutes are pitched: a = atan(|v| / |h|) in degrees (h, v of exactly
// 0 taken as 0.00001); a when v < 0, 360 - a when v > 0, 0 when v is 0.
float elevationDeg(float h, float v);

// Pitch and heading that hang a chute along a direction (pointing from the
// chute toward its load): pitch = elevationDeg - 90, heading = azimuthDeg.
struct ChuteOrientation {
    float pitchDeg, headingDeg;
};
ChuteOrientation chuteOrientation(const Vec3& direction);
