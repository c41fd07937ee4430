// The seat and the pilot in free flight: each frame they are turned from the
// part snapshot to lie along their flight path, swing under the main
// parachute and wobble slightly in roll. GL-free.
#pragma once

#include <cstdint>

#include "render/model_pose.h"
#include "render/poly_model.h"
#include "sim/vec3.h"

enum class AttitudeKind { Swinging, Rigid };

// What the routine keeps between frames: the axes recorded before the main
// parachute fired (the starting frame afterwards, modes 2 to 5) and the swing
// latch with the deviation it captured.
struct BodyAttitudeState {
    SeatAxes recorded;
    bool latchArmed = true;
    float latchedDeviation = 0.0f;
};

extern BodyAttitudeState bodyAttitude;

// Arms the swing latch; every new run does this.
void armSwingLatch(BodyAttitudeState& state);

// The clocks and run values one call reads.
struct AttitudeInputs {
    Vec3 velocity;            // the path to lie along
    AttitudeKind kind = AttitudeKind::Swinging;
    int32_t mode = 1;
    bool playing = true;
    double seatTimeS = 0.0;
    double tMainFire = 999.0;
    double sinceMainFire = 0.0;
    double sinceDrogueFire = 0.0;
    float mainFireSpeedMs = 0.0f;  // |velocity| at tMainFire
    float totalMassKg = 1.0f;
    Vec3 seatStartOffset;          // added to the pivot for every rotation centre
    // false: only the axes are turned, the part's vertices are left as they
    // are (a frame played again whose picture nobody sees).
    bool moveVertices = true;
};

// angleOf(u, v) with a component of exactly 0 taken as a hair above 0, so a
// direction along an axis gets the angle of its neighbours (angleOf gives 0).
double pathAngle(double u, double v);
// pathAngle(u, v) + 90, less 360 when that reaches 360.
double angleOf90(double u, double v);

// Swing amplitude s seconds after the main parachute fired: 0 before 0.16 s,
// then |V|^1.4 * 137.5 * (s - 0.16) / (mass * 3/4).
float swingAmplitude(double sinceMainFire, float mainFireSpeedMs, float totalMassKg);

// Roll wobble in degrees: 2 * sin(sinceDrogueFire * 250 degrees).
float rollWobbleDeg(double sinceDrogueFire);

// Rewrites drawPos of the part's vertex slots from the snapshot, turned to
// lie along the velocity (about the pivot part's pivot plus the seat-start
// offset); returns the body axes it turned. seatAxes is the starting frame
// in mode 1 and before the main parachute fires; the recorded axes after.
SeatAxes alignBodyToVelocity(PolyModel& m, const PartSnapshot& snapshot, int part, int pivotPart,
                             const SeatAxes& seatAxes, const AttitudeInputs& in,
                             BodyAttitudeState& state);
