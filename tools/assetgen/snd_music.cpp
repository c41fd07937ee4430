// The closing tune and the little jingle: additive voices with their own
// envelopes, a chord pad and a bass line, mixed with a soft echo.
#include <cmath>

#include "tools/assetgen/snd_effects.h"

namespace {

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Mallet-like lead: bright at the strike, the upper partials dying first.
Signal malletNote(double hz, double seconds) {
    Signal s((size_t)secondsToSamples(seconds + 0.8));
    const double partial[4] = {1.0, 2.0, 3.0, 4.02};
    const float level[4] = {1.0f, 0.42f, 0.18f, 0.08f};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float release = 1.0f - smoothRamp(t, seconds, seconds + 0.8);
        float v = 0.0f;
        for (int k = 0; k < 4; ++k)
            v += level[k] * attackDecay(t, 0.004, 0.55 / (k + 1)) * (float)std::sin(2.0 * kPi * hz * partial[k] * t);
        s[i] = v * release;
    }
    return s;
}

// Soft pad: two slightly detuned oscillators, slow attack and release.
Signal padNote(double hz, double seconds) {
    Signal s((size_t)secondsToSamples(seconds + 0.5));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float env = smoothRamp(t, 0.0, 0.15) * (1.0f - smoothRamp(t, seconds, seconds + 0.5));
        double a = 2.0 * kPi * hz * 0.9985 * t, b = 2.0 * kPi * hz * 1.0015 * t;
        s[i] = env * (float)(std::sin(a) + std::sin(b) + 0.25 * std::sin(2.0 * a)) * 0.5f;
    }
    return s;
}

// Plucked bass: quick attack, a decay that carries through the beat.
Signal bassNote(double hz, double seconds) {
    Signal s((size_t)secondsToSamples(seconds + 0.2));
    for (size_t i = 0; i < s.size(); ++i) {
        double t = (double)i / kSoundRate;
        float env = attackDecay(t, 0.006, 0.45) * (1.0f - smoothRamp(t, seconds, seconds + 0.2));
        double p = 2.0 * kPi * hz * t;
        s[i] = env * (float)(std::sin(p) + 0.3 * std::sin(2.0 * p));
    }
    return s;
}

struct Note {
    int midi;
    double beat, beats;
};

}  // namespace

Signal makeClosingTune() {
    const double beatS = 0.4;
    // C - Am - F - G - C, one bar of four beats each; the last chord rings.
    const int chords[5][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {48, 55, 64}};
    const int roots[5] = {36, 33, 29, 31, 36};
    const Note melody[] = {
        {64, 0, 1}, {67, 1, 1}, {72, 2, 1}, {76, 3, 1},      // C: climbing the chord
        {74, 4, 1}, {72, 5, 1}, {69, 6, 1}, {72, 7, 1},      // Am
        {69, 8, 1}, {72, 9, 1}, {77, 10, 1.5}, {76, 11.5, 0.5},  // F
        {74, 12, 1}, {71, 13, 1}, {67, 14, 1}, {71, 15, 1},  // G: leading back home
        {72, 16, 4},                                         // C
    };
    Signal s((size_t)secondsToSamples(20 * beatS + 1.6));
    for (int bar = 0; bar < 5; ++bar) {
        double barStart = bar * 4 * beatS;
        double held = bar == 4 ? 4 * beatS + 0.6 : 4 * beatS;
        for (int k = 0; k < 3; ++k) mixInto(s, padNote(midiHz(chords[bar][k]), held), secondsToSamples(barStart), 0.09f);
        for (int beat = 0; beat < 4; beat += 2) {
            double len = bar == 4 && beat == 0 ? 4 * beatS : 2 * beatS;
            mixInto(s, bassNote(midiHz(roots[bar]), len), secondsToSamples(barStart + beat * beatS), 0.32f);
            if (bar == 4) break;
        }
    }
    for (const Note& n : melody)
        mixInto(s, malletNote(midiHz(n.midi), n.beats * beatS), secondsToSamples(n.beat * beatS), 0.38f);
    addEcho(s, 0.3, 0.25f, 3);
    // Everything has faded by the end of the file.
    const double total = (double)s.size() / kSoundRate;
    for (size_t i = 0; i < s.size(); ++i) s[i] *= 1.0f - smoothRamp((double)i / kSoundRate, total - 0.6, total);
    normalizePeak(s, 0.85f);
    return s;
}

Signal makeJingle() {
    // A bright rising arpeggio ending on a shimmering chord.
    Signal s((size_t)secondsToSamples(2.0));
    const int notes[4] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k) mixInto(s, malletNote(midiHz(notes[k]), 0.14), secondsToSamples(0.05 + 0.13 * k), 0.5f);
    for (int k = 0; k < 3; ++k) mixInto(s, malletNote(midiHz(notes[k + 1]), 0.6), secondsToSamples(0.62), 0.35f);
    addEcho(s, 0.18, 0.25f, 2);
    for (size_t i = 0; i < s.size(); ++i) s[i] *= 1.0f - smoothRamp((double)i / kSoundRate, 1.6, 2.0);
    normalizePeak(s, 0.8f);
    return s;
}
