// All simulation records of one process, grouped. The program uses the one
// process-wide instance `simulation`; the operations take the instance (or the
// single records) they work on, so tests can drive their own.
#pragma once

#include "sim/canopy.h"
#include "sim/chute_pack.h"
#include "sim/descent.h"
#include "sim/empty_seat.h"
#include "sim/fighter_geometry.h"
#include "sim/parachute.h"
#include "sim/playback_clocks.h"
#include "sim/seat_dynamics.h"
#include "sim/sequencer.h"
#include "sim/sim_records.h"
#include "sim/trajectory.h"

// The fighter as it is played back: start position and velocity of the run.
struct FighterPlayback {
    double start[3] = {0, 0, 0};
    Vec3 velocity;
    bool applyG = false;
};

// Fighter position at flight time T (it neither accelerates nor turns; with
// "Apply G on Fighter" it falls under gravity).
void fighterPositionAt(const FighterPlayback& fighter, double flightTimeS, double out[3]);

struct Simulation {
    SimParams params;
    SimConstants constants;
    FighterAttitude attitude;
    FighterPosition fighterPosition;
    FighterGeometry geometry;
    SimDerived derived;
    SequencerTimes times;
    SequencerRun sequencerRun;
    CatapultState catapult;
    EjectionAttitude ejection;
    ParachuteModel mainChute;
    ParachuteModel drogue;
    MainRadiusRecord mainRadii;
    ChutePack pack;
    EmptySeat emptySeat;
    DescentState descent;
    CanopyBody canopy;
    FighterPlayback fighter;
    SeatRunSummary run;
    LineStretch lineStretch;
    PlaybackClocks clocks;
    // Mounting height and fighter altitude of the computed run.
    double runMountingHeightM = 2.3;
    double runFighterAltitudeM = 0.0;
    // The seat/man store; the process-wide block unless a test points elsewhere.
    Trajectory* trajectory = &trajectoryStore;
};

extern Simulation simulation;

// Start-up values of every record, the parachute models among them.
void setDefaults(Simulation& sim);

// Every record back to the value it has when made, as in a new process, for a
// run that must not inherit anything from an earlier one. The sample stores
// (canopy, pack, empty seat, and the seat/man store the record points to,
// which it keeps) are left as they are rather than cleared: a run writes every
// sample its readers reach, and they stop at the last one written. Clearing
// them cost more than a short run.
void renewSimulation(Simulation& sim);

// The simulation part of the HOME key: stops the run, sets the zero-zero
// values, recomputes the main parachute area and the derived values and
// normalises the attitude.
void resetToZeroZero(Simulation& sim, uint32_t nowMs);

// Recomputes the derived values (catapult, G figures) from the parameters and
// the current attitude; false when the catapult cannot move the package.
bool deriveCatapult(Simulation& sim);

// Fills the trajectory from index 1 for at most seconds * 1000 - 1 steps,
// running the sequencer at every step.
void computeSeatTrajectory(Simulation& sim, double seconds, const float initialV[3], const double initialP[3]);
