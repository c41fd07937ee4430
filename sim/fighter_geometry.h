// The few numbers the simulation needs from the fighter model. The model code
// fills this record from the loaded polygon model (and refreshes the seat-start
// offset whenever the fighter's attitude changes); until then the defaults
// describe the cockpit placement the seat and pilot are posed into.
#pragma once

#include "sim/vec3.h"

struct FighterGeometry {
    // Where the seat and pilot are placed in the fighter (model frame, metres):
    // the cockpit offset every seat part is translated by.
    Vec3 cockpitOffset{0.0f, 4.0f, 2.3f};

    // How far the seat's pivot moves when the fighter's attitude turns it about
    // the fighter's pivot (world frame, metres). Zero for the level fighter.
    Vec3 seatStartOffset{0.0f, 0.0f, 0.0f};

    // Canopy hinge geometry: the hinge point relative to the fighter position
    // (world frame, metres). Stored with the canopy body for drawing.
    Vec3 canopyHinge{0.0f, 4.0f, 2.3f};

    // Extra turn of the canopy's frame relative to the fighter's, in degrees,
    // as (about the forward axis Y, about the lateral axis X, about the
    // vertical axis Z). The canopy's launch angles are the fighter's roll,
    // pitch and heading plus these; they turn the canopy's release kick, and
    // the first two also the weight term of its swing on the hinge.
    Vec3 canopyMountAnglesDeg{0.0f, 0.0f, 0.0f};

    // The seat's mounting height above the fighter position: the cockpit
    // height plus the vertical part of the seat-start offset.
    double seatMountingHeightM() const { return (double)cockpitOffset.z + (double)seatStartOffset.z; }
};

// The process-wide instance the model code writes and the simulation reads:
// an alias of Simulation::geometry of the process-wide simulation
// (sim/simulation.h), which startEjection copies from at the trigger.
extern FighterGeometry& fighterGeometry;
