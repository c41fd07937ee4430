// The per-millisecond store of the seat/man path and the run's summary
// values. Index i holds the state at t = i * dt; index 1 is the start of the
// sequence. The store is one process-wide block of static storage.
#pragma once

#include <cstdint>

constexpr int kTrajectorySamples = 600001;
constexpr int kTrajectoryLastIndex = kTrajectorySamples - 1;

struct Trajectory {
    double px[kTrajectorySamples], py[kTrajectorySamples], pz[kTrajectorySamples];
    double vx[kTrajectorySamples], vy[kTrajectorySamples], vz[kTrajectorySamples];
    double ax[kTrajectorySamples], ay[kTrajectorySamples], az[kTrajectorySamples];
    double dragForceN[kTrajectorySamples];
    uint8_t phase[kTrajectorySamples];
    // Highest index written by the last run (0 before any run).
    int32_t lastIndex;
};

extern Trajectory trajectoryStore;

// An index read by a reader is kept inside the samples of the last run, so a
// clock past the end reads the last computed sample.
inline int clampTrajectoryIndex(const Trajectory& t, long index) {
    if (index < 0) return 0;
    if (index > t.lastIndex) return t.lastIndex;
    return (int)index;
}

struct TrajectorySample {
    double p[3], v[3], a[3];
};

inline TrajectorySample trajectorySample(const Trajectory& t, long index) {
    int i = clampTrajectoryIndex(t, index);
    return TrajectorySample{{t.px[i], t.py[i], t.pz[i]}, {t.vx[i], t.vy[i], t.vz[i]}, {t.ax[i], t.ay[i], t.az[i]}};
}

// Summary of the seat/man run besides the samples.
struct SeatRunSummary {
    bool landed = false;
    double landingP[3] = {0, 0, 0};
    double landingTimeS = 0.0;
    float apexHeightM = -900000.0f;   // largest height gained above the start
    double largestDrag = 0.0;         // m/s^2
    double largestDragTimeS = 0.0;
    bool windowEnded = false;         // ran to tMainFire + 10 s
    double endP[3] = {0, 0, 0}, endV[3] = {0, 0, 0}, endA[3] = {0, 0, 0};
    double endTimeS = 0.0;
    int32_t stepsRun = 0;
    bool stoppedBelowGround = false;
    // The state stopped being finite (parameters far outside their ranges):
    // the run stopped, the samples end at the last finite step.
    bool diverged = false;
    double divergedAtS = 0.0;
};

// Line stretch of the main parachute, for display and for drawing the lines.
struct LineStretch {
    bool stretched = false;
    double delayS = 0.0;              // tLineStretch - tMainFire
    double packMinusPilot[3] = {0, 0, 0};
    double pilotDistanceM = 0.0;      // travelled since line stretch
};
