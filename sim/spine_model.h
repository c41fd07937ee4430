// The spine as a single spring-damper driven by the seat's acceleration along
// the spinal axis: the model behind the Dynamic Response Index, the standard
// spinal-injury figure of ejection seats. DRI = omega^2 * largest
// compression / g.
#pragma once

constexpr double kSpineOmega = 52.9;        // natural frequency, rad/s
constexpr double kSpineDamping = 0.224;     // damping ratio
constexpr double kDriGravity = 9.80665;     // the g of this index
constexpr double kDriLimit = 18.0;          // limit of the ejection-seat standard

// Steps a spring-damper exactly over a step of fixed length during which
// the input (m/s^2) changes linearly; the step's constants are computed once
// for each step length. The spine's natural frequency and damping unless
// others are given (the other axes of the dynamic response model).
class SpineModel {
public:
    explicit SpineModel(double stepS, double omega = kSpineOmega, double damping = kSpineDamping);
    // A new step length (a measured trace need not be evenly sampled).
    void setStep(double stepS);
    double step() const { return h_; }

    // At rest in static equilibrium under the input a (m/s^2).
    void settle(double a);
    // One step with the input going linearly from a0 to a1.
    void advance(double a0, double a1);

    double compression() const { return x_; }
    // omega^2 * compression / g: the response in g, whose peak is the DRI.
    double responseG() const { return omega2_ * x_ / kDriGravity; }

private:
    double omega_, damping_;
    double omega2_, omega3_, twoDamping_, dampingOmega_;
    double h_ = 0.0, decay_ = 0.0, cosine_ = 0.0, sine_ = 0.0, dampedOmega_ = 0.0;
    double x_ = 0.0, v_ = 0.0;
};

struct DriPeak {
    double dri = 0.0;
    double timeS = 0.0;
};

// Follows the largest response of an input given as samples (m/s^2) taken
// every sampleStepS seconds, linear between them, each sample interval
// divided into `substeps` exact steps. The first sample sets the resting
// equilibrium.
class DriTracker {
public:
    DriTracker(double sampleStepS, int substeps);
    void start(double firstSample, double timeS);
    // The next sample; returns the response (g) at its time.
    double next(double sample);
    const DriPeak& peak() const { return peak_; }

private:
    SpineModel model_;
    double sampleStep_;
    int substeps_;
    double previous_ = 0.0, startTime_ = 0.0;
    long samples_ = 0;
    DriPeak peak_;
    double peakCompression_ = 0.0;   // the compression at the peak
};

// The DRI of a whole sampled input (convenience for a series held in memory).
DriPeak driOfSamples(const double* samples, long count, double sampleStepS, int substeps);
