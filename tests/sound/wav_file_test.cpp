// The RIFF/WAVE chunk walk on files built here: chunk order, padding, and
// truncated or hostile files, which must fail or clip without reading past
// the buffer (the sanitizer build checks the "past" part).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sound/wav_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

void putU16(Bytes& b, uint32_t v) {
    b.push_back((uint8_t)(v & 0xFF));
    b.push_back((uint8_t)(v >> 8));
}

void putU32(Bytes& b, uint32_t v) {
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

// A chunk with its stated length; the body may be shorter or longer than the
// stated length when a test wants a lying head.
struct Chunk {
    std::string id;
    Bytes body;
    uint32_t statedLength;
    bool pad;
};

Chunk chunk(const std::string& id, const Bytes& body) { return {id, body, (uint32_t)body.size(), true}; }

Bytes pcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes b;
    putU16(b, 1);
    putU16(b, channels);
    putU32(b, rate);
    putU32(b, rate * channels * bits / 8);
    putU16(b, (uint16_t)(channels * bits / 8));
    putU16(b, bits);
    return b;
}

Bytes samples16(std::initializer_list<int16_t> values) {
    Bytes b;
    for (int16_t v : values) putU16(b, (uint16_t)v);
    return b;
}

// RIFF head with the true length unless riffLength is given.
Bytes riff(const std::vector<Chunk>& chunks, long riffLength = -1) {
    Bytes body;
    for (const Chunk& c : chunks) {
        body.insert(body.end(), c.id.begin(), c.id.end());
        putU32(body, c.statedLength);
        body.insert(body.end(), c.body.begin(), c.body.end());
        if (c.pad && (c.body.size() & 1)) body.push_back(0);
    }
    Bytes file = {'R', 'I', 'F', 'F'};
    putU32(file, riffLength >= 0 ? (uint32_t)riffLength : (uint32_t)(body.size() + 4));
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// Parses a copy sized exactly to the bytes, so any read past them is caught.
WavStatus parse(const Bytes& file, WavFile* out) {
    std::vector<uint8_t> exact(file.begin(), file.end());
    WavStatus st = parseWav(exact.empty() ? nullptr : exact.data(), exact.size(), out);
    if (st == WavStatus::ok) {
        // Spans always lie inside the buffer.
        EXPECT_GE(out->samples, exact.data());
        EXPECT_LE(out->samples + out->sampleBytes, exact.data() + exact.size());
        EXPECT_LE(out->formatBlock + out->formatBytes, exact.data() + exact.size());
    }
    // Pointers into `exact` are dead after return; keep offsets meaningful.
    if (out->samples) out->samples = file.data() + (out->samples - exact.data());
    if (out->formatBlock) out->formatBlock = file.data() + (out->formatBlock - exact.data());
    return st;
}

size_t offsetOf(const Bytes& file, const uint8_t* p) { return (size_t)(p - file.data()); }

}  // namespace

TEST(WavChunkOrder, CanonicalFileGivesFormatAndSamples) {
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", samples16({1, -2, 3, -4}))});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_EQ(w.format.formatTag, 1);
    EXPECT_EQ(w.format.channels, 1);
    EXPECT_EQ(w.format.sampleRate, 22050u);
    EXPECT_EQ(w.format.bitsPerSample, 16);
    EXPECT_EQ(w.formatBytes, 16u);
    EXPECT_EQ(offsetOf(file, w.formatBlock), 20u);
    EXPECT_EQ(offsetOf(file, w.samples), 44u);
    EXPECT_EQ(w.sampleBytes, 8u);
    EXPECT_FALSE(w.clipped);
    EXPECT_TRUE(wavIsPlayablePcm(w.format));
}

TEST(WavChunkOrder, FormatAfterDataLoadsTheSame) {
    Bytes data = samples16({5, 6, 7});
    Bytes file = riff({chunk("data", data), chunk("fmt ", pcmFormat(2, 44100, 8))});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_EQ(w.format.channels, 2);
    EXPECT_EQ(w.format.sampleRate, 44100u);
    EXPECT_EQ(offsetOf(file, w.samples), 20u);
    EXPECT_EQ(w.sampleBytes, 6u);
    EXPECT_EQ(0, std::memcmp(w.samples, data.data(), 6));
}

TEST(WavChunkOrder, FirstFormatAndFirstDataWin) {
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 11025, 16)), chunk("data", samples16({1})),
                       chunk("fmt ", pcmFormat(2, 48000, 16)), chunk("data", samples16({9, 9, 9, 9}))});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_EQ(w.format.sampleRate, 11025u);
    EXPECT_EQ(w.sampleBytes, 2u);
}

TEST(WavChunkOrder, UnknownChunksAndALongerFormatBlockAreSkippedOrKept) {
    Bytes ext = pcmFormat(1, 22050, 16);
    ext.insert(ext.end(), {0, 0});  // cbSize of an extended format block
    Bytes file = riff({chunk("LIST", Bytes(10, 'x')), chunk("fmt ", ext), chunk("fact", Bytes(4, 0)),
                       chunk("data", samples16({1, 2}))});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_EQ(w.formatBytes, 18u);
    EXPECT_EQ(w.sampleBytes, 4u);
}

TEST(WavPadding, OddChunkIsFollowedByOnePadByte) {
    Bytes file = riff({chunk("note", Bytes(3, 'a')), chunk("fmt ", pcmFormat(1, 22050, 8)),
                       chunk("data", Bytes{10, 20, 30})});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_EQ(offsetOf(file, w.formatBlock), 12u + 8 + 4 + 8);
    EXPECT_EQ(w.sampleBytes, 3u);  // 8-bit mono: odd sample counts are whole frames
}

TEST(WavPadding, UnpaddedOddChunkMisalignsTheWalk) {
    // Without the pad byte the next head is read one byte early: no chunk
    // ids line up and the file has no format.
    Chunk odd = chunk("note", Bytes(3, 'a'));
    odd.pad = false;
    Bytes file = riff({odd, chunk("fmt ", pcmFormat(1, 22050, 8)), chunk("data", Bytes{1, 2})});
    WavFile w;
    EXPECT_EQ(parse(file, &w), WavStatus::missingFormat);
}

TEST(WavRejects, NotRiffWave) {
    WavFile w;
    Bytes good = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", samples16({1}))});
    Bytes rifx = good;
    rifx[3] = 'X';
    EXPECT_EQ(parse(rifx, &w), WavStatus::notRiffWave);
    Bytes avi = good;
    std::memcpy(avi.data() + 8, "AVI ", 4);
    EXPECT_EQ(parse(avi, &w), WavStatus::notRiffWave);
    EXPECT_EQ(parse(Bytes(good.begin(), good.begin() + 11), &w), WavStatus::notRiffWave);
    EXPECT_EQ(parse(Bytes(), &w), WavStatus::notRiffWave);
    EXPECT_EQ(parseWav(nullptr, 100, &w), WavStatus::notRiffWave);
}

TEST(WavRejects, MissingChunks) {
    WavFile w;
    EXPECT_EQ(parse(riff({chunk("data", samples16({1}))}), &w), WavStatus::missingFormat);
    EXPECT_EQ(parse(riff({chunk("fmt ", pcmFormat(1, 22050, 16))}), &w), WavStatus::missingData);
    EXPECT_EQ(parse(riff({}), &w), WavStatus::missingFormat);
}

TEST(WavRejects, ShortFormatOrEmptyData) {
    WavFile w;
    Bytes shortFmt(14, 1);
    EXPECT_EQ(parse(riff({chunk("fmt ", shortFmt), chunk("data", samples16({1}))}), &w), WavStatus::badFormat);
    EXPECT_EQ(parse(riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", Bytes())}), &w),
              WavStatus::noSamples);
    // One byte of 16-bit audio is half a frame: nothing playable.
    EXPECT_EQ(parse(riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", Bytes{7})}), &w),
              WavStatus::noSamples);
}

TEST(WavRiffLength, WalkStopsAtTheStatedRiffEnd) {
    // The RIFF length covers only "WAVE" and the format chunk: the data chunk
    // after it is outside the file as stated.
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", samples16({1, 2}))}, 4 + 24);
    WavFile w;
    EXPECT_EQ(parse(file, &w), WavStatus::missingData);
}

TEST(WavRiffLength, RiffLengthPastTheBufferIsBoundedByTheBuffer) {
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("JUNK", Bytes(6, 0))}, 0xFFFFFFF0);
    WavFile w;
    EXPECT_EQ(parse(file, &w), WavStatus::missingData);
}

TEST(WavHostile, DataLengthPastTheEndIsClippedToWholeFrames) {
    Chunk data = chunk("data", samples16({1, 2, 3}));
    data.body.push_back(0x55);  // a stray half frame at the end of the file
    data.statedLength = 0xFFFFFFFF;
    data.pad = false;
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), data});
    WavFile w;
    ASSERT_EQ(parse(file, &w), WavStatus::ok);
    EXPECT_TRUE(w.clipped);
    EXPECT_EQ(w.sampleBytes, 6u);
}

TEST(WavHostile, HugeChunkLengthDoesNotWrapTheWalk) {
    Chunk junk = chunk("JUNK", Bytes(4, 0));
    junk.statedLength = 0xFFFFFFFE;  // pos + 8 + n would wrap a 32-bit position
    Bytes file = riff({junk, chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("data", samples16({1}))}, 0xFFFFFFFF);
    WavFile w;
    EXPECT_EQ(parse(file, &w), WavStatus::missingFormat);
}

TEST(WavHostile, FormatChunkCutByTheEndOfTheFileFails) {
    Chunk fmt = chunk("fmt ", Bytes(8, 1));
    fmt.statedLength = 16;
    WavFile w;
    EXPECT_EQ(parse(riff({chunk("data", samples16({1})), fmt}), &w), WavStatus::badFormat);
}

TEST(WavHostile, EveryTruncationOfAFileFailsOrStaysInside) {
    Bytes file = riff({chunk("LIST", Bytes(5, 'z')), chunk("fmt ", pcmFormat(2, 22050, 16)),
                       chunk("data", samples16({1, 2, 3, 4, 5, 6, 7, 8}))});
    for (size_t n = 0; n <= file.size(); ++n) {
        WavFile w;
        WavStatus st = parse(Bytes(file.begin(), file.begin() + (long)n), &w);
        if (st == WavStatus::ok) {
            EXPECT_EQ(w.sampleBytes % 4, 0u) << "cut at " << n;
            EXPECT_EQ(w.clipped, n < file.size()) << "cut at " << n;
        }
    }
}

TEST(WavHostile, CorruptedBytesNeverLeadOutsideTheBuffer) {
    Bytes file = riff({chunk("fmt ", pcmFormat(1, 22050, 16)), chunk("odd!", Bytes(7, 3)),
                       chunk("data", samples16({1, 2, 3, 4}))});
    uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        Bytes bad = file;
        for (int k = 0; k < 3; ++k) {
            seed = seed * 1664525u + 1013904223u;
            size_t at = 4 + (seed >> 8) % (bad.size() - 4);
            bad[at] = (uint8_t)(seed >> 24);
        }
        WavFile w;
        parse(bad, &w);  // the span checks run inside parse()
    }
}

TEST(WavPlayable, AcceptsThePcmKindsTheMixerPlays) {
    WavFormat f;
    f.formatTag = 1;
    f.channels = 1;
    f.sampleRate = 22050;
    f.bitsPerSample = 16;
    f.blockAlign = 2;
    EXPECT_TRUE(wavIsPlayablePcm(f));
    WavFormat stereo8 = f;
    stereo8.channels = 2;
    stereo8.bitsPerSample = 8;
    EXPECT_TRUE(wavIsPlayablePcm(stereo8));

    WavFormat bad = f;
    bad.formatTag = 3;  // float
    EXPECT_FALSE(wavIsPlayablePcm(bad));
    bad = f;
    bad.channels = 0;
    EXPECT_FALSE(wavIsPlayablePcm(bad));
    bad = f;
    bad.bitsPerSample = 24;
    bad.blockAlign = 3;
    EXPECT_FALSE(wavIsPlayablePcm(bad));
    bad = f;
    bad.blockAlign = 4;  // does not match mono 16-bit
    EXPECT_FALSE(wavIsPlayablePcm(bad));
    bad = f;
    bad.sampleRate = 0;
    EXPECT_FALSE(wavIsPlayablePcm(bad));
}
