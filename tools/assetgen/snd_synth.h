// Small synthesis kit for the generated sound effects: seeded noise, simple
// filters, envelopes and the loop crossfade. Everything is deterministic: the
// same seed gives the same samples on every run and machine.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSoundRate = 22050;  // Hz; every generated file uses it
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

inline int secondsToSamples(double s) { return (int)(s * kSoundRate + 0.5); }

// xorshift32 noise source; never seeded from the clock.
class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    float white() { return (float)((next() >> 8) * (2.0 / 16777216.0) - 1.0); }  // -1 .. 1
    float uniform() { return (float)((next() >> 8) * (1.0 / 16777216.0)); }      // 0 .. 1

private:
    uint32_t state_;
};

// One-pole low-pass; cutoff may change per sample.
class OnePoleLowPass {
public:
    float process(float x, double cutoffHz);
    float y = 0.0f;
};

// RBJ biquad (band-pass with constant peak gain, low-pass, high-pass).
class Biquad {
public:
    void setBandPass(double centreHz, double q);
    void setLowPass(double cutoffHz, double q);
    void setHighPass(double cutoffHz, double q);
    float process(float x);

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Attack-decay envelope: linear rise over attack seconds, then exponential
// decay with the given time constant. t is seconds since the onset.
float attackDecay(double t, double attack, double decay);

// Smooth 0..1 ramp (raised cosine) between t0 and t1.
float smoothRamp(double t, double t0, double t1);

// Adds `from` into `into` starting at sample `at`, scaled; clipped to `into`.
void mixInto(Signal& into, const Signal& from, int at, float gain);

// Makes a loop of `loopLength` samples from a source of at least loopLength +
// fadeLength samples: the source's tail beyond the loop is crossfaded into the
// loop's start with equal-power weights (for uncorrelated noise), so the last
// sample runs straight into the first.
Signal crossfadeLoop(const Signal& source, int loopLength, int fadeLength);

// Fades the last `seconds` of the signal smoothly to silence, so a piece cut
// to length never ends in a click.
void fadeOut(Signal& s, double seconds);

// Scales so the largest magnitude is `peak` (0..1); a silent signal stays.
void normalizePeak(Signal& s, float peak);

// Short feedback echo (a room or distance impression).
void addEcho(Signal& s, double delaySeconds, float feedback, int repeats);
