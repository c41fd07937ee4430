#include "tools/assetgen/snd_pieces.h"

#include <cmath>

Signal makeCartridgeBang(uint32_t seed, double seconds, double thumpHz) {
    NoiseSource noise(seed);
    Signal s((size_t)secondsToSamples(seconds));
    OnePoleLowPass crackTone;
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float crackEnv = attackDecay(t, 0.0004, 0.045);
        double cutoff = 600.0 + 9000.0 * std::exp(-t / 0.03);
        float crack = crackTone.process(noise.white(), cutoff) * 1.6f * crackEnv;
        double f = thumpHz * (0.45 + 0.55 * std::exp(-t / 0.08));
        phase += 2.0 * kPi * f / kSoundRate;
        float thump = (float)std::sin(phase) * attackDecay(t, 0.001, 0.16);
        s[i] = crack + 0.9f * thump;
    }
    fadeOut(s, seconds * 0.25);
    return s;
}

Signal makeRocketRoar(uint32_t seed, double burnSeconds, double releaseSeconds) {
    NoiseSource noise(seed);
    Signal s((size_t)secondsToSamples(burnSeconds + releaseSeconds * 5.0));
    Biquad body, hiss;
    body.setLowPass(1400.0, 0.8);
    hiss.setBandPass(3200.0, 0.9);
    OnePoleLowPass flutter;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float env = smoothRamp(t, 0.0, 0.02);
        if (t > burnSeconds) env *= (float)std::exp(-(t - burnSeconds) / releaseSeconds);
        // Uneven burning: the level wanders by a few tens of percent.
        float rough = 1.0f + 0.6f * flutter.process(noise.white(), 35.0) * 6.0f;
        float n = noise.white();
        s[i] = env * rough * (body.process(n) * 1.2f + hiss.process(n) * 0.5f);
    }
    fadeOut(s, releaseSeconds);
    return s;
}

Signal makeAirRush(uint32_t seed, double riseSeconds, double fallSeconds, double centreHz) {
    NoiseSource noise(seed);
    Signal s((size_t)secondsToSamples(riseSeconds + fallSeconds * 4.0));
    Biquad band, low;
    low.setLowPass(centreHz * 0.4, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float env = t < riseSeconds ? smoothRamp(t, 0.0, riseSeconds)
                                    : (float)std::exp(-(t - riseSeconds) / fallSeconds);
        band.setBandPass(centreHz * (0.8 + 0.3 * env), 0.9);
        float n = noise.white();
        s[i] = env * (band.process(n) + 0.6f * low.process(n));
    }
    fadeOut(s, fallSeconds);
    return s;
}
