// The frame's own clock: the millisecond clock and the local date and time,
// read once when a frame starts so that every step of the frame sees the same
// moment, and the frame rate measured from the playback clock. One
// process-wide record, alive for the whole run.
#pragma once

#include <cstdint>
#include <ctime>

struct FrameClock {
    uint32_t nowMs = 0;          // the millisecond clock at the frame's start
    std::tm local{};             // the local date and time with it (the panel clock)
    float frameRate = 0.0f;      // frames per second of real time, 0 until measured
    int framePhase = 0;          // 0, 1, 2 for the frame-rate measurement
    float phase0Time = 0.0f;     // playback seconds at phase 0
    float framePairTime = 0.0f;  // playback seconds the last two frames took
};

extern FrameClock frameClock;

// The start of a frame: the clocks' readings for all of its steps.
void startFrameClock(FrameClock& f, uint32_t nowMs, const std::tm& local);

// The frame-rate measurement, taken every third frame from the playback clock
// (elapsedMs) while it runs; while paused the rate reads 25.
void measureFrameRate(FrameClock& f, int32_t elapsedMs, bool paused, float playSpeedDivisor);

struct Simulation;

// The frame's playback step, its first update after the input: the run's
// playback clocks advanced to the frame's time, the frame rate measured from
// them, and the pilot's descent continued once the computed window is over.
void advancePlayback(FrameClock& f, Simulation& sim);
