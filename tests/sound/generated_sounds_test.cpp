// The fifteen generated sound files, read back through the chunk walk the
// sound loader uses: all load as 16-bit PCM, the ejection-sequence bangs sit
// where the events expect them, and the loops join without a click.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "sound/wav_file.h"

namespace {

const char* const kSoundNames[15] = {"rafale.wav", "boom1.wav",  "ejectsnd1.wav",  "zizi.wav",   "ejecting.wav",
                                     "wind.wav",   "chute_open.wav", "canopy.wav", "dog.wav",    "eject_r.wav",
                                     "click.wav",  "fire.wav",   "w.wav",          "gay.wav",    "int.wav"};

std::string dataDir() { return std::string(VORIX_BUILD_DIR) + "/Data"; }

bool dataFolderExists() {
    struct stat st;
    return stat(dataDir().c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return bytes;
}

struct Sound {
    bool loaded = false;
    WavFile wav;
    std::vector<float> samples;  // first channel, -1..1
    double rate = 0;
};

Sound loadSound(const std::string& name) {
    Sound s;
    std::vector<uint8_t> bytes = readFile(dataDir() + "/sound/" + name);
    if (parseWav(bytes.data(), bytes.size(), &s.wav) != WavStatus::ok) return s;
    if (s.wav.format.bitsPerSample != 16 || s.wav.format.channels == 0) return s;
    const size_t frame = s.wav.format.blockAlign;
    for (size_t i = 0; i + 1 < s.wav.sampleBytes; i += frame) {
        int16_t v = (int16_t)(s.wav.samples[i] | (s.wav.samples[i + 1] << 8));
        s.samples.push_back(v / 32768.0f);
    }
    s.rate = s.wav.format.sampleRate;
    s.loaded = true;
    s.wav.samples = nullptr;  // the bytes go away with this function
    s.wav.formatBlock = nullptr;
    return s;
}

float peakOf(const std::vector<float>& x) {
    float m = 0;
    for (float v : x) m = std::max(m, std::fabs(v));
    return m;
}

// Seconds to the first sample at half the file's peak: the bang's onset.
double onsetSeconds(const Sound& s) {
    const float half = 0.5f * peakOf(s.samples);
    for (size_t i = 0; i < s.samples.size(); ++i)
        if (std::fabs(s.samples[i]) >= half) return (double)i / s.rate;
    return -1.0;
}

// Linear-prediction coefficients a[0..order] (a[0] = 1) of a signal, from its
// autocorrelation (Levinson-Durbin recursion).
std::vector<double> predictor(const std::vector<float>& x, int order) {
    std::vector<double> r((size_t)order + 1, 0.0);
    for (int k = 0; k <= order; ++k)
        for (size_t i = (size_t)k; i < x.size(); ++i) r[(size_t)k] += (double)x[i] * x[i - (size_t)k];
    std::vector<double> a((size_t)order + 1, 0.0);
    a[0] = 1.0;
    double err = r[0];
    for (int i = 1; i <= order && err > 0; ++i) {
        double acc = r[(size_t)i];
        for (int j = 1; j < i; ++j) acc += a[(size_t)j] * r[(size_t)(i - j)];
        double k = -acc / err;
        std::vector<double> next = a;
        for (int j = 1; j < i; ++j) next[(size_t)j] = a[(size_t)j] + k * a[(size_t)(i - j)];
        next[(size_t)i] = k;
        a = next;
        err *= 1.0 - k * k;
    }
    return a;
}

// How badly sample i is predicted from the `order` samples before it.
double predictionError(const std::vector<float>& x, const std::vector<double>& a, size_t i) {
    double e = 0.0;
    for (size_t k = 0; k < a.size(); ++k) e += a[k] * x[i - k];
    return std::fabs(e);
}

class GeneratedSounds : public ::testing::Test {
protected:
    void SetUp() override {
        if (!dataFolderExists()) GTEST_SKIP() << "no Data folder under " << VORIX_BUILD_DIR;
    }
};

}  // namespace

TEST_F(GeneratedSounds, AllFifteenLoadAsPlayable16BitPcm) {
    for (const char* name : kSoundNames) {
        SCOPED_TRACE(name);
        Sound s = loadSound(name);
        ASSERT_TRUE(s.loaded);
        EXPECT_TRUE(wavIsPlayablePcm(s.wav.format));
        EXPECT_EQ(s.wav.format.bitsPerSample, 16);
        EXPECT_TRUE(s.rate == 22050 || s.rate == 44100);
        EXPECT_GT(s.samples.size(), (size_t)(0.04 * s.rate));
        // Audible, and not driven into the rails.
        float peak = peakOf(s.samples);
        EXPECT_GT(peak, 0.3f);
        EXPECT_LT(peak, 0.999f);
    }
}

TEST_F(GeneratedSounds, EjectionBangsFallWhereTheEventsExpectThem) {
    Sound longForm = loadSound("ejectsnd1.wav");
    Sound shortForm = loadSound("ejecting.wav");
    ASSERT_TRUE(longForm.loaded && shortForm.loaded);
    EXPECT_NEAR(onsetSeconds(longForm), 5.12, 0.02);
    EXPECT_NEAR(onsetSeconds(shortForm), 0.7, 0.02);
}

TEST_F(GeneratedSounds, LoopsJoinLikeAnyOtherPairOfSamples) {
    for (const char* name : {"rafale.wav", "wind.wav", "fire.wav"}) {
        SCOPED_TRACE(name);
        Sound s = loadSound(name);
        ASSERT_TRUE(s.loaded);
        const std::vector<float>& x = s.samples;
        std::vector<float> steps;
        for (size_t i = 1; i < x.size(); ++i) steps.push_back(std::fabs(x[i] - x[i - 1]));
        std::sort(steps.begin(), steps.end());
        float typical = steps[steps.size() * 99 / 100];
        float seam = std::fabs(x.front() - x.back());
        EXPECT_LE(seam, typical) << "seam " << seam << ", 99th percentile step " << typical;
        // The level does not dip or swell across the seam either.
        const size_t w = (size_t)(0.1 * s.rate);
        auto rms = [&](size_t from) {
            double sum = 0;
            for (size_t i = from; i < from + w; ++i) sum += (double)x[i] * x[i];
            return std::sqrt(sum / w);
        };
        double edges = (rms(0) + rms(x.size() - w)) / 2, middle = rms(x.size() / 2 - w / 2);
        EXPECT_NEAR(edges / middle, 1.0, 0.5);
    }
}

// A stricter seam check than the step size: filtered noise is predictable
// from its recent past, so if the loop's start does not continue its end the
// samples after the seam are predicted far worse than anywhere else.
TEST_F(GeneratedSounds, LoopStartIsPredictableFromItsEnd) {
    const int order = 12;
    for (const char* name : {"rafale.wav", "wind.wav", "fire.wav"}) {
        SCOPED_TRACE(name);
        Sound s = loadSound(name);
        ASSERT_TRUE(s.loaded);
        const std::vector<float>& x = s.samples;
        std::vector<double> a = predictor(x, order);
        std::vector<double> errors;
        for (size_t i = (size_t)order; i < x.size(); ++i) errors.push_back(predictionError(x, a, i));
        std::sort(errors.begin(), errors.end());
        double rare = errors[errors.size() * 999 / 1000];
        std::vector<float> seam(x.end() - order, x.end());
        seam.insert(seam.end(), x.begin(), x.begin() + order);
        double worst = 0.0;
        for (size_t i = (size_t)order; i < seam.size(); ++i) worst = std::max(worst, predictionError(seam, a, i));
        EXPECT_LE(worst, rare) << "worst error after the seam " << worst << ", 99.9th percentile " << rare;
    }
}

TEST_F(GeneratedSounds, OneShotsStartAndEndQuietly) {
    for (const char* name : kSoundNames) {
        std::string n = name;
        if (n == "rafale.wav" || n == "wind.wav" || n == "fire.wav") continue;
        SCOPED_TRACE(name);
        Sound s = loadSound(name);
        ASSERT_TRUE(s.loaded);
        EXPECT_LT(std::fabs(s.samples.front()), 0.02f);
        EXPECT_LT(std::fabs(s.samples.back()), 0.01f);
    }
}

TEST_F(GeneratedSounds, ClosingTuneLastsFiveSecondsAndChuteSnapsOnTime) {
    Sound tune = loadSound("int.wav");
    ASSERT_TRUE(tune.loaded);
    EXPECT_GE(tune.samples.size() / tune.rate, 5.0);
    Sound chute = loadSound("chute_open.wav");
    ASSERT_TRUE(chute.loaded);
    EXPECT_NEAR(onsetSeconds(chute), 1.3, 0.02);
}
