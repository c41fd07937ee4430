// The run's trail in the scene: the seat-and-pilot package's path up to the
// playback clock as a line coloured by phase, the empty seat's path thinner,
// a mark and a label at each moment of the sequence, and, while a ghost of
// an earlier run is kept, its path faded and its package as a see-through
// shape at the same seat time. Planned GL-free in the frame's update steps
// (trail_gl.cpp draws it): the paths are thinned once a run (or a ghost) and
// a frame only picks how much of them to show.
#pragma once

#include <cstdint>

#include "render/trail_labels.h"
#include "render/trail_thinning.h"
#include "sim/run_events.h"
#include "sim/run_track.h"
#include "sim/vec3.h"

struct BodyState;
struct PolyModel;
struct Simulation;

// Vertex budgets: a frame draws at most the sum of these, plus one end
// vertex a line.
constexpr int kTrailPackageBudget = 2048;
constexpr int kTrailSeatBudget = 512;
constexpr int kGhostPackageBudget = 1024;
constexpr int kGhostSeatBudget = 256;

// One line of the frame: the first `count` vertices of its path, then the
// body's own place this frame, all moved by `offset` (from the package's
// reference point to the middle of the figure it follows).
struct TrailLine {
    const TrailPath* path = nullptr;
    int count = 0;
    bool endShown = false;
    Vec3 end;
    uint8_t endPhase = 0;
    Vec3 offset;
};

struct TrailMark {
    Vec3 at;
    uint8_t phase = 0;   // the colour: the phase the moment begins
    uint8_t event = 0;   // RunEventKind
};

constexpr int kTrailMarkCapacity = 2 * kRunEventCount;

struct TrailFrame {
    bool shown = false;
    TrailLine package, seat;
    bool ghost = false;
    TrailLine ghostPackage, ghostSeat;
    TrailMark marks[kTrailMarkCapacity];
    int markCount = 0;
    int ghostMarkFirst = 0;   // marks from here on are the ghost's
    TrailLabels labels;
    // The ghost's package this frame: drawn at ghostAt, the seat with the
    // pilot until the ghost's own separation.
    bool ghostBody = false;
    Vec3 ghostAt;
    bool ghostSeatWithPilot = false;
};

struct TrailState {
    bool shown = false;      // the T key; off at start
    // The runs the paths were thinned for (0: none yet).
    uint32_t pathSerial = 0;
    uint32_t ghostSerial = 0;
    TrailPath package, seat, ghostPackage, ghostSeat;
    long seatSamples = 0;    // the current run's empty-seat samples up to its landing
    TrailThinning scratch;
    TrailFrame frame;        // this frame's plan
};

extern TrailState trailState;

// The eye the labels face and the view's field of view.
struct TrailView {
    Vec3 eye, target, up;
    float fieldOfViewDeg = 50.0f;
};

// Colours of the phases and of the empty seat's path (RGB).
extern const float kTrailPhaseColours[kTrackPhaseCount][3];
extern const float kTrailSeatColour[3];

// Update step: the trail of this frame, for the playing run recorded in
// tracks.current (the trajectory in sim is that run's), the bodies where the
// body pass put them and the model's figures. Nothing while the trail is off
// or no recorded run plays.
void planTrail(TrailState& trail, const RunTracks& tracks, const Simulation& sim, const BodyState& bodies,
               const PolyModel& model, const TrailView& view);

// The label of a moment: its name and seat time ("MAIN 0.45s").
void trailLabelText(int event, double seatTimeS, char* out, int size);
