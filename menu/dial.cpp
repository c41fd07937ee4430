#include "menu/dial.h"

#include <climits>
#include <cmath>

int truncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= (double)INT_MAX) return INT_MAX;
    if (v <= (double)INT_MIN) return INT_MIN;
    return (int)v;
}

NeedleQuad needleQuad(int x, int y, int side, double angleDeg, double widthScale, double lengthScale) {
    const int cx = truncToInt(x + side / 2.0), cy = truncToInt(y + side / 2.0);
    const double length = side / 2.3;
    const double tail = length / 3.2 * lengthScale;
    const double head = (length - length / 3.2) * lengthScale;
    const double width = length / 9.75 * widthScale;
    // The upright needle, corners truncated, relative to the hub.
    const int upright[4][2] = {
        {truncToInt(cx - width / 2) - cx, truncToInt(cy - head) - cy},
        {truncToInt(cx + width / 2) - cx, truncToInt(cy - head) - cy},
        {truncToInt(cx + width / 2) - cx, truncToInt(cy + tail) - cy},
        {truncToInt(cx - width / 2) - cx, truncToInt(cy + tail) - cy},
    };
    // Whole turns are taken off first, so 405 degrees is exactly 45.
    double a = std::isfinite(angleDeg) ? std::fmod(angleDeg, 360.0) : 0.0;
    a *= 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    NeedleQuad q;
    for (int k = 0; k < 4; ++k) {
        const double px = upright[k][0], py = upright[k][1];
        q.corner[k].x = truncToInt(cx + (c * px - s * py));
        q.corner[k].y = truncToInt(cy + (s * px + c * py));
    }
    return q;
}

ClockAngles panelClockAngles(int hour, int minute) {
    return ClockAngles{hour * 30.0 + minute * 0.5, minute * 6.0};
}
