#include "sim/spine_model.h"

#include <cmath>

// Exact solution over one step: with the input a0 + s t the response is the
// particular part A + B t (B = s / w^2, A = a0 / w^2 - 2 z s / w^3) plus a
// free damped oscillation, which the step's decay, cosine and sine carry.
// The products of omega and the damping the steps use, formed once in the
// order the step's formulas form them, so the results keep their bits.
SpineModel::SpineModel(double stepS, double omega, double damping)
    : omega_(omega), damping_(damping), omega2_(omega * omega), omega3_(omega * omega * omega),
      twoDamping_(2.0 * damping), dampingOmega_(damping * omega) {
    setStep(stepS);
}

void SpineModel::setStep(double stepS) {
    h_ = stepS;
    dampedOmega_ = omega_ * std::sqrt(1.0 - damping_ * damping_);
    decay_ = std::exp(-damping_ * omega_ * h_);
    cosine_ = std::cos(dampedOmega_ * h_);
    sine_ = std::sin(dampedOmega_ * h_);
}

void SpineModel::settle(double a) {
    x_ = a / omega2_;
    v_ = 0.0;
}

void SpineModel::advance(double a0, double a1) {
    const double slope = (a1 - a0) / h_;
    const double B = slope / omega2_;
    const double A = a0 / omega2_ - twoDamping_ * slope / omega3_;
    const double e0 = x_ - A, de0 = v_ - B;
    const double k = (de0 + dampingOmega_ * e0) / dampedOmega_;
    const double c = e0 * cosine_ + k * sine_;
    const double e1 = decay_ * c;
    const double de1 = decay_ * (-dampingOmega_ * c + dampedOmega_ * (k * cosine_ - e0 * sine_));
    x_ = e1 + A + B * h_;
    v_ = de1 + B;
}

DriTracker::DriTracker(double sampleStepS, int substeps)
    : model_(sampleStepS / (substeps > 0 ? substeps : 1)), sampleStep_(sampleStepS),
      substeps_(substeps > 0 ? substeps : 1) {}

void DriTracker::start(double firstSample, double timeS) {
    model_.settle(firstSample);
    previous_ = firstSample;
    startTime_ = timeS;
    samples_ = 0;
    peak_.dri = model_.responseG();
    peak_.timeS = timeS;
    peakCompression_ = model_.compression();
}

double DriTracker::next(double sample) {
    const double sub = sampleStep_ / substeps_;
    const double from = startTime_ + samples_ * sampleStep_;
    // The input at the k-th step boundary; each step's end value is the next
    // step's start value.
    const double rise = sample - previous_;
    auto inputAt = [&](int k) { return previous_ + rise * k / substeps_; };
    double a0 = inputAt(0);
    for (int k = 0; k < substeps_; ++k) {
        const double a1 = inputAt(k + 1);
        model_.advance(a0, a1);
        a0 = a1;
        // The response grows with the compression (a positive factor, and
        // rounding keeps the order), so only a compression beyond the peak's
        // can make a new peak: the division is left out for all others.
        const double x = model_.compression();
        if (x > peakCompression_) {
            const double r = model_.responseG();
            if (r > peak_.dri) {
                peak_.dri = r;
                peak_.timeS = from + (k + 1) * sub;
                peakCompression_ = x;
            }
        }
    }
    previous_ = sample;
    ++samples_;
    return model_.responseG();
}

DriPeak driOfSamples(const double* samples, long count, double sampleStepS, int substeps) {
    DriTracker tracker(sampleStepS, substeps);
    if (count <= 0) return DriPeak();
    tracker.start(samples[0], 0.0);
    for (long i = 1; i < count; ++i) tracker.next(samples[i]);
    return tracker.peak();
}
