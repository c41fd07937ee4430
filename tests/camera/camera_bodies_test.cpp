// Every camera key shows its body: whole runs played frame by frame against
// the shipped model, the keys pressed as a person would, and each frame's
// view checked to have the body in front of the eye and inside the picture.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "camera/camera_scene.h"
#include "camera/camera_state.h"
#include "camera/camera_view.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/key_commands.h"
#include "input/mouse_device.h"
#include "menu/menu.h"
#include "overlay/overlay_state.h"
#include "platform/keycodes.h"
#include "render/body_frame.h"
#include "render/model_geometry.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/frame_clock.h"
#include "sim/playback.h"
#include "sim/playback_clocks.h"
#include "sim/simulation.h"

namespace {

PartSnapshot snapshot;
SeatAxes axes;
BodyAttitudeState attitude;
ChuteMesh drogueMesh, mainMesh;

struct Counter : RandomSource {
    int n = 0;
    int next() override { return (n += 7919) % 32768; }
} counter;

// The fly-by cameras' angles: the program's generator, seeded per case.
int randomDraw() { return std::rand(); }

// Where a point falls in the 800x600 picture of a look-at view with the
// program's projection (field of view 50 degrees, 4:3, near plane 1 m).
struct Projected {
    bool inFront = false;
    float x = 0.0f, y = 0.0f;  // pixels from the top-left
    bool inside() const { return inFront && x >= 0.0f && x <= 800.0f && y >= 0.0f && y <= 600.0f; }
};

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(const Vec3& a, const Vec3& b) {
    return Vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
Vec3 unit(const Vec3& a) { return a * (1.0f / a.length()); }

Projected project(const CameraView& v, const Vec3& point) {
    const Vec3 f = unit(v.target - v.eye);
    const Vec3 s = unit(cross(f, v.up));
    const Vec3 u = cross(s, f);
    const Vec3 d = point - v.eye;
    Projected p;
    const float depth = dot(d, f);
    p.inFront = depth > 1.0f;
    if (!p.inFront) return p;
    const float t = std::tan(25.0f * 0.017453292f);
    const float nx = dot(d, s) / (depth * t * (4.0f / 3.0f)), ny = dot(d, u) / (depth * t);
    p.x = (nx + 1.0f) * 400.0f;
    p.y = (1.0f - ny) * 300.0f;
    return p;
}

// The middle of a model part's vertices as they are drawn this frame.
Vec3 partCentre(const PolyModel& m, int part) {
    int first, last;
    Vec3 sum;
    int n = 0;
    if (!partSlotRange(m, part, &first, &last)) return sum;
    for (int i = first; i <= last; ++i)
        if (isVertexKind(m.slotKind[i])) {
            sum = sum + m.drawPos[i];
            ++n;
        }
    return n ? sum * (1.0f / (float)n) : sum;
}

enum class Flight { Default, ZeroZero, Mode2 };

const char* runName(Flight r) { return r == Flight::Default ? "default" : r == Flight::ZeroZero ? "zero-zero" : "mode 2"; }

struct CameraKey {
    int key;
    const char* name;
    bool pilot;   // the body it shows: the pilot, else the fighter
    bool random;  // placed at random angles (the fly-by cameras)
};
const CameraKey kCameraKeys[] = {
    {VK_F2, "F2", false, true},  {VK_F3, "F3", true, true},   {VK_F4, "F4", false, false},
    {VK_F5, "F5", true, false},  {VK_F6, "F6", false, false}, {VK_F7, "F7", true, false},
};

class CameraBodies : public ::testing::Test {
protected:
    void SetUp() override {
        std::string path = std::string(VORIX_BUILD_DIR) + "/Data/poly.txt";
        struct stat st;
        if (stat(path.c_str(), &st) != 0) GTEST_SKIP() << "no generated model at " << path;
        setDefaults(simulation);
        deriveCatapult(simulation);
        setCameraDefaults(camera);
        setInputDefaults(input);
        frameClock = FrameClock{};
        camera.fieldOfView = 50.0f;
        mouseDevice = MouseDevice{};
        setSceneLightDefaults(sceneLight);
        setSceneSwitchDefaults(sceneSwitches);
        bodyState = BodyState{};
        menu = MenuState{};
        attitude = BodyAttitudeState();
        const FighterAttitude& a = simulation.attitude;
        ASSERT_TRUE(loadFighterModel(path.c_str(), polyModel, a.pitchDeg, a.rollDeg, a.headingDeg,
                                     simulation.params.seatBackAngleDeg, (float)simulation.constants.rocketCantDeg,
                                     axes, snapshot, simulation.geometry));
    }

    void key(int vk) {
        KeyResult res = applyKey(vk, KeyModifiers{}, r, nowMs);
        finishKey(res, r);
    }

    void setUpRun(Flight run) {
        if (run == Flight::ZeroZero) key(VK_HOME);
        if (run == Flight::Mode2) {
            simulation.params.initialTasKt = 420.0f;
            simulation.fighterPosition.altitude = 1500.0;
            key(VK_NUMPAD9);  // a key brings the derived values and the cameras up to date
            key(VK_NUMPAD3);
        }
    }

    void eject() {
        startEjection(simulation, false, nowMs, 25);
        simulation.clocks.startTimeMs = nowMs;
    }

    // One frame of the program: clocks, live descent, the view, the bodies.
    // Returns where the camera's body falls in the picture.
    Projected frame(bool pilot) {
        Simulation& sim = simulation;
        if (sim.clocks.playing) {
            updatePlaybackClocks(sim.clocks, nowMs, sim.params, sim.times);
            advanceDescentForFrame(sim);
        }
        CameraScene scene = cameraSceneFor(sim, bodyState, polyModel);
        CameraView view = computeCameraView(camera, scene, nowMs, randomDraw);
        BodyScene bodies{polyModel, snapshot, axes, bodyState, attitude, drogueMesh, mainMesh, counter, true};
        BodyFrame f = planBodyFrame(sim, bodies);
        Vec3 body;
        if (pilot) body = f.pilot.at + partCentre(polyModel, kPartPilot);
        else if (f.crashFire) body = f.crashPoint;
        else body = f.fighter.at + partCentre(polyModel, kPartFighter);
        lastEye = view.eye;
        lastTarget = view.target;
        lastBody = body;
        // Frames come every 10 ms through the run's events, then every 100
        // ms through the long descent.
        nowMs += sim.clocks.flightTime < 30.0 ? 10 : 100;
        return project(view, body);
    }

    // Plays frames up to a seat time (or flight time before the seat moves).
    void playTo(double flightS, bool pilot) {
        while (simulation.clocks.playing && simulation.clocks.flightTime < flightS) frame(pilot);
    }

    std::string where(const Projected& p) const {
        char text[300];
        std::snprintf(text, sizeof text,
                      "eye (%.1f %.1f %.1f) target (%.1f %.1f %.1f) body (%.1f %.1f %.1f) %s at (%.0f, %.0f)",
                      lastEye.x, lastEye.y, lastEye.z, lastTarget.x, lastTarget.y, lastTarget.z, lastBody.x,
                      lastBody.y, lastBody.z, p.inFront ? "in front" : "behind", p.x, p.y);
        return text;
    }

    InputRecords r = processInputRecords();
    uint32_t nowMs = 5000;
    Vec3 lastEye, lastBody, lastTarget;
};

// The moments looked at: flight times through the run, then after the landing.
const double kMoments[] = {0.1, 0.3, 0.6, 1.0, 2.0, 4.0, 8.0, 15.0, 30.0};

}  // namespace

class CameraBodiesRun : public CameraBodies {
public:
    using CameraBodies::SetUp;
    void check(Flight run, const CameraKey& k, unsigned seed) {
        std::srand(seed);
        setUpRun(run);
        const std::string label = std::string(runName(run)) + " " + k.name + " seed " + std::to_string(seed);
        key(k.key);
        for (int n = 0; n < 3; ++n) {
            Projected p = frame(k.pilot);
            ASSERT_TRUE(p.inside()) << label << " before the run: " << where(p);
        }
        eject();
        if (run == Flight::Mode2) {
            ASSERT_EQ(simulation.times.seqMode, 2) << label;
        }
        for (double at : kMoments) {
            playTo(at, k.pilot);
            Projected p = frame(k.pilot);
            EXPECT_TRUE(p.inside()) << label << " at " << simulation.clocks.flightTime << " s: " << where(p);
            // The same key pressed now, as a person would on seeing the moment.
            key(k.key);
            p = frame(k.pilot);
            EXPECT_TRUE(p.inside()) << label << " pressed at " << simulation.clocks.flightTime << " s: " << where(p);
        }
        // After the landing, and after the fly-by cameras' 15 s wait, twice.
        int guard = 0;
        while (!bodyState.landed && ++guard < 200000) frame(k.pilot);
        ASSERT_TRUE(bodyState.landed) << label;
        for (int s = 0; s < 4; ++s) {
            for (int n = 0; n < 80; ++n) frame(k.pilot);
            Projected p = frame(k.pilot);
            EXPECT_TRUE(p.inside()) << label << " landed, " << simulation.clocks.flightTime << " s: " << where(p);
            key(k.key);
            p = frame(k.pilot);
            EXPECT_TRUE(p.inside()) << label << " pressed after landing, " << simulation.clocks.flightTime
                                    << " s: " << where(p);
        }
    }
};

// Each run with every camera key, the fly-by cameras with a few draws of
// their angles.
void checkEveryKey(CameraBodiesRun& t, Flight run) {
    for (const CameraKey& k : kCameraKeys)
        for (unsigned seed = 1; seed <= (k.random ? 3u : 1u); ++seed) {
            t.SetUp();
            t.check(run, k, seed);
        }
}

TEST_F(CameraBodiesRun, DefaultRun) { checkEveryKey(*this, Flight::Default); }
TEST_F(CameraBodiesRun, ZeroZeroRun) { checkEveryKey(*this, Flight::ZeroZero); }
TEST_F(CameraBodiesRun, Mode2RunAt420KnotsAnd1500Metres) { checkEveryKey(*this, Flight::Mode2); }
