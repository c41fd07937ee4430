#include "sim/run_track.h"

#include <cmath>

#include "sim/run_analysis.h"
#include "sim/simulation.h"

RunTracks runTracks;

namespace {

constexpr float kPilotHeightDrop = 0.4f;  // from the seat's mounting to the pilot's seat pan

// Milliseconds of seat time in one track step.
constexpr int kTrackStepMs = 10;

Vec3 toVec(const double p[3]) { return Vec3((float)p[0], (float)p[1], (float)p[2]); }
Vec3 toVec(const float p[3]) { return Vec3(p[0], p[1], p[2]); }

Vec3 sampleAt(const Trajectory& t, long index) {
    const int i = clampTrajectoryIndex(t, index);
    return Vec3((float)t.px[i], (float)t.py[i], (float)t.pz[i]);
}

// How the drawn pilot meets the ground: his height over it is the package's
// height plus the seat's mounting less the drop to the seat pan.
struct Ground {
    float mountM;
    bool reached(const Vec3& at) const { return at.z + mountM - kPilotHeightDrop <= 0.0f; }
};

// The package while the run's own samples carry it: index 1 holds the
// start, then one sample a millisecond, up to the first on the ground or
// the end of the window.
void recordSamples(const Simulation& sim, const Ground& ground, RunTrack& t) {
    const Trajectory& tr = *sim.trajectory;
    long last = tr.lastIndex;
    if (t.descentFromS < 1e29 && (long)(t.descentFromS * 1000.0) < last) last = (long)(t.descentFromS * 1000.0);
    for (long i = 1; i <= last; ++i) {
        if (!ground.reached(t.start + sampleAt(tr, i))) continue;
        last = i;
        t.landed = true;
        t.touchdownS = (float)(i * 0.001);
        break;
    }
    t.sampleLastIndex = (int32_t)(last < 1 ? 1 : last);
    int k = 0;
    for (; k < kTrackSamples && (long)k * kTrackStepMs <= last; ++k)
        t.package[k] = t.start + sampleAt(tr, k == 0 ? 1 : (long)k * kTrackStepMs);
    // On the ground between two steps: the last sample is the touchdown.
    if (t.landed && k < kTrackSamples && (long)(k - 1) * kTrackStepMs < last) t.package[k++] = t.start + sampleAt(tr, last);
    t.packageCount = k;
    t.descentFirst = k;
}

// Past the stored window: the descent under the open canopy, as the frames
// would step it, until the drawn pilot is on the ground or the record is full.
void recordDescent(const Simulation& sim, const Ground& ground, RunTracks& tracks) {
    RunTrack& t = tracks.current;
    if (t.landed || t.descentFromS > 1e29) return;
    const SeatRunSummary& run = sim.run;
    DescentState& d = tracks.descent;
    beginDescent(d, run.endP, run.endV, run.endA, run.endTimeS);
    const DescentEnvironment env{sim.runFighterAltitudeM, sim.runMountingHeightM, run.endTimeS};
    long done = 0;
    for (int k = t.packageCount; k < kTrackSamples; ++k) {
        const double s = k * kTrackStepS;
        const long wanted = std::lround((s - run.endTimeS) * 1000.0);
        if (wanted > done) done += descendToGround(d, wanted - done, sim.params, sim.mainChute, env);
        const Vec3 at = t.start + toVec(d.p);
        t.package[k] = at;
        t.packageCount = k + 1;
        if (ground.reached(at) || d.landed) {
            t.landed = true;
            t.touchdownS = (float)s;
            return;
        }
    }
}

// The empty seat on its own path from the separation, held where it landed.
void recordEmptySeat(const Simulation& sim, RunTrack& t) {
    const EmptySeat& seat = sim.emptySeat;
    t.seatCount = 0;
    t.seatFromS = (float)sim.times.tSeatManSeparation;
    if (!seat.computed || !sim.sequencerRun.seatSeparated) return;
    int k = 0;
    for (; k < kTrackSeatSamples && (long)k * kTrackStepMs <= seat.lastIndex; ++k) {
        Vec3 p = emptySeatPosition(seat, (long)k * kTrackStepMs);
        const bool down = seat.landed && p.z < seat.landingPosition.z;
        t.seat[k] = t.start + (down ? seat.landingPosition : p);
        if (down) {
            ++k;
            break;
        }
    }
    t.seatCount = k;
}

Vec3 packageAtEvent(const Simulation& sim, const RunTrack& t, double seatTimeS) {
    if (seatTimeS <= t.descentFromS) {
        long i = (long)(seatTimeS * 1000.0);
        if (i < 1) i = 1;
        if (i > t.sampleLastIndex) i = t.sampleLastIndex;
        return t.start + sampleAt(*sim.trajectory, i);
    }
    Vec3 at;
    if (!trackPackageAt(t, seatTimeS, at)) at = t.package[t.packageCount > 0 ? t.packageCount - 1 : 0];
    return at;
}

void recordEvents(const Simulation& sim, RunTracks& tracks) {
    RunTrack& t = tracks.current;
    double openS = 0.0;
    const bool open = fullOpeningOf(sim, openS);
    const double coveredS = t.landed ? t.touchdownS : (t.packageCount - 1) * kTrackStepS;
    t.events = runEvents(sim, open, openS, coveredS);
    for (int k = 0; k < kRunEventCount; ++k)
        t.eventAt[k] = t.events.happened[k] ? packageAtEvent(sim, t, t.events.timeS[k]) : Vec3();

    RunSummary& s = t.summary;
    s = RunSummary();
    s.mode = sim.times.seqMode;
    s.airspeedKt = sim.params.initialTasKt;
    s.apexM = sim.run.apexHeightM;
    // An opening after the touchdown does not count.
    s.fullyOpen = t.events.happened[kRunFullOpening];
    s.fullyOpenS = (float)openS;
    const Touchdown td = touchdownOf(sim, tracks.descent);
    s.touchedDown = td.reached;
    s.touchdownSpeedMs = (float)std::hypot(td.verticalSpeedMs, td.horizontalSpeedMs);
}

}  // namespace

void recordRunTrack(const Simulation& sim, RunTracks& tracks) {
    RunTrack& t = tracks.current;
    t.serial = ++tracks.lastSerial;
    if (t.serial == 0) t.serial = ++tracks.lastSerial;  // 0 means "none"
    t.runStartMs = sim.clocks.startTimeMs;
    t.start = toVec(sim.fighter.start);
    t.landed = false;
    t.touchdownS = 0.0f;
    t.descentFromS = sim.run.windowEnded ? sim.times.tMainFire + 10.0 : 1e30;
    t.catapultEndS = sim.derived.catapultPhaseTimeS;
    t.rocketEndS = (float)(sim.times.tRocketFire + sim.params.rocketBurnTimeS);
    const Ground ground{(float)sim.runMountingHeightM};
    recordSamples(sim, ground, t);
    recordDescent(sim, ground, tracks);
    recordEmptySeat(sim, t);
    recordEvents(sim, tracks);
}

void notePlaybackStart(RunTracks& tracks, uint32_t startMs) { tracks.current.runStartMs = startMs; }

bool keepGhost(RunTracks& tracks) {
    if (tracks.current.serial == 0) return false;
    tracks.ghost = tracks.current;
    tracks.ghostKept = true;
    return true;
}

void clearGhost(RunTracks& tracks) { tracks.ghostKept = false; }

bool recordedRunPlays(const RunTracks& tracks, const PlaybackClocks& clocks) {
    const RunTrack& t = tracks.current;
    return clocks.playing != 0 && t.serial != 0 && t.runStartMs == clocks.startTimeMs;
}

bool ghostBesideCurrent(const RunTracks& tracks) {
    return tracks.ghostKept && tracks.current.serial != 0 && tracks.ghost.serial != tracks.current.serial;
}

bool trackPackageAt(const RunTrack& t, double seatTimeS, Vec3& at) {
    if (t.packageCount <= 0) return false;
    const double k = seatTimeS > 0.0 ? seatTimeS / kTrackStepS : 0.0;
    const int last = t.packageCount - 1;
    if (!(k < last)) {
        // Held on the ground once down; gone where the record ran out.
        at = t.package[last];
        return t.landed || k <= last;
    }
    const int i = (int)k;
    const float f = (float)(k - i);
    at = t.package[i] + (t.package[i + 1] - t.package[i]) * f;
    return true;
}

TrackPhase trackPhaseAt(const RunTrack& t, double s) {
    if (s <= t.catapultEndS) return kTrackRails;
    if (s <= t.rocketEndS) return kTrackRocket;
    const RunEvents& e = t.events;
    if (e.happened[kRunFullOpening] && s > e.timeS[kRunFullOpening]) return kTrackDescent;
    if (e.happened[kRunSeparation] && s > e.timeS[kRunSeparation]) return kTrackUnderMain;
    return kTrackFreeFlight;
}
