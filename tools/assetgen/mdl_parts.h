// The parts of the shipped model. Fighter and canopy are built in the
// fighter's frame as they stand after the initial pose (nose toward -y, z up,
// wheels on z = 0); seat, pilot and pack in the upright seat frame (origin at
// the seat's mounting point, x right, -y forward, z up along the rails).
#pragma once

#include "tools/assetgen/mdl_writer.h"

// Seat-back angle and rocket cant the crew parts are built for.
constexpr double kDesignSeatBackDeg = 18.0;
constexpr double kDesignRocketCantDeg = -22.0;
// Fighter pivot (centre of its attitude), in the fighter's frame.
const D3 kFighterPivot(0.0, 8.5, 2.0);

// Where the cockpit lies in the fighter's frame.
struct CockpitLayout {
    double frontY = 0, rearY = 0;  // opening, windscreen base to rear bulkhead
    double halfWidth = 0;          // opening half-width at the sills
    double floorZ = 0;
    double lowestSillZ = 0;
    D3 hinge;                      // canopy hinge (its pivot)
    D3 farEdge;                    // canopy front frame on the centre line
};

// Cockpit placement derived from the fuselage lines and the canopy size.
CockpitLayout cockpitLayout();

// Surface height of the fuselage's upper side at half-width x, station y.
double fuselageSillZ(double y, double x);

void writeFighter(ModelWriter& w, const CockpitLayout& cockpit);
void writeCanopy(ModelWriter& w, const CockpitLayout& cockpit);
void writePilot(ModelWriter& w, const std::string& name);
void writeSeat(ModelWriter& w);
void writePack(ModelWriter& w);
void writePlume(ModelWriter& w);
void writeSeatRail(ModelWriter& w, double side);
void writeChuteProfile(ModelWriter& w);

// The fighter-frame point a seat-frame point lands on after the initial pose.
D3 seatToFighter(const D3& seatPoint);
