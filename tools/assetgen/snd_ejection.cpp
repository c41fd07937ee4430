// Ejection, parachute and crash effects. The sequence sounds keep everything
// before the bang well below it, so the bang is the one clear onset.
#include <cmath>

#include "tools/assetgen/snd_effects.h"
#include "tools/assetgen/snd_pieces.h"

namespace {

// The seat's firing as heard from outside: cartridge bang, rocket roar from
// 0.2 s (end of the catapult stroke) and the air rush of the departing seat.
Signal makeSeatFiring(uint32_t seed, double tailSeconds) {
    Signal s((size_t)secondsToSamples(tailSeconds));
    mixInto(s, makeCartridgeBang(seed, 0.9, 95.0), 0, 1.0f);
    mixInto(s, makeRocketRoar(seed + 1, 0.25, 0.12), secondsToSamples(0.2), 0.75f);
    mixInto(s, makeAirRush(seed + 2, 0.25, 0.6, 650.0), secondsToSamples(0.15), 0.35f);
    fadeOut(s, 0.4);
    return s;
}

// Cockpit count-down: a two-tone warning, one beep pair a second.
void addWarningBeeps(Signal& s, double from, double until, float level) {
    for (double start = from; start + 0.4 < until; start += 1.0) {
        for (int half = 0; half < 2; ++half) {
            double t0 = start + half * 0.25;
            double hz = half == 0 ? 880.0 : 660.0;
            int first = secondsToSamples(t0), count = secondsToSamples(0.2);
            for (int j = 0; j < count && (size_t)(first + j) < s.size(); ++j) {
                double t = (double)j / kSoundRate;
                float env = smoothRamp(t, 0.0, 0.01) * (1.0f - smoothRamp(t, 0.17, 0.2));
                float v = (float)(std::sin(2.0 * kPi * hz * t) + 0.3 * std::sin(2.0 * kPi * 3.0 * hz * t));
                s[(size_t)(first + j)] += level * env * v;
            }
        }
    }
}

// Canopy jettison: a small pop and the canopy rocket's short hiss.
Signal makeCanopyPop(uint32_t seed) {
    Signal s((size_t)secondsToSamples(1.2));
    mixInto(s, makeCartridgeBang(seed, 0.4, 160.0), 0, 0.6f);
    mixInto(s, makeRocketRoar(seed + 1, 0.2, 0.08), secondsToSamples(0.01), 0.45f);
    mixInto(s, makeAirRush(seed + 2, 0.15, 0.35, 900.0), secondsToSamples(0.05), 0.3f);
    fadeOut(s, 0.3);
    return s;
}

}  // namespace

Signal makeEjectionLong() {
    const double bang = kEjectionLongBangS;
    Signal s((size_t)secondsToSamples(bang + 2.6));
    NoiseSource noise(0xE1EC7);
    Biquad cabin;
    cabin.setBandPass(420.0, 0.7);
    // Lead-in: cockpit airflow growing through the count-down under the beeps.
    for (int i = 0; i < secondsToSamples(bang + 0.2); ++i) {
        double t = (double)i / kSoundRate;
        float level = 0.03f + 0.07f * smoothRamp(t, 0.0, bang);
        s[(size_t)i] = level * cabin.process(noise.white()) * 2.5f * (1.0f - smoothRamp(t, bang, bang + 0.2));
    }
    addWarningBeeps(s, 0.2, bang - 0.5, 0.1f);
    mixInto(s, makeCanopyPop(0xCA0), secondsToSamples(bang - 0.3), 0.25f);
    mixInto(s, makeSeatFiring(0x5EA7, 2.6), secondsToSamples(bang), 1.0f);
    normalizePeak(s, 0.9f);
    return s;
}

Signal makeEjectionShort() {
    const double bang = kEjectionShortBangS;
    Signal s((size_t)secondsToSamples(bang + 2.2));
    // Lead-in: the canopy leaving and the airflow surging into the cockpit.
    mixInto(s, makeCanopyPop(0xCA1), secondsToSamples(0.08), 0.22f);
    mixInto(s, makeAirRush(0xA1B, bang - 0.1, 0.25, 500.0), secondsToSamples(0.1), 0.12f);
    mixInto(s, makeSeatFiring(0x5EA8, 2.2), secondsToSamples(bang), 1.0f);
    normalizePeak(s, 0.9f);
    return s;
}

Signal makeCatapultFiring() {
    Signal s((size_t)secondsToSamples(1.6));
    const int at = secondsToSamples(0.01);
    mixInto(s, makeCartridgeBang(0xCA7A, 1.0, 80.0), at, 1.0f);
    // The rails ring briefly as the seat is driven up them.
    const double ring[3] = {1180.0, 2310.0, 3470.0};
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < secondsToSamples(0.5); ++i) {
            double t = (double)i / kSoundRate;
            s[(size_t)(at + i)] += 0.12f / (k + 1) * attackDecay(t, 0.002, 0.09) * (float)std::sin(2.0 * kPi * ring[k] * t);
        }
    mixInto(s, makeRocketRoar(0xCA7B, 0.25, 0.12), secondsToSamples(0.1), 0.6f);
    mixInto(s, makeAirRush(0xCA7C, 0.2, 0.4, 700.0), secondsToSamples(0.1), 0.3f);
    normalizePeak(s, 0.9f);
    return s;
}

Signal makeCanopyJettison() {
    Signal s((size_t)secondsToSamples(1.4));
    mixInto(s, makeCanopyPop(0xCA2), secondsToSamples(0.01), 1.0f);
    normalizePeak(s, 0.85f);
    return s;
}

Signal makeParachuteOpening() {
    Signal s((size_t)secondsToSamples(kChuteSnapS + 1.4));
    NoiseSource noise(0xC407E);
    Biquad whoosh, flutter;
    flutter.setBandPass(260.0, 1.5);
    const int snap = secondsToSamples(kChuteSnapS);
    double flapPhase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float n = noise.white();
        if ((int)i < snap) {
            // Pack streaming out: a whoosh rising in pitch and level.
            double u = t / kChuteSnapS;
            whoosh.setBandPass(300.0 + 1200.0 * u * u, 1.2);
            s[i] = 0.45f * (float)(u * u) * whoosh.process(n) * 1.6f;
        } else {
            // Canopy fabric flapping, slower and softer as it settles.
            double ts = t - kChuteSnapS;
            flapPhase += 2.0 * kPi * (8.0 + 12.0 * std::exp(-ts / 0.4)) / kSoundRate;
            float flap = 0.5f + 0.5f * (float)std::sin(flapPhase);
            s[i] = 0.5f * (float)std::exp(-ts / 0.3) * flap * flutter.process(n) * 2.0f;
        }
    }
    // The snap of the canopy filling: a crack and a dull thump.
    Signal crack = makeCartridgeBang(0xC407F, 0.5, 70.0);
    mixInto(s, crack, snap, 0.8f);
    fadeOut(s, 0.3);
    normalizePeak(s, 0.85f);
    return s;
}

Signal makeCrashBoom() {
    Signal s((size_t)secondsToSamples(4.0));
    NoiseSource noise(0xB00B);
    OnePoleLowPass blast, rumble;
    const int at = secondsToSamples(0.02);
    double phase = 0.0;
    for (size_t i = (size_t)at; i < s.size(); ++i) {
        double t = (double)(i - (size_t)at) / kSoundRate;
        double cutoff = 180.0 + 6000.0 * std::exp(-t / 0.12);
        float body = blast.process(noise.white(), cutoff) * 2.2f * attackDecay(t, 0.002, 0.55);
        float tail = rumble.process(noise.white(), 120.0) * 6.0f * attackDecay(t, 0.05, 1.1);
        phase += 2.0 * kPi * (28.0 + 40.0 * std::exp(-t / 0.15)) / kSoundRate;
        float thump = (float)std::sin(phase) * attackDecay(t, 0.003, 0.4);
        s[i] = body + tail + 0.9f * thump;
    }
    // Debris: scattered bangs and clatter in the first two seconds.
    for (int k = 0; k < 14; ++k) {
        double when = 0.15 + 1.9 * noise.uniform();
        float level = 0.1f + 0.25f * noise.uniform();
        mixInto(s, makeCartridgeBang(0xDEB0 + k, 0.25, 120.0 + 200.0 * noise.uniform()), secondsToSamples(when), level);
    }
    addEcho(s, 0.33, 0.28f, 3);
    normalizePeak(s, 0.92f);
    return s;
}
