#include "overlay/run_comparison.h"

#include <cmath>
#include <cstdio>

#include "sim/run_track.h"

namespace {

// A figure as the line shows it; "--" for one the run does not have.
void figure(char* out, size_t size, bool known, double value, int decimals) {
    if (!known || !std::isfinite(value) || std::fabs(value) > 99999.0) {
        std::snprintf(out, size, "--");
        return;
    }
    std::snprintf(out, size, "%.*f", decimals, value);
}

}  // namespace

void formatRunComparison(const RunSummary& run, const RunSummary& ghost, char* out, size_t size) {
    if (!out || size == 0) return;
    char speed[2][16], apex[2][16], open[2][16], touchdown[2][16];
    const RunSummary* both[2] = {&run, &ghost};
    for (int k = 0; k < 2; ++k) {
        figure(speed[k], sizeof speed[k], true, both[k]->airspeedKt, 0);
        figure(apex[k], sizeof apex[k], true, both[k]->apexM, 1);
        figure(open[k], sizeof open[k], both[k]->fullyOpen, both[k]->fullyOpenS, 2);
        figure(touchdown[k], sizeof touchdown[k], both[k]->touchedDown, both[k]->touchdownSpeedMs, 1);
    }
    std::snprintf(out, size, "RUN %s kt | GHOST %s kt   MODE %d | %d   APEX %s | %s m   FULL OPEN %s | %s s   "
                  "TOUCHDOWN %s | %s m/s",
                  speed[0], speed[1], (int)run.mode, (int)ghost.mode, apex[0], apex[1], open[0], open[1],
                  touchdown[0], touchdown[1]);
}
