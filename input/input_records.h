// The records the keyboard and mouse commands work on, gathered so a command
// can be run on the process-wide records or on a test's own.
#pragma once

struct BodyState;
struct CameraState;
struct FrameClock;
struct InputState;
struct MenuState;
struct MouseDevice;
struct OverlayState;
struct PolyModel;
struct RunTracks;
struct SceneLight;
struct SceneSwitches;
struct Simulation;
struct TrailState;

struct InputRecords {
    Simulation& sim;
    CameraState& camera;
    InputState& input;
    FrameClock& frame;
    MouseDevice& mouse;
    SceneLight& light;
    SceneSwitches& switches;
    PolyModel& model;
    BodyState& bodies;
    MenuState& menu;
    OverlayState& overlay;
    TrailState& trail;
    RunTracks& tracks;
};

// The process-wide records.
InputRecords processInputRecords();

// What a command asks of the program beyond the records; the window
// procedure's side carries these out (they draw, load files or end the loop).
enum InputEffect : unsigned {
    kEffectQuit = 1u << 0,
    kEffectApplyProjection = 1u << 1,   // field of view changed
    kEffectStartRun = 1u << 2,          // start an ejection run
    kEffectSeatBackFrame = 1u << 3,     // unposed parts, one frame at once, posed again
    kEffectReload = 1u << 4,            // settings file and polygon model again
    kEffectRebuildBuildings = 1u << 5,  // the buildings' display list
    kEffectLights = 1u << 6,            // sky colour and lights after an attitude change
    kEffectLoadPhotoSet = 1u << 7,      // the ABOUT page's photographs
};
