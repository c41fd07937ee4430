// The HUD line that compares the playing run with the kept ghost: the
// airspeed each was flown at, the operating mode, the apex height, the seat
// time of the main parachute's full opening and the speed at touchdown, the
// run's figure first. GL-free.
#pragma once

#include <cstddef>

struct RunSummary;

void formatRunComparison(const RunSummary& run, const RunSummary& ghost, char* out, size_t size);
