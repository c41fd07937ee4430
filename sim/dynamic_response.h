// The dynamic response model of the whole body in the seat: one spring-damper
// per seat axis and direction, each driven by the specific force along its
// axis (what a three-axis accelerometer in the seat pan reads), each with its
// own natural frequency, damping and limits at three levels of injury risk.
// DR = omega^2 * deflection / g, as the spine's DRI; beta combines the axes.
#pragma once

#include "sim/spine_model.h"

// The seat's axes: x forward (the way the pilot faces), y to his left, z up
// the spine.
enum SeatAxis { kSeatX, kSeatY, kSeatZ, kSeatAxisCount };

enum RiskLevel { kRiskLow, kRiskModerate, kRiskHigh, kRiskLevelCount };
extern const char* const kRiskLevelNames[kRiskLevelCount];  // "low", "moderate", "high"

struct ResponseDirection {
    double omega;                      // natural frequency, rad/s
    double damping;                    // damping ratio
    double limits[kRiskLevelCount];    // DR at each level; negative for a negative direction
};

// Index 0 the positive direction (eyeballs in, to the left, eyeballs down),
// 1 the negative one. The positive z direction is the spine's DRI model.
extern const ResponseDirection kResponseDirections[kSeatAxisCount][2];

// The responses at one moment: DR+ is the positive model's response where it
// is above 0 (else 0), DR- the negative model's where it is below 0 (else 0).
struct ResponseMoment {
    double plus[kSeatAxisCount] = {};
    double minus[kSeatAxisCount] = {};
};

// The axis's share of the risk at a level: the larger of DR+ / L+ and
// DR- / L- (both at least 0).
double responseRatio(const ResponseMoment& m, int axis, int level);
// beta: the root of the sum of the squares of the three axes' ratios.
double responseBeta(const ResponseMoment& m, int level);

struct ResponsePeak {
    double value = 0.0;
    double timeS = 0.0;
};

struct ResponsePeaks {
    ResponsePeak plus[kSeatAxisCount];    // the largest DR+
    ResponsePeak minus[kSeatAxisCount];   // the most negative DR-
    ResponsePeak beta[kRiskLevelCount];   // the largest beta of each level
    ResponseMoment betaMoment[kRiskLevelCount];   // the responses at those moments
};

// The axis and direction (0 positive, 1 negative) with the largest ratio at
// a level: the one that sets beta at that moment.
void leadingResponse(const ResponseMoment& m, int level, int& axis, int& direction);

// Runs the six models over an input given sample by sample (m/s^2 along the
// seat's axes), linear between samples, and keeps the peaks. The samples may
// come at any spacing; each interval is stepped exactly in equal substeps,
// at whose ends the peaks are looked for.
class DynamicResponse {
public:
    DynamicResponse();
    // At rest in static equilibrium under the first sample, at timeS.
    void start(const double a[kSeatAxisCount], double timeS);
    // The next sample, reached over [fromS, fromS + intervalS] in `substeps`
    // exact steps (at least 1).
    void next(const double a[kSeatAxisCount], double fromS, double intervalS, int substeps);

    const ResponseMoment& moment() const { return moment_; }
    const ResponsePeaks& peaks() const { return peaks_; }
    // A model's response now, not cut at 0: the models are linear, so the
    // responses to the parts of an input add up to the response to it.
    double response(int axis, int direction) const { return models_[axis][direction].responseG(); }

private:
    void look(double timeS, bool first);

    SpineModel models_[kSeatAxisCount][2];
    double previous_[kSeatAxisCount] = {};
    ResponseMoment moment_;
    ResponsePeaks peaks_;
};

// Substeps no longer than this find a peak between samples to well within
// 0.1 % (the run's millisecond samples take four).
constexpr double kResponseSubstepS = 0.00025;

// Substeps for an interval of that length: enough to keep each within
// kResponseSubstepS, at most 4000 (a long gap of a trace is quasi-static).
int responseSubsteps(double intervalS);
