// Drawing steps of the trail (GL; trail_gl.cpp): the lines, marks and
// labels between the world and the bodies, and the ghost's see-through
// package after the bodies, as planTrail left them in the frame's plan.
#pragma once

struct PolyModel;
struct TrailState;

void drawTrail(const TrailState& trail);
void drawGhostPackage(const TrailState& trail, const PolyModel& model);
