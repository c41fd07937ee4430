// The trail without GL: thinning sampled paths to a vertex budget, the
// labels that face the eye, and whole runs planned frame by frame with a
// ghost of an earlier run beside them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "render/body_state.h"
#include "render/poly_model.h"
#include "render/trail.h"
#include "sim/playback.h"
#include "sim/simulation.h"

namespace {

// ---- Thinning on paths made up here -------------------------------------------

struct MadePath {
    std::vector<Vec3> at;
    double stepS = 0.001;
};

double madeTime(const void* s, long i) { return i * ((const MadePath*)s)->stepS; }
Vec3 madePosition(const void* s, long i) { return ((const MadePath*)s)->at[(size_t)i]; }

PathSamples samplesOf(const MadePath& p) { return PathSamples{&p, (long)p.at.size(), madeTime, madePosition}; }

// A climbing spiral with a ripple of a few centimetres on it: detail at every
// scale, so the budget, not the tolerance, decides.
MadePath spiral(long n) {
    MadePath p;
    p.at.resize((size_t)n);
    for (long i = 0; i < n; ++i) {
        const double t = i * 0.001;
        const double ripple = 0.03 * std::sin(t * 400.0);
        p.at[(size_t)i] = Vec3((float)(20.0 * std::cos(t) + ripple), (float)(20.0 * std::sin(t)), (float)(3.0 * t));
    }
    return p;
}

double distanceToSegment(const Vec3& p, const Vec3& a, const Vec3& b) {
    const double ab[3] = {(double)b.x - a.x, (double)b.y - a.y, (double)b.z - a.z};
    const double ap[3] = {(double)p.x - a.x, (double)p.y - a.y, (double)p.z - a.z};
    const double len2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    double f = len2 > 0 ? (ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / len2 : 0;
    f = f < 0 ? 0 : f > 1 ? 1 : f;
    const double d[3] = {ap[0] - f * ab[0], ap[1] - f * ab[1], ap[2] - f * ab[2]};
    return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

bool hasVertexAt(const TrailPath& path, double timeS) {
    for (int k = 0; k < path.count; ++k)
        if (std::fabs(path.timeS[k] - timeS) < 1e-6) return true;
    return false;
}

TrailThinning scratch;
TrailPath thinned;

}  // namespace

TEST(TrailThinning, KeepsEveryChosenSampleAndNeverExceedsItsBudget) {
    const MadePath p = spiral(200000);
    const double events[] = {0.178, 0.198, 0.448, 4.78, 5.064, 150.0};
    for (int budget : {12, 64, 500, 2048}) {
        thinPath(samplesOf(p), events, 6, budget, kTrailToleranceM, scratch, thinned);
        EXPECT_LE(thinned.count, budget) << budget;
        EXPECT_GE(thinned.count, 8) << budget;
        EXPECT_FLOAT_EQ(thinned.timeS[0], 0.0f);
        EXPECT_NEAR(thinned.timeS[thinned.count - 1], 199.999, 1e-3);
        // The sample shown at each moment, to the millisecond.
        for (double t : events) EXPECT_TRUE(hasVertexAt(thinned, std::floor(t * 1000.0 + 1e-9) / 1000.0)) << t;
        for (int k = 1; k < thinned.count; ++k) ASSERT_LT(thinned.timeS[k - 1], thinned.timeS[k]);
    }
    // A budget below the chosen samples still holds, first and last kept.
    thinPath(samplesOf(p), events, 6, 4, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(thinned.count, 4);
    EXPECT_NEAR(thinned.timeS[3], 199.999, 1e-3);
}

TEST(TrailThinning, NoSampleLiesFartherFromTheLineThanTheToleranceItReports) {
    const MadePath p = spiral(30000);
    thinPath(samplesOf(p), nullptr, 0, kTrailPathCapacity, kTrailToleranceM, scratch, thinned);
    ASSERT_GE(thinned.count, 2);
    double worst = 0.0;
    int seg = 0;
    for (long i = 0; i < (long)p.at.size(); ++i) {
        const double t = i * p.stepS;
        while (seg + 2 < thinned.count && thinned.timeS[seg + 1] < t) ++seg;
        worst = std::fmax(worst, distanceToSegment(p.at[(size_t)i], thinned.at[seg], thinned.at[seg + 1]));
    }
    EXPECT_LE(worst, thinned.toleranceM + 1e-4);
    // A straight stretch needs only its ends.
    MadePath line;
    for (int i = 0; i < 5000; ++i) line.at.push_back(Vec3(1000.0f + i * 0.05f, -3.0f, 100.0f + i * 0.02f));
    thinPath(samplesOf(line), nullptr, 0, 100, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(thinned.count, 2);
    EXPECT_FLOAT_EQ(thinned.toleranceM, kTrailToleranceM);
}

TEST(TrailThinning, ShortAndEmptyPathsAndTheShownVertexCount) {
    MadePath none;
    thinPath(samplesOf(none), nullptr, 0, 10, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(thinned.count, 0);
    MadePath one;
    one.at.push_back(Vec3(1, 2, 3));
    const double late[] = {5.0};
    thinPath(samplesOf(one), late, 1, 10, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(thinned.count, 1);
    EXPECT_EQ(verticesUpTo(thinned, -1.0), 0);
    EXPECT_EQ(verticesUpTo(thinned, 0.0), 1);

    const MadePath p = spiral(4000);
    thinPath(samplesOf(p), nullptr, 0, 200, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(verticesUpTo(thinned, 1e9), thinned.count);
    const int half = verticesUpTo(thinned, 2.0);
    EXPECT_GT(half, 0);
    EXPECT_LT(half, thinned.count);
    EXPECT_LE(thinned.timeS[half - 1], 2.0f);
    EXPECT_GT(thinned.timeS[half], 2.0f);
    // Moments before the start and after the end add nothing.
    const double outside[] = {-3.0, 99.0};
    thinPath(samplesOf(p), outside, 2, 200, kTrailToleranceM, scratch, thinned);
    const int plain = thinned.count;
    thinPath(samplesOf(p), nullptr, 0, 200, kTrailToleranceM, scratch, thinned);
    EXPECT_EQ(thinned.count, plain);
}

// ---- Labels ---------------------------------------------------------------------

namespace {

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The plate's height on the screen in pixels, projected as the view does.
float platePixels(const LabelView& v, const TrailLabel& l) {
    const Vec3 a = l.plate[0] - v.eye, b = l.plate[3] - v.eye;
    const float ya = dot(a, v.up) / (dot(a, v.forward) * v.metresPerPixelAt1m);
    const float yb = dot(b, v.up) / (dot(b, v.forward) * v.metresPerPixelAt1m);
    return yb - ya;
}

const float kWhite[3] = {1, 1, 1};

}  // namespace

TEST(TrailLabels, FaceTheEyeAtOneSizeOnTheScreenAndStackWhenTheyMeet) {
    const LabelView v = labelViewFor(Vec3(0, 0, 2), Vec3(0, 100, 2), Vec3(0.0f, 1.0f, 90.0f), 50.0f);
    EXPECT_NEAR(v.forward.y, 1.0f, 1e-6f);
    EXPECT_NEAR(dot(v.right, v.forward), 0.0f, 1e-6f);
    EXPECT_NEAR(v.metresPerPixelAt1m, 2.0 * std::tan(25.0 * M_PI / 180.0) / 600.0, 1e-7);

    TrailLabels labels;
    addTrailLabel(v, Vec3(3, 20, 5), "MAIN 0.45s", kWhite, labels);
    addTrailLabel(v, Vec3(-40, 400, 30), "FULL OPEN 5.06s", kWhite, labels);
    ASSERT_EQ(labels.count, 2);
    for (int k = 0; k < 2; ++k) {
        const TrailLabel& l = labels.label[k];
        // Flat to the eye: every corner at the depth of the first.
        for (const Vec3& c : l.plate) EXPECT_NEAR(dot(c - v.eye, v.forward), dot(l.plate[0] - v.eye, v.forward), 1e-3f);
        EXPECT_NEAR(platePixels(v, l), 16.0f * kLabelScale + 4.0f, 0.01f);
        EXPECT_FALSE(l.leader);
    }
    EXPECT_EQ(labels.label[0].glyphCount, (int)std::strlen("MAIN 0.45s"));
    EXPECT_GT(labels.label[1].glyphs[0].s1, labels.label[1].glyphs[0].s0);

    // Moments a few millimetres apart: each label on a line of its own, led
    // back to its mark.
    TrailLabels close;
    const char* texts[] = {"CAT END 0.18s", "ROCKET 0.20s", "DROGUE 0.22s"};
    for (int k = 0; k < 3; ++k) addTrailLabel(v, Vec3(0, 30, 2.0f + k * 0.01f), texts[k], kWhite, close);
    ASSERT_EQ(close.count, 3);
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) {
            const float* p = close.label[a].screenBox;
            const float* q = close.label[b].screenBox;
            EXPECT_FALSE(p[0] < q[2] && q[0] < p[2] && p[1] < q[3] && q[1] < p[3]) << a << " " << b;
        }
    EXPECT_FALSE(close.label[0].leader);
    EXPECT_TRUE(close.label[1].leader && close.label[2].leader);

    // Behind the eye, empty, or beyond the list's room: no label.
    TrailLabels few;
    addTrailLabel(v, Vec3(0, -10, 2), "BEHIND", kWhite, few);
    addTrailLabel(v, Vec3(0, 10, 2), "", kWhite, few);
    EXPECT_EQ(few.count, 0);
    for (int k = 0; k < kTrailLabelCapacity + 3; ++k) addTrailLabel(v, Vec3(0, 10.0f + k, 2), "X", kWhite, few);
    EXPECT_EQ(few.count, kTrailLabelCapacity);
}

TEST(TrailLabels, TextNamesTheMomentAndItsTime) {
    char text[kLabelChars + 1];
    trailLabelText(kRunCatapultEnd, 0.178, text, sizeof text);
    EXPECT_STREQ(text, "CAT END 0.18s");
    trailLabelText(kRunFullOpening, 5.064, text, sizeof text);
    EXPECT_STREQ(text, "FULL OPEN 5.06s");
    trailLabelText(kRunSeparation, 1e12, text, sizeof text);
    EXPECT_STREQ(text, "SEPARATION 9999.00s");
    trailLabelText(kRunEventCount, 1.0, text, sizeof text);
    EXPECT_STREQ(text, "");
    trailLabelText(kRunMainFire, 0.45, text, 6);
    EXPECT_STREQ(text, "MAIN ");
}

// ---- Whole runs -------------------------------------------------------------------

namespace {

PolyModel noModel;  // no parts: the lines run through the package's reference point
BodyState bodies;

class TrailRuns : public ::testing::Test {
protected:
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>();
    std::unique_ptr<RunTracks> tracks = std::make_unique<RunTracks>();
    std::unique_ptr<TrailState> trail = std::make_unique<TrailState>();
    TrailView view{Vec3(-100, 0, 2), Vec3(0, 0, 20), Vec3(0.0f, 1.0f, 90.0f), 50.0f};

    void SetUp() override {
        setDefaults(*sim);
        resetToZeroZero(*sim, 0);
        trail->shown = true;
    }

    void runAt(float airspeedKt, uint32_t startMs) {
        sim->params.initialTasKt = airspeedKt;
        startEjection(*sim, false, startMs, 25);
        recordRunTrack(*sim, *tracks);
    }

    // One frame at the seat time s: the clocks, the package where the body
    // pass would put it, then the plan.
    const TrailFrame& frameAt(double s) {
        const uint32_t lead = (uint32_t)std::lround((sim->params.countdownS + sim->params.canopyDelayS) * 1000.0);
        updatePlaybackClocks(sim->clocks, sim->clocks.startTimeMs + lead + (uint32_t)std::lround(s * 1000.0),
                             sim->params, sim->times);
        Vec3 at;
        trackPackageAt(tracks->current, sim->clocks.seatTime, at);
        bodies.packagePoint = at;
        planTrail(*trail, *tracks, *sim, bodies, noModel, view);
        return trail->frame;
    }
};

int drawnVertices(const TrailLine& l) { return l.count + (l.endShown ? 1 : 0); }

}  // namespace

TEST_F(TrailRuns, TheZeroZeroRunUpToTheClockWithItsMomentsMarked) {
    runAt(0.0f, 1000);
    trail->shown = false;
    EXPECT_FALSE(frameAt(3.0).shown);
    trail->shown = true;

    const TrailFrame& early = frameAt(0.1);
    ASSERT_TRUE(early.shown);
    EXPECT_GT(early.package.count, 0);
    EXPECT_EQ(early.markCount, 0);  // nothing has happened yet
    for (int k = 0; k < early.package.count; ++k) EXPECT_LE(early.package.path->timeS[k], 0.1f);
    EXPECT_TRUE(early.package.endShown);
    EXPECT_EQ(early.package.endPhase, kTrackRails);

    // Every moment of the run is a vertex of the thinned path.
    const TrailPath& path = trail->package;
    const RunEvents& e = tracks->current.events;
    for (int k = 0; k < kRunEventCount; ++k) {
        ASSERT_TRUE(e.happened[k]) << k;
        EXPECT_TRUE(hasVertexAt(path, std::floor(e.timeS[k] * 1000.0 + 1e-6) / 1000.0)) << k;
    }
    EXPECT_LE(path.count, kTrailPackageBudget);
    // The colours change where the phases do, in order.
    for (int k = 1; k < path.count; ++k) EXPECT_GE(path.phase[k], path.phase[k - 1]);
    EXPECT_EQ(path.phase[path.count - 1], kTrackDescent);

    const TrailFrame& late = frameAt(60.0);
    EXPECT_EQ(late.markCount, kRunEventCount);
    EXPECT_EQ(late.labels.count, kRunEventCount);
    EXPECT_EQ(late.package.count, path.count);
    // The path ends on the ground, where the pilot stands.
    EXPECT_LT(path.at[path.count - 1].z + sim->runMountingHeightM - 0.4, 0.01);
    // The empty seat has a thinner line of its own from the separation.
    EXPECT_GT(late.seat.count, 1);
    EXPECT_GE(trail->seat.timeS[0], (float)e.timeS[kRunSeparation] - 1e-4f);
    EXPECT_FALSE(late.ghost);
    EXPECT_LE(drawnVertices(late.package) + drawnVertices(late.seat), kTrailPackageBudget + kTrailSeatBudget + 2);

    // A stopped run shows no trail.
    resetScene(*sim, 0);
    planTrail(*trail, *tracks, *sim, bodies, noModel, view);
    EXPECT_FALSE(trail->frame.shown);
}

TEST_F(TrailRuns, AGhostKeptFromOneRunIsShownBesideTheNext) {
    EXPECT_FALSE(keepGhost(*tracks));  // nothing recorded yet
    runAt(0.0f, 1000);
    ASSERT_TRUE(keepGhost(*tracks));
    EXPECT_FALSE(ghostBesideCurrent(*tracks));  // not beside the run it is
    EXPECT_FALSE(frameAt(2.0).ghost);

    runAt(200.0f, 90000);
    ASSERT_TRUE(ghostBesideCurrent(*tracks));
    const TrailFrame& f = frameAt(2.0);
    ASSERT_TRUE(f.ghost);
    EXPECT_GT(f.ghostPackage.count, 1);
    EXPECT_GT(f.package.count, 1);
    // The ghost's package at the same seat time, on its own path.
    Vec3 ghostAt;
    ASSERT_TRUE(trackPackageAt(tracks->ghost, 2.0, ghostAt));
    ASSERT_TRUE(f.ghostBody);
    EXPECT_NEAR((f.ghostAt - ghostAt).length(), 0.0f, 1e-4f);
    EXPECT_TRUE(f.ghostSeatWithPilot);   // the 0 kt seat falls away at 4.8 s
    EXPECT_FALSE(frameAt(6.0).ghostSeatWithPilot);
    // The two runs part: at 200 kt the seat is carried far down the runway.
    EXPECT_GT((trail->package.at[trail->package.count - 1] - trail->ghostPackage.at[trail->ghostPackage.count - 1]).length(),
              100.0f);
    const TrailFrame& late = frameAt(60.0);
    EXPECT_EQ(late.markCount - late.ghostMarkFirst, kRunEventCount);
    EXPECT_EQ(late.labels.count, kRunEventCount);  // the ghost's moments are marked, not labelled
    const int total = drawnVertices(late.package) + drawnVertices(late.seat) + drawnVertices(late.ghostPackage) +
                      drawnVertices(late.ghostSeat);
    EXPECT_LE(total, kTrailPackageBudget + kTrailSeatBudget + kGhostPackageBudget + kGhostSeatBudget + 4);

    clearGhost(*tracks);
    EXPECT_FALSE(frameAt(3.0).ghost);
}
