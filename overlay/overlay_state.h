// What the overlay keeps between frames: the values the HUD lines hand to the
// gauges, the largest load of the run for the G-meter's second pointer, and the
// fighter altitude as the last key left it.
#pragma once

#include <cstdint>

#include "overlay/overlay_layout.h"

struct Simulation;

struct OverlayState {
    float pilotLoadG = 0.0f;     // load on the G-meter's needle
    float shownSpeedKt = 0.0f;   // speed on the airspeed dial
    float maxLoadG = -1.0f;      // maximum pointer: -1 with no run, 0.001 at a run's start
    double keyAltitudeM = 0.0;   // fighter altitude copied after every key
    // The run the maximum pointer belongs to (its start time), so a new trigger
    // restarts the pointer even without an idle frame between the runs.
    bool runSeen = false;
    uint32_t runStartMs = 0;
    // What this frame shows, chosen by the update step.
    OverlayChoice choice{};
};

extern OverlayState overlay;

// Start-up values; the altitude copy starts from the fighter's altitude.
void setOverlayDefaults(OverlayState& o, const Simulation& sim);

// After every key: the airspeed dial shows the set airspeed and the altitude
// copy follows the fighter.
void overlayAfterKey(OverlayState& o, const Simulation& sim);

// Once a frame: the maximum pointer starts at 0.001 g when a run starts and
// goes back to -1 when the run is stopped.
void trackRunForMaxLoad(OverlayState& o, bool playing, uint32_t runStartMs);

// The clock of a paused run was moved by hand: the maximum pointer as playing
// the run to this moment leaves it (the largest load of every stored
// millisecond the seat has flown, up to the landing when the pilot is down),
// and no load on the needle while the seat has not moved.
void gaugesForMovedClock(OverlayState& o, const Simulation& sim, bool landed, double landedSeatTimeS);

// The shown speed while the seat has not started to move: the fighter's speed
// in knots. During a run it is the run's fighter velocity (falling at 9.8 m/s^2
// for flightTimeS with "Apply G on Fighter"); with no run playing it is the
// velocity the next run would start with, so the dial follows the set airspeed.
float fighterSpeedKt(const Simulation& sim);
