#include "sim/dynamic_response.h"

#include <cmath>

const char* const kRiskLevelNames[kRiskLevelCount] = {"low", "moderate", "high"};

// The published model's parameters and its limits at low, moderate and high
// risk of injury.
const ResponseDirection kResponseDirections[kSeatAxisCount][2] = {
    {{62.8, 0.20, {35.0, 40.0, 46.0}}, {60.8, 0.04, {-28.0, -35.0, -46.0}}},
    {{58.0, 0.09, {14.0, 17.0, 22.0}}, {58.0, 0.09, {-14.0, -17.0, -22.0}}},
    {{kSpineOmega, kSpineDamping, {15.2, 18.0, 22.8}}, {47.1, 0.24, {-13.4, -16.5, -20.4}}},
};

double responseRatio(const ResponseMoment& m, int axis, int level) {
    const double up = m.plus[axis] / kResponseDirections[axis][0].limits[level];
    const double down = m.minus[axis] / kResponseDirections[axis][1].limits[level];
    return up > down ? up : down;
}

void leadingResponse(const ResponseMoment& m, int level, int& axis, int& direction) {
    double largest = -1.0;
    for (int a = 0; a < kSeatAxisCount; ++a) {
        for (int d = 0; d < 2; ++d) {
            const double r = (d == 0 ? m.plus[a] : m.minus[a]) / kResponseDirections[a][d].limits[level];
            if (r > largest) {
                largest = r;
                axis = a;
                direction = d;
            }
        }
    }
}

double responseBeta(const ResponseMoment& m, int level) {
    double sum = 0.0;
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        const double r = responseRatio(m, axis, level);
        sum += r * r;
    }
    return std::sqrt(sum);
}

namespace {

SpineModel model(int axis, int direction) {
    const ResponseDirection& d = kResponseDirections[axis][direction];
    return SpineModel(kResponseSubstepS, d.omega, d.damping);
}

}  // namespace

DynamicResponse::DynamicResponse()
    : models_{{model(0, 0), model(0, 1)}, {model(1, 0), model(1, 1)}, {model(2, 0), model(2, 1)}} {}

void DynamicResponse::look(double timeS, bool first) {
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        const double up = models_[axis][0].responseG(), down = models_[axis][1].responseG();
        moment_.plus[axis] = up > 0.0 ? up : 0.0;
        moment_.minus[axis] = down < 0.0 ? down : 0.0;
        ResponsePeak& high = peaks_.plus[axis];
        if (first || moment_.plus[axis] > high.value) high = ResponsePeak{moment_.plus[axis], timeS};
        ResponsePeak& low = peaks_.minus[axis];
        if (first || moment_.minus[axis] < low.value) low = ResponsePeak{moment_.minus[axis], timeS};
    }
    for (int level = 0; level < kRiskLevelCount; ++level) {
        const double beta = responseBeta(moment_, level);
        ResponsePeak& peak = peaks_.beta[level];
        if (first || beta > peak.value) {
            peak = ResponsePeak{beta, timeS};
            peaks_.betaMoment[level] = moment_;
        }
    }
}

void DynamicResponse::start(const double a[kSeatAxisCount], double timeS) {
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        models_[axis][0].settle(a[axis]);
        models_[axis][1].settle(a[axis]);
        previous_[axis] = a[axis];
    }
    look(timeS, true);
}

void DynamicResponse::next(const double a[kSeatAxisCount], double fromS, double intervalS, int substeps) {
    if (substeps < 1) substeps = 1;
    const double sub = intervalS / substeps;
    for (auto& axis : models_)
        for (SpineModel& m : axis)
            if (m.step() != sub) m.setStep(sub);
    double rise[kSeatAxisCount];
    for (int axis = 0; axis < kSeatAxisCount; ++axis) rise[axis] = a[axis] - previous_[axis];
    // As the spine's tracker: the input at the k-th step boundary, each step's
    // end value the next step's start value.
    double a0[kSeatAxisCount] = {previous_[0], previous_[1], previous_[2]};
    for (int k = 0; k < substeps; ++k) {
        for (int axis = 0; axis < kSeatAxisCount; ++axis) {
            const double a1 = previous_[axis] + rise[axis] * (k + 1) / substeps;
            models_[axis][0].advance(a0[axis], a1);
            models_[axis][1].advance(a0[axis], a1);
            a0[axis] = a1;
        }
        look(fromS + (k + 1) * sub, false);
    }
    for (int axis = 0; axis < kSeatAxisCount; ++axis) previous_[axis] = a[axis];
}

int responseSubsteps(double intervalS) {
    if (!(intervalS > 0.0)) return 1;
    // A hair below the quotient, so a millisecond takes four, not five.
    const double n = std::ceil(intervalS / kResponseSubstepS * (1.0 - 1e-9));
    return n < 1.0 ? 1 : (n > 4000.0 ? 4000 : (int)n);
}
