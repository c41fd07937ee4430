#include "render/body_state.h"

BodyState bodyState;

void resetBodyRun(BodyState& s) {
    BodyState fresh;
    fresh.pilotHeightM = s.pilotHeightM;
    fresh.fighterPoint = s.fighterPoint;
    fresh.packagePoint = s.packagePoint;
    fresh.seatStartOffset = s.seatStartOffset;
    s = fresh;
}
