// Small effects: the distant dog, the menu click, a whine and a whoosh.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/snd_effects.h"

namespace {

// One bark: a buzzy voice falling in pitch, shaped by three mouth
// resonances, with a breathy edge. `pitch` scales the voice.
Signal makeBark(uint32_t seed, double seconds, double pitch) {
    NoiseSource noise(seed);
    Signal voice((size_t)secondsToSamples(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < voice.size(); ++i) {
        double t = (double)i / kSoundRate;
        double u = t / seconds;
        double f0 = pitch * (430.0 + 140.0 * std::sin(kPi * std::min(u * 2.5, 1.0)) - 180.0 * u);
        phase += f0 / kSoundRate;
        phase -= std::floor(phase);
        double saw = 0.0;  // band-limited sawtooth up to ~7 kHz
        for (int k = 1; k * f0 < 7000.0; ++k) saw += std::sin(2.0 * kPi * k * phase) / k;
        float env = smoothRamp(t, 0.0, 0.012) * (float)std::exp(-std::max(0.0, t - 0.03) / (seconds * 0.28));
        voice[i] = env * ((float)saw * 0.6f + noise.white() * 0.5f);
    }
    fadeOut(voice, 0.04);
    Signal out(voice.size());
    const double formant[3] = {750.0, 1650.0, 2900.0};
    const float gain[3] = {1.0f, 0.7f, 0.35f};
    for (int k = 0; k < 3; ++k) {
        Biquad f;
        f.setBandPass(formant[k] * (0.9 + 0.1 * pitch), 5.0);
        for (size_t i = 0; i < voice.size(); ++i) out[i] += gain[k] * f.process(voice[i]);
    }
    return out;
}

}  // namespace

Signal makeDogBarks() {
    Signal s((size_t)secondsToSamples(1.9));
    // "Woof woof ... woof": two quick barks, a pause, a third.
    mixInto(s, makeBark(0xD061, 0.17, 1.0), secondsToSamples(0.05), 1.0f);
    mixInto(s, makeBark(0xD062, 0.15, 1.06), secondsToSamples(0.36), 0.9f);
    mixInto(s, makeBark(0xD063, 0.19, 0.96), secondsToSamples(1.05), 1.0f);
    // Heard from afar: the top end goes and a faint echo comes back.
    Biquad distance;
    distance.setLowPass(3600.0, 0.7);
    for (float& v : s) v = distance.process(v);
    addEcho(s, 0.23, 0.14f, 2);
    normalizePeak(s, 0.7f);
    return s;
}

Signal makeMenuClick() {
    Signal s((size_t)secondsToSamples(0.06));
    NoiseSource noise(0xC11C);
    const int at = secondsToSamples(0.001);
    for (size_t i = (size_t)at; i < s.size(); ++i) {
        double t = (double)(i - (size_t)at) / kSoundRate;
        float tick = (float)std::sin(2.0 * kPi * 2300.0 * t) * attackDecay(t, 0.0002, 0.004);
        float body = (float)std::sin(2.0 * kPi * 950.0 * t) * attackDecay(t, 0.0005, 0.009);
        float edge = noise.white() * attackDecay(t, 0.0001, 0.0008);
        s[i] = tick + 0.5f * body + 0.6f * edge;
    }
    normalizePeak(s, 0.6f);
    return s;
}

Signal makeWhine() {
    // A gyro or servo spinning up and down again: a thin rising tone.
    const double seconds = 1.6;
    Signal s((size_t)secondsToSamples(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        double rise = smoothRamp(t, 0.0, 1.1);
        double hz = 320.0 * std::pow(6.0, rise) * (1.0 + 0.004 * std::sin(2.0 * kPi * 6.0 * t));
        phase += 2.0 * kPi * hz / kSoundRate;
        float env = smoothRamp(t, 0.0, 0.08) * (1.0f - smoothRamp(t, seconds - 0.35, seconds));
        s[i] = env * (float)(std::sin(phase) + 0.25 * std::sin(2.0 * phase) + 0.1 * std::sin(3.0 * phase));
    }
    normalizePeak(s, 0.6f);
    return s;
}

Signal makeWhoosh() {
    // Something large passing close by: noise sweeping up and back down.
    const double seconds = 1.3;
    Signal s((size_t)secondsToSamples(seconds));
    NoiseSource noise(0x3005);
    Biquad band;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        double u = t / seconds;
        double bell = std::exp(-std::pow((u - 0.45) / 0.18, 2.0));
        band.setBandPass(250.0 + 1800.0 * bell, 1.4);
        s[i] = (float)bell * band.process(noise.white());
    }
    normalizePeak(s, 0.75f);
    return s;
}
