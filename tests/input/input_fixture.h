// Resets every process-wide record the keyboard and mouse commands touch, so
// each test starts from the program's start-up values.
#pragma once

#include <gtest/gtest.h>

#include "camera/camera_state.h"
#include "input/input_records.h"
#include "input/input_state.h"
#include "input/key_commands.h"
#include "input/mouse_commands.h"
#include "input/mouse_device.h"
#include "menu/menu.h"
#include "platform/keycodes.h"
#include "render/body_state.h"
#include "render/poly_model.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "sim/frame_clock.h"
#include "sim/simulation.h"

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        setDefaults(simulation);
        deriveCatapult(simulation);
        setCameraDefaults(camera);
        setInputDefaults(input);
        frameClock = FrameClock{};
        frameClock.frameRate = 25.0f;
        mouseDevice = MouseDevice{};
        setSceneLightDefaults(sceneLight);
        setSceneSwitchDefaults(sceneSwitches);
        bodyState = BodyState{};
        menu = MenuState{};
        clearPolyModel(polyModel);
    }

    KeyResult key(int vk, bool shift = false, bool ctrl = false, uint32_t nowMs = 1000) {
        KeyModifiers mods;
        mods.shift = shift;
        mods.ctrl = ctrl;
        KeyResult res = applyKey(vk, mods, r, nowMs);
        finishKey(res, r);
        return res;
    }

    void startPlaying(uint32_t startMs = 1000) {
        simulation.clocks.playing = 1;
        simulation.clocks.startTimeMs = startMs;
    }

    InputRecords r = processInputRecords();
    SimParams& P = simulation.params;
};
