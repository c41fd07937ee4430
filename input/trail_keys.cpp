#include "input/trail_keys.h"

#include "input/input_records.h"
#include "render/trail.h"
#include "sim/run_track.h"

namespace key_actions {

void toggleTrail(KeyContext& k) { k.r.trail.shown = !k.r.trail.shown; }
void keepRunAsGhost(KeyContext& k) { keepGhost(k.r.tracks); }
void clearRunGhost(KeyContext& k) { clearGhost(k.r.tracks); }

}  // namespace key_actions
