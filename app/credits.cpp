#include "app/credits.h"

#include <cmath>

float creditsBrightness(uint32_t elapsedMs, uint32_t totalMs) {
    uint32_t eighth = totalMs / 8;
    if (eighth == 0) eighth = 1;  // a total under 8 ms would divide by zero
    double u = (double)elapsedMs / (double)eighth - 4.0;
    // N(u) / N(0): the 1/sqrt(2 pi) factors cancel.
    return (float)std::exp(-u * u / 2.0);
}
