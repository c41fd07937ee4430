// Looping beds: engine, wind and fire. Each is built from noise crossfaded
// into its own start plus parts that repeat a whole number of times per loop.
#include <cmath>

#include "tools/assetgen/snd_effects.h"

namespace {

// Sine whose frequency is rounded so the loop holds whole periods.
void addLoopTone(Signal& s, double hz, float amplitude, double phase0) {
    const double loopSeconds = (double)s.size() / kSoundRate;
    const double cycles = std::round(hz * loopSeconds);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += amplitude * (float)std::sin(2.0 * kPi * cycles * (double)i / (double)s.size() + phase0);
}

// A slow wobble that also repeats exactly once (or `times` times) per loop.
double loopWave(double t, double loopSeconds, int times) {
    return std::sin(2.0 * kPi * times * t / loopSeconds);
}

}  // namespace

Signal makeJetEngineLoop() {
    const double loopS = 3.0, fadeS = 0.5;
    const int loopN = secondsToSamples(loopS), fadeN = secondsToSamples(fadeS);
    NoiseSource noise(0x52A1E);
    Biquad roar, mid, hiss, rumble;
    roar.setLowPass(520.0, 0.7);
    mid.setBandPass(1500.0, 0.8);
    hiss.setHighPass(4200.0, 0.7);
    rumble.setLowPass(90.0, 0.9);
    Signal bed((size_t)(loopN + fadeN));
    for (size_t i = 0; i < bed.size(); ++i) {
        double t = (double)i / kSoundRate;
        float swell = 1.0f + 0.08f * (float)loopWave(t, loopS, 2);
        float n = noise.white();
        bed[i] = swell * (roar.process(n) * 1.0f + mid.process(n) * 0.45f + hiss.process(n) * 0.12f) +
                 rumble.process(noise.white()) * 1.4f;
    }
    Signal loop = crossfadeLoop(bed, loopN, fadeN);
    // Compressor whine: two close partials beat slowly, plus its octave.
    addLoopTone(loop, 2400.0, 0.030f, 0.0);
    addLoopTone(loop, 2401.0, 0.022f, 1.0);
    addLoopTone(loop, 4802.0, 0.010f, 2.0);
    addLoopTone(loop, 120.0, 0.040f, 0.5);
    normalizePeak(loop, 0.8f);
    return loop;
}

Signal makeWindLoop() {
    const double loopS = 4.0, fadeS = 0.6;
    const int loopN = secondsToSamples(loopS), fadeN = secondsToSamples(fadeS);
    NoiseSource noise(0xA11D);
    Biquad band, whistle, low;
    low.setLowPass(160.0, 0.7);
    Signal bed((size_t)(loopN + fadeN));
    for (size_t i = 0; i < bed.size(); ++i) {
        double t = (double)i / kSoundRate;
        double gust = 0.7 + 0.3 * loopWave(t, loopS, 1) * loopWave(t + 0.4, loopS, 3);
        band.setBandPass(520.0 + 260.0 * loopWave(t, loopS, 1) + 120.0 * loopWave(t, loopS, 3), 1.1);
        whistle.setBandPass(1250.0 + 180.0 * loopWave(t + 1.0, loopS, 2), 18.0);
        float n = noise.white();
        bed[i] = (float)gust * (band.process(n) + 0.5f * low.process(n) + 0.7f * whistle.process(n) * (float)gust);
    }
    Signal loop = crossfadeLoop(bed, loopN, fadeN);
    normalizePeak(loop, 0.75f);
    return loop;
}

Signal makeFireLoop() {
    const double loopS = 4.0, fadeS = 0.5;
    const int loopN = secondsToSamples(loopS), fadeN = secondsToSamples(fadeS);
    NoiseSource noise(0xF12E);
    Biquad roar, flame;
    roar.setLowPass(260.0, 0.7);
    flame.setBandPass(850.0, 0.7);
    Signal bed((size_t)(loopN + fadeN));
    for (size_t i = 0; i < bed.size(); ++i) {
        double t = (double)i / kSoundRate;
        float flicker = 0.8f + 0.2f * (float)(loopWave(t, loopS, 3) * loopWave(t, loopS, 5));
        float n = noise.white();
        bed[i] = flicker * (roar.process(n) * 1.3f + flame.process(n) * 0.35f);
    }
    Signal loop = crossfadeLoop(bed, loopN, fadeN);

    // Crackles: short bright bursts written round the loop (an index past the
    // end wraps to the start), so they never break the seam.
    const int crackles = 110;
    for (int c = 0; c < crackles; ++c) {
        size_t at = (size_t)(noise.uniform() * loopN);
        float size = noise.uniform();
        float level = 0.08f + 0.9f * size * size * size;
        double decay = 0.0006 + 0.002 * noise.uniform();
        bool pop = noise.uniform() < 0.2f;
        if (pop) decay *= 3.0;
        int length = secondsToSamples(decay * 7.0);
        double popHz = 500.0 + 900.0 * noise.uniform();
        for (int j = 0; j < length; ++j) {
            double t = (double)j / kSoundRate;
            float env = attackDecay(t, 0.00015, decay);
            float v = pop ? (float)std::sin(2.0 * kPi * popHz * t) : noise.white();
            loop[(at + (size_t)j) % (size_t)loopN] += level * env * v;
        }
    }
    normalizePeak(loop, 0.8f);
    return loop;
}
