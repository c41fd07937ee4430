// The starter "Data/scene.ini": a handful of named scenes a new user can load
// from the SCENE page. Each starts from the zero-zero (HOME) state and changes
// only what makes the scene; the file is written exactly as the program
// writes it (presets sorted by name, byte by byte), and only where the Data
// folder has none.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assets/atomic_write.h"
#include "menu/scene_values.h"
#include "sim/parameter_table.h"
#include "tools/assetgen/generators.h"

namespace {

constexpr double kRadPerDeg = 0.017453292;

struct OrbitSetting {
    float distance = 50.0f, azimuth = 270.0f, elevation = 60.0f;  // start-up (looking down on the body)
};

struct Scene {
    const char* name;
    float tasKt = 0.0f;
    float heading = 360.0f, pitch = 360.0f, roll = 360.0f;
    double x = 0.0, y = 0.0, altitude = 0.0;
    int cameraMode = 0;
    float cameraYaw = 270.0f, cameraPitch = 1.0f;
    float freeCamera[3] = {-100.0f, 0.0f, 1.55f};
    OrbitSetting pilotOrbit, fighterOrbit;
};

struct Vec {
    float x, y, z;
};

// Where the orbit update puts the eye about a centre (elevation 0 is straight
// above); the eye never goes below 1.8 m.
Vec orbitEye(const OrbitSetting& o, Vec centre) {
    double a = o.azimuth * kRadPerDeg, e = o.elevation * kRadPerDeg;
    Vec eye = {(float)(centre.x + o.distance * std::sin(a) * std::sin(e)),
               (float)(centre.y - o.distance * std::cos(a) * std::sin(e)),
               (float)(centre.z + o.distance * std::cos(e))};
    if (eye.z < 1.8f) eye.z = 1.8f;
    return eye;
}

// Rounding residues of the trigonometry (sin 180 is not exactly 0) would
// print as "-0.000"; anything that rounds to zero is written as 0.
void put(float* v, int index, double value) { v[index] = std::fabs(value) < 0.0005 ? 0.0f : (float)value; }

void putVec(float* v, int first, Vec p) {
    put(v, first, p.x);
    put(v, first + 1, p.y);
    put(v, first + 2, p.z);
}

// The 70 values of a scene: the parameters from the zero-zero (HOME) state
// (the ones HOME leaves alone at their start-up values) with the scene's
// airspeed, attitude and position, the switches in their start-up state.
void fillValues(const Scene& s, float* v) {
    using V = SceneValue;
    SimParams params;
    SimConstants constants;
    FighterAttitude attitude;
    FighterPosition position;
    setDefaultParams(params, constants, attitude, position);
    applyZeroZeroParams(params, constants, attitude, position);
    params.initialTasKt = s.tasKt;
    attitude = {s.heading, s.pitch, s.roll};
    position = {s.x, s.y, s.altitude};
    float parameters[V::count] = {};
    captureSceneParameters({&params, &attitude, &position}, parameters);
    for (int k = 0; k < V::count; ++k) put(v, k, parameters[k]);  // the camera values below fill the rest

    // Orbit cameras as the orbit update would place them about the fighter;
    // the program recomputes them from distance and angles on load.
    Vec pilotCentre = {(float)s.x, (float)s.y, (float)s.altitude};
    Vec fighterCentre = pilotCentre;
    if (fighterCentre.z < 0.0f) fighterCentre.z = 1.0f;
    put(v, V::watchFollow, 0);
    putVec(v, V::pilotOrbitEyeX, orbitEye(s.pilotOrbit, pilotCentre));
    putVec(v, V::pilotOrbitCentreX, pilotCentre);
    putVec(v, V::fighterOrbitEyeX, orbitEye(s.fighterOrbit, fighterCentre));
    putVec(v, V::fighterOrbitCentreX, fighterCentre);
    putVec(v, V::freeCameraX, {s.freeCamera[0], s.freeCamera[1], s.freeCamera[2]});
    double yaw = s.cameraYaw * kRadPerDeg, pitch = s.cameraPitch * kRadPerDeg;
    putVec(v, V::lookTargetX,
           {(float)(-1e6 * std::sin(yaw) * std::cos(pitch)), (float)(1e6 * std::cos(yaw) * std::cos(pitch)),
            (float)(1e6 * std::sin(pitch))});

    put(v, V::cameraPitch, s.cameraPitch);
    put(v, V::cameraYaw, s.cameraYaw);
    put(v, V::cameraMode, s.cameraMode);

    put(v, V::soundOn, 1);
    put(v, V::treesOn, 1);
    put(v, V::buildingsOn, 0);
    put(v, V::skyOn, 1);
    put(v, V::fighterOn, 1);

    put(v, V::pilotOrbitDistance, s.pilotOrbit.distance);
    put(v, V::pilotOrbitAzimuth, s.pilotOrbit.azimuth);
    put(v, V::pilotOrbitElevation, s.pilotOrbit.elevation);
    put(v, V::fighterOrbitDistance, s.fighterOrbit.distance);
    put(v, V::fighterOrbitAzimuth, s.fighterOrbit.azimuth);
    put(v, V::fighterOrbitElevation, s.fighterOrbit.elevation);
    put(v, V::fieldOfView, 50);
}

// An ejection in flight, watched from an orbit round the pilot (camera mode 3)
// with the free camera left beside the fighter at its height.
Scene flightScene(const char* name, float tasKt, double altitude, float orbitAzimuth) {
    Scene s;
    s.name = name;
    s.tasKt = tasKt;
    s.altitude = altitude;
    s.cameraMode = 3;
    s.cameraPitch = 0.0f;
    s.freeCamera[2] = (float)(altitude + 1.55);
    s.pilotOrbit = {35.0f, orbitAzimuth, 65.0f};
    return s;
}

std::vector<Scene> starterScenes() {
    std::vector<Scene> scenes;
    Scene home;  // the HOME key's zero-zero state
    home.name = "Zero-zero on the runway";
    scenes.push_back(home);

    Scene inverted;  // the 0 key's inverted low pass
    inverted.name = "Inverted low pass 150 kt";
    inverted.cameraMode = 1;
    inverted.roll = 180.0f;
    inverted.tasKt = 150.0f;
    inverted.altitude = 45.0;
    inverted.freeCamera[0] = -118.0f;
    inverted.freeCamera[1] = -197.0f;
    inverted.cameraYaw = 311.0f;
    inverted.cameraPitch = 10.0f;
    scenes.push_back(inverted);

    scenes.push_back(flightScene("Mode 2 ejection 400 kt low level", 400.0f, 90.0, 270.0f));
    scenes.push_back(flightScene("Mode 3 ejection 600 kt near sea level", 600.0f, 50.0, 300.0f));
    scenes.push_back(flightScene("Mode 4 ejection 4000 m", 300.0f, 4000.0, 240.0f));
    scenes.push_back(flightScene("Mode 5 ejection 6000 m", 250.0f, 6000.0, 270.0f));
    std::sort(scenes.begin(), scenes.end(),
              [](const Scene& a, const Scene& b) { return std::strcmp(a.name, b.name) < 0; });
    return scenes;
}

void append(std::string& out, const char* format, double value) {
    char buf[64];
    int n = std::snprintf(buf, sizeof buf, format, value);
    if (n > 0) out.append(buf, (size_t)std::min(n, (int)sizeof buf - 1));
}

}  // namespace

bool generateSceneIni(const std::string& dataDir) {
    // The file holds the user's saved scenes once the simulator has run: a
    // rebuild (which runs the generator again) must never replace it.
    std::string path = dataDir + "/scene.ini";
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) return true;
    std::string text = "\nWARNING: Do Not Edit ! May Cause Crash!\n";
    for (const Scene& s : starterScenes()) {
        float values[SceneValue::count] = {};
        fillValues(s, values);
        text += "\n[Name]:";
        text += s.name;
        text += "\n";
        for (float v : values) append(text, "%3.3f ", v);
    }
    text += "\n[END]\n";
    if (!writeFileAtomic(path.c_str(), text.data(), text.size())) {
        std::fprintf(stderr, "vorix-assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
