// What a played run leaves to look back on: the seat-and-pilot package's
// path in the world every 10 ms from the seat's start to the ground (the
// stored samples, then the descent carried on past them), the empty seat's
// path, where and when the sequence's moments happened, and the figures two
// runs are compared by. The current run's record is made when it is
// triggered; the ghost is a copy of one, kept to compare later runs with.
// Both are static records of a few hundred kilobytes, filled in place.
#pragma once

#include <cstdint>

#include "sim/descent.h"
#include "sim/run_events.h"
#include "sim/vec3.h"

struct PlaybackClocks;
struct Simulation;

constexpr double kTrackStepS = 0.01;
constexpr int kTrackSamples = 36001;      // 360 s of seat time
constexpr int kTrackSeatSamples = 3001;   // the empty seat's 30 s

// The figures the HUD compares two runs by.
struct RunSummary {
    int32_t mode = 0;
    float airspeedKt = 0.0f;     // true airspeed at the trigger
    float apexM = 0.0f;          // largest height gained above the seat's start
    bool fullyOpen = false;
    float fullyOpenS = 0.0f;     // seat time of the main parachute's full opening
    bool touchedDown = false;
    float touchdownSpeedMs = 0.0f;
};

// Phases of the path, in the order a run passes them.
enum TrackPhase : uint8_t {
    kTrackRails,          // on the catapult's rails
    kTrackRocket,         // the seat rocket burns
    kTrackFreeFlight,     // seat and pilot fly on, with the drogue, the main deploying
    kTrackUnderMain,      // the pilot alone under the main parachute, the seat gone
    kTrackDescent,        // under the fully open canopy to the ground
    kTrackPhaseCount
};

struct RunTrack {
    uint32_t serial = 0;             // which run this is; 0: none recorded
    uint32_t runStartMs = 0;         // the playback clocks' start of that run
    Vec3 start;                      // the fighter at the trigger
    // The package drawn at seat time k * kTrackStepS is package[k]; when it
    // landed, the last sample is the first on the ground (its time may fall
    // between two steps); otherwise the run's samples or the record ran out.
    Vec3 package[kTrackSamples];
    int32_t packageCount = 0;
    bool landed = false;
    float touchdownS = 0.0f;         // seat time the package is on the ground
    // The run's own millisecond samples carry the package up to this index
    // (the touchdown's, the window's end or the last computed one); after
    // descentFromS (a very large value when the run has none) the descent
    // does, from package[descentFirst] on.
    int32_t sampleLastIndex = 0;
    double descentFromS = 1e30;
    int32_t descentFirst = 0;
    // The empty seat from its separation: seat[k] at seatFromS + k * kTrackStepS.
    Vec3 seat[kTrackSeatSamples];
    int32_t seatCount = 0;
    float seatFromS = 0.0f;
    // Where the phases change, in seat time.
    float catapultEndS = 0.0f;
    float rocketEndS = 0.0f;
    RunEvents events{};
    Vec3 eventAt[kRunEventCount];    // the package where each happened
    RunSummary summary;
};

struct RunTracks {
    RunTrack current;
    RunTrack ghost;
    bool ghostKept = false;
    uint32_t lastSerial = 0;
    DescentState descent;            // the descent carried ahead (the played one is left alone)
};

extern RunTracks runTracks;

// Records the run just computed into sim as tracks.current. The package's
// world position is the fighter's start plus its sample, as the bodies are
// drawn; it reaches the ground where the drawn pilot does.
void recordRunTrack(const Simulation& sim, RunTracks& tracks);

// The playback clocks' start of the recorded run, once its playback starts
// (recordRunTrack takes the start the clocks have then).
void notePlaybackStart(RunTracks& tracks, uint32_t startMs);

// Y keeps the current run as the ghost (false when no run was recorded);
// Shift+Y lets it go.
bool keepGhost(RunTracks& tracks);
void clearGhost(RunTracks& tracks);

// The current record belongs to the run the clocks play.
bool recordedRunPlays(const RunTracks& tracks, const PlaybackClocks& clocks);

// A ghost is shown beside a run other than the one it was kept from.
bool ghostBesideCurrent(const RunTracks& tracks);

// The package at a seat time, between the samples; false past the record
// when it ran out before the ground (after a touchdown it stays there).
bool trackPackageAt(const RunTrack& track, double seatTimeS, Vec3& at);

// The phase the path is in at a seat time; a phase's last moment belongs to it.
TrackPhase trackPhaseAt(const RunTrack& track, double seatTimeS);
