#include "tools/assetgen/snd_synth.h"

#include <algorithm>
#include <cmath>

float OnePoleLowPass::process(float x, double cutoffHz) {
    double a = 1.0 - std::exp(-2.0 * kPi * cutoffHz / kSoundRate);
    y += (float)(a * (x - y));
    return y;
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::setBandPass(double centreHz, double q) {
    double w = 2.0 * kPi * centreHz / kSoundRate;
    double alpha = std::sin(w) / (2.0 * q);
    set(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w), 1.0 - alpha);
}

void Biquad::setLowPass(double cutoffHz, double q) {
    double w = 2.0 * kPi * cutoffHz / kSoundRate;
    double alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
    set((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setHighPass(double cutoffHz, double q) {
    double w = 2.0 * kPi * cutoffHz / kSoundRate;
    double alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
    set((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

float Biquad::process(float x) {
    double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return (float)y;
}

float attackDecay(double t, double attack, double decay) {
    if (t < 0.0) return 0.0f;
    if (t < attack) return (float)(t / attack);
    return (float)std::exp(-(t - attack) / decay);
}

float smoothRamp(double t, double t0, double t1) {
    if (t <= t0) return 0.0f;
    if (t >= t1) return 1.0f;
    return (float)(0.5 - 0.5 * std::cos(kPi * (t - t0) / (t1 - t0)));
}

void mixInto(Signal& into, const Signal& from, int at, float gain) {
    for (size_t i = 0; i < from.size(); ++i) {
        long j = (long)at + (long)i;
        if (j < 0) continue;
        if ((size_t)j >= into.size()) break;
        into[(size_t)j] += from[i] * gain;
    }
}

Signal crossfadeLoop(const Signal& source, int loopLength, int fadeLength) {
    Signal loop(source.begin(), source.begin() + loopLength);
    for (int i = 0; i < fadeLength; ++i) {
        double w = (i + 0.5) / fadeLength * (kPi / 2.0);
        // Sample i of the loop follows sample loopLength - 1, exactly as
        // source[loopLength + i] did; fade that continuation out over the fade.
        loop[(size_t)i] = (float)(source[(size_t)i] * std::sin(w) + source[(size_t)(loopLength + i)] * std::cos(w));
    }
    return loop;
}

void fadeOut(Signal& s, double seconds) {
    const size_t n = std::min(s.size(), (size_t)secondsToSamples(seconds));
    const size_t first = s.size() - n;
    for (size_t i = first; i < s.size(); ++i)
        s[i] *= 1.0f - smoothRamp((double)(i - first + 1), 0.0, (double)n);
}

void normalizePeak(Signal& s, float peak) {
    float m = 0.0f;
    for (float v : s) m = std::max(m, std::fabs(v));
    if (m <= 0.0f) return;
    float k = peak / m;
    for (float& v : s) v *= k;
}

void addEcho(Signal& s, double delaySeconds, float feedback, int repeats) {
    int d = secondsToSamples(delaySeconds);
    if (d <= 0) return;
    Signal dry = s;
    float g = feedback;
    for (int r = 1; r <= repeats; ++r, g *= feedback) mixInto(s, dry, d * r, g);
}
