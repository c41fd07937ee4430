#include "render/trail.h"

#include <cstdio>

#include "render/body_state.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "sim/simulation.h"

TrailState trailState;

const float kTrailPhaseColours[kTrackPhaseCount][3] = {
    {0.9f, 0.9f, 0.95f},   // rails
    {1.0f, 0.32f, 0.12f},  // rocket
    {1.0f, 0.85f, 0.15f},  // free flight, drogue
    {0.3f, 0.75f, 1.0f},   // under the main parachute, seat gone
    {0.35f, 0.95f, 0.4f},  // descent
};
const float kTrailSeatColour[3] = {0.7f, 0.7f, 0.72f};

namespace {

const char* const kEventNames[kRunEventCount] = {"CAT END", "ROCKET", "DROGUE", "MAIN", "SEPARATION", "FULL OPEN"};

// ---- Path sources -----------------------------------------------------------

// The current run: its own millisecond samples (index 1 on), then the
// descent's 10 ms samples of the track.
struct RunSource {
    const Trajectory* samples;
    const RunTrack* track;
    long sampleCount;    // millisecond samples 1 .. sampleCount
};

double runTime(const void* s, long i) {
    const RunSource& r = *(const RunSource*)s;
    if (i < r.sampleCount) return (i + 1) * 0.001;
    return (r.track->descentFirst + (i - r.sampleCount)) * kTrackStepS;
}

Vec3 runPosition(const void* s, long i) {
    const RunSource& r = *(const RunSource*)s;
    if (i < r.sampleCount) {
        const int k = clampTrajectoryIndex(*r.samples, i + 1);
        return r.track->start + Vec3((float)r.samples->px[k], (float)r.samples->py[k], (float)r.samples->pz[k]);
    }
    return r.track->package[r.track->descentFirst + (i - r.sampleCount)];
}

// The current run's empty seat, a sample a millisecond from its separation,
// up to where it lies on the ground.
struct SeatSource {
    const EmptySeat* seat;
    Vec3 start;
    double fromS;
    long count;
};

double seatTime(const void* s, long i) { return ((const SeatSource*)s)->fromS + i * 0.001; }

Vec3 seatPosition(const void* s, long i) {
    const SeatSource& r = *(const SeatSource*)s;
    const Vec3 p = emptySeatPosition(*r.seat, i);
    const bool down = r.seat->landed && p.z < r.seat->landingPosition.z;
    return r.start + (down ? r.seat->landingPosition : p);
}

long seatSampleCount(const EmptySeat& seat) {
    for (long i = 0; i <= seat.lastIndex; ++i) {
        if (seat.landed && emptySeatPosition(seat, i).z < seat.landingPosition.z) return i + 1;
    }
    return seat.lastIndex + 1;
}

// A track's own 10 ms samples (the ghost's).
double trackTime(const void* s, long i) {
    const RunTrack& t = *(const RunTrack*)s;
    // A touchdown between two steps closes the path at its own time.
    if (t.landed && i == t.packageCount - 1 && t.touchdownS < i * kTrackStepS) return t.touchdownS;
    return i * kTrackStepS;
}

Vec3 trackPosition(const void* s, long i) { return ((const RunTrack*)s)->package[i]; }

double trackSeatTime(const void* s, long i) { return ((const RunTrack*)s)->seatFromS + i * kTrackStepS; }
Vec3 trackSeatPosition(const void* s, long i) { return ((const RunTrack*)s)->seat[i]; }

// ---- Thinning ---------------------------------------------------------------

// The phase changes and the moments: the vertices the colours and marks need.
int keepTimesOf(const RunTrack& t, double* times) {
    int n = 0;
    times[n++] = t.catapultEndS;
    times[n++] = t.rocketEndS;
    for (int k = 0; k < kRunEventCount; ++k)
        if (t.events.happened[k]) times[n++] = t.events.timeS[k];
    return n;
}

void colourByPhase(const RunTrack& t, TrailPath& path) {
    for (int k = 0; k < path.count; ++k) path.phase[k] = (uint8_t)trackPhaseAt(t, path.timeS[k]);
}

void thinPackage(const PathSamples& in, const RunTrack& t, int budget, TrailThinning& scratch, TrailPath& out) {
    double keep[kTrailKeepCapacity];
    const int n = keepTimesOf(t, keep);
    thinPath(in, keep, n, budget, kTrailToleranceM, scratch, out);
    colourByPhase(t, out);
}

void thinCurrent(TrailState& trail, const Simulation& sim, const RunTrack& t) {
    RunSource run{sim.trajectory, &t, t.sampleLastIndex};
    PathSamples in{&run, t.sampleLastIndex + (t.packageCount - t.descentFirst), runTime, runPosition};
    thinPackage(in, t, kTrailPackageBudget, trail.scratch, trail.package);

    trail.seat.count = 0;
    if (!sim.emptySeat.computed || !sim.sequencerRun.seatSeparated) return;
    trail.seatSamples = seatSampleCount(sim.emptySeat);
    SeatSource seat{&sim.emptySeat, t.start, sim.times.tSeatManSeparation, trail.seatSamples};
    PathSamples seatIn{&seat, seat.count, seatTime, seatPosition};
    thinPath(seatIn, nullptr, 0, kTrailSeatBudget, kTrailToleranceM, trail.scratch, trail.seat);
}

void thinGhost(TrailState& trail, const RunTrack& g) {
    PathSamples in{&g, g.packageCount, trackTime, trackPosition};
    thinPackage(in, g, kGhostPackageBudget, trail.scratch, trail.ghostPackage);
    PathSamples seatIn{&g, g.seatCount, trackSeatTime, trackSeatPosition};
    thinPath(seatIn, nullptr, 0, kGhostSeatBudget, kTrailToleranceM, trail.scratch, trail.ghostSeat);
}

// ---- The frame --------------------------------------------------------------

Vec3 pivotOf(const PolyModel& m, int part) { return m.partCount >= part ? m.parts[part].partPivot : Vec3(); }

TrailLine lineUpTo(const TrailPath& path, double t, const Vec3& offset) {
    TrailLine l;
    l.path = &path;
    l.count = verticesUpTo(path, t);
    l.offset = offset;
    return l;
}

void endAt(TrailLine& l, const Vec3& at, uint8_t phase) {
    if (l.count <= 0) return;
    l.endShown = true;
    l.end = at;
    l.endPhase = phase;
}

uint8_t phaseFrom(const RunTrack& t, double eventS) { return (uint8_t)trackPhaseAt(t, eventS + 0.0005); }

void addMarks(const RunTrack& t, double now, const Vec3& offset, TrailFrame& f) {
    for (int k = 0; k < kRunEventCount && f.markCount < kTrailMarkCapacity; ++k) {
        if (!t.events.happened[k] || t.events.timeS[k] > now) continue;
        TrailMark& m = f.marks[f.markCount++];
        m.at = t.eventAt[k] + offset;
        m.event = (uint8_t)k;
        m.phase = phaseFrom(t, t.events.timeS[k]);
    }
}

void planCurrent(TrailState& trail, const RunTrack& t, const Simulation& sim, const BodyState& bodies,
                 const Vec3& pilotOffset, const Vec3& seatOffset, const LabelView& view) {
    TrailFrame& f = trail.frame;
    const double now = sim.clocks.seatTime;
    f.package = lineUpTo(trail.package, now, pilotOffset);
    endAt(f.package, bodies.packagePoint, (uint8_t)trackPhaseAt(t, now));

    f.seat = lineUpTo(trail.seat, now, seatOffset);
    if (trail.seat.count > 0 && now > sim.times.tSeatManSeparation) {
        SeatSource seat{&sim.emptySeat, t.start, sim.times.tSeatManSeparation, trail.seatSamples};
        long i = sim.clocks.separationIndex;
        if (i >= seat.count) i = seat.count - 1;
        endAt(f.seat, seatPosition(&seat, i), 0);
    }

    addMarks(t, now, pilotOffset, f);
    char text[kLabelChars + 1];
    for (int k = 0; k < f.markCount; ++k) {
        const TrailMark& m = f.marks[k];
        trailLabelText(m.event, t.events.timeS[m.event], text, sizeof text);
        addTrailLabel(view, m.at, text, kTrailPhaseColours[m.phase], f.labels);
    }
}

void planGhost(TrailState& trail, const RunTrack& g, double now, const Vec3& pilotOffset, const Vec3& seatOffset) {
    TrailFrame& f = trail.frame;
    f.ghost = true;
    f.ghostPackage = lineUpTo(trail.ghostPackage, now, pilotOffset);
    Vec3 at;
    if (trackPackageAt(g, now, at)) {
        endAt(f.ghostPackage, at, (uint8_t)trackPhaseAt(g, now));
        f.ghostBody = true;
        f.ghostAt = at;
        f.ghostSeatWithPilot = !(g.events.happened[kRunSeparation] && now > g.events.timeS[kRunSeparation]);
    }
    f.ghostSeat = lineUpTo(trail.ghostSeat, now, seatOffset);
    if (g.seatCount > 0 && now > g.seatFromS) {
        long k = (long)((now - g.seatFromS) / kTrackStepS);
        if (k >= g.seatCount) k = g.seatCount - 1;
        endAt(f.ghostSeat, g.seat[k], 0);
    }
    f.ghostMarkFirst = f.markCount;
    addMarks(g, now, pilotOffset, f);
}

}  // namespace

void trailLabelText(int event, double seatTimeS, char* out, int size) {
    if (!out || size <= 0) return;
    if (event < 0 || event >= kRunEventCount) {
        out[0] = '\0';
        return;
    }
    const double shown = seatTimeS < 0.0 ? 0.0 : seatTimeS > 9999.0 ? 9999.0 : seatTimeS;
    std::snprintf(out, (size_t)size, "%s %.2fs", kEventNames[event], shown);
}

void planTrail(TrailState& trail, const RunTracks& tracks, const Simulation& sim, const BodyState& bodies,
               const PolyModel& model, const TrailView& view) {
    TrailFrame& f = trail.frame;
    f = TrailFrame();
    const RunTrack& t = tracks.current;
    if (!trail.shown || !recordedRunPlays(tracks, sim.clocks)) return;
    f.shown = true;
    if (trail.pathSerial != t.serial) {
        thinCurrent(trail, sim, t);
        trail.pathSerial = t.serial;
    }
    const bool ghost = ghostBesideCurrent(tracks);
    if (ghost && trail.ghostSerial != tracks.ghost.serial) {
        thinGhost(trail, tracks.ghost);
        trail.ghostSerial = tracks.ghost.serial;
    }

    // The lines run through the middle of the figures, where they turn.
    const Vec3 pilotOffset = pivotOf(model, kPartPilot) + bodies.seatStartOffset;
    const Vec3 seatOffset = pivotOf(model, kPartSeat) + bodies.seatStartOffset;
    const LabelView labels = labelViewFor(view.eye, view.target, view.up, view.fieldOfViewDeg);
    planCurrent(trail, t, sim, bodies, pilotOffset, seatOffset, labels);
    if (ghost) planGhost(trail, tracks.ghost, sim.clocks.seatTime, pilotOffset, seatOffset);
}
