#include "tools/vorix-sim/svg_chart.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kWidth = 820, kHeight = 520;
constexpr double kLeft = 80, kRight = 640, kTop = 80, kBottom = 440;
constexpr double kMode4FloorM = 8000.0 * 0.3048;  // above it the sequencer chooses mode 4

const char* const kModeColours[6] = {"#777777", "#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd"};

std::string fmt(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// 1, 2 or 5 times a power of ten, near range / 6.
double niceStep(double range) {
    if (!(range > 0.0)) return 1.0;
    double raw = range / 6.0, p = std::pow(10.0, std::floor(std::log10(raw)));
    double m = raw / p;
    return (m < 1.5 ? 1.0 : m < 3.5 ? 2.0 : m < 7.5 ? 5.0 : 10.0) * p;
}

std::string text(double x, double y, const std::string& s, const char* anchor, int size,
                 const std::string& extra = "") {
    return "<text x=\"" + fmt("%.1f", x) + "\" y=\"" + fmt("%.1f", y) + "\" text-anchor=\"" + anchor +
           "\" font-size=\"" + std::to_string(size) + "\"" + extra + ">" + escape(s) + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const char* style) {
    return "<line x1=\"" + fmt("%.1f", x1) + "\" y1=\"" + fmt("%.1f", y1) + "\" x2=\"" + fmt("%.1f", x2) +
           "\" y2=\"" + fmt("%.1f", y2) + "\" " + style + "/>\n";
}

}  // namespace

std::string parameterLabel(const std::string& name) {
    struct Label {
        const char* name;
        const char* label;
    };
    static const Label labels[] = {
        {"sinkRateFtS", "Sink rate (ft/s)"},     {"rollDeg", "Roll (degrees)"},
        {"pitchDeg", "Pitch (degrees)"},         {"headingDeg", "Heading (degrees)"},
        {"initialTasKt", "True airspeed (kt)"},  {"fighterAltitudeM", "Fighter altitude (m)"},
        {"seatBackAngleDeg", "Seat back (degrees)"},
    };
    for (const Label& l : labels)
        if (name == l.name) return l.label;
    return name;
}

std::string safeAltitudeSvg(const SweepAxis& axis, const std::vector<SafeAltitude>& points,
                            const std::string& subtitle) {
    double xMin = 0, xMax = 1, yMax = 10;
    bool first = true;
    bool modes[6] = {false, false, false, false, false, false};
    bool anyMissing = false;
    for (const SafeAltitude& p : points) {
        double x = std::strtod(p.value.c_str(), nullptr);
        if (first || x < xMin) xMin = x;
        if (first || x > xMax) xMax = x;
        first = false;
        if (p.found) {
            if (p.altitudeM > yMax) yMax = p.altitudeM;
            modes[p.mode >= 1 && p.mode <= 5 ? p.mode : 0] = true;
        } else {
            anyMissing = true;
        }
    }
    if (!(xMax > xMin)) {
        xMin -= 1;
        xMax += 1;
    }
    const double yStep = niceStep(yMax * 1.1);
    yMax = std::ceil(yMax * 1.1 / yStep) * yStep;
    const double xStep = niceStep(xMax - xMin);
    auto px = [&](double x) { return kLeft + (x - xMin) / (xMax - xMin) * (kRight - kLeft); };
    auto py = [&](double y) { return kBottom - y / yMax * (kBottom - kTop); };

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + fmt("%.0f", kWidth) + "\" height=\"" +
           fmt("%.0f", kHeight) + "\" viewBox=\"0 0 " + fmt("%.0f", kWidth) + " " + fmt("%.0f", kHeight) +
           "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += text(kWidth / 2, 30, "Lowest ejection altitude with the main parachute fully open before touchdown",
                "middle", 16, " font-weight=\"bold\"");
    svg += text(kWidth / 2, 52, subtitle, "middle", 12, " fill=\"#444444\"");

    // Grid, ticks and tick labels.
    for (double y = 0; y <= yMax + yStep * 1e-6; y += yStep) {
        svg += line(kLeft, py(y), kRight, py(y), "stroke=\"#e4e4e4\"");
        svg += text(kLeft - 8, py(y) + 4, fmt("%g", y), "end", 12);
    }
    const double xFirst = std::ceil(xMin / xStep - 1e-9) * xStep;
    for (double x = xFirst; x <= xMax + xStep * 1e-6; x += xStep) {
        svg += line(px(x), kTop, px(x), kBottom, "stroke=\"#e4e4e4\"");
        svg += text(px(x), kBottom + 18, fmt("%g", std::fabs(x) < xStep * 1e-9 ? 0.0 : x), "middle", 12);
    }
    svg += line(kLeft, kBottom, kRight, kBottom, "stroke=\"black\"");
    svg += line(kLeft, kTop, kLeft, kBottom, "stroke=\"black\"");
    svg += text((kLeft + kRight) / 2, kBottom + 45, parameterLabel(axis.name), "middle", 14);
    svg += text(22, (kTop + kBottom) / 2, "Minimum safe fighter altitude (m)", "middle", 14,
                " transform=\"rotate(-90 22 " + fmt("%.1f", (kTop + kBottom) / 2) + ")\"");

    // Above 8000 ft the sequencer chooses mode 4 whatever the speed.
    if (kMode4FloorM < yMax) {
        svg += line(kLeft, py(kMode4FloorM), kRight, py(kMode4FloorM),
                    "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
        svg += text(kRight - 4, py(kMode4FloorM) - 5, "8000 ft: mode 4 above", "end", 11, " fill=\"#d62728\"");
    }

    // The curve through the points found, then the points by mode.
    std::string path;
    for (const SafeAltitude& p : points) {
        if (!p.found) continue;
        double x = std::strtod(p.value.c_str(), nullptr);
        path += (path.empty() ? "" : " ") + fmt("%.1f", px(x)) + "," + fmt("%.1f", py(p.altitudeM));
    }
    if (!path.empty()) svg += "<polyline points=\"" + path + "\" fill=\"none\" stroke=\"#333333\" stroke-width=\"1.5\"/>\n";
    for (const SafeAltitude& p : points) {
        double x = std::strtod(p.value.c_str(), nullptr);
        if (p.found) {
            const char* colour = kModeColours[p.mode >= 1 && p.mode <= 5 ? p.mode : 0];
            svg += "<circle cx=\"" + fmt("%.1f", px(x)) + "\" cy=\"" + fmt("%.1f", py(p.altitudeM)) +
                   "\" r=\"5\" fill=\"" + colour + "\" stroke=\"black\" stroke-width=\"0.6\"/>\n";
        } else {
            const double cx = px(x), cy = kTop + 6;
            svg += "<path d=\"M" + fmt("%.1f", cx - 5) + "," + fmt("%.1f", cy + 4) + " L" + fmt("%.1f", cx + 5) +
                   "," + fmt("%.1f", cy + 4) + " L" + fmt("%.1f", cx) + "," + fmt("%.1f", cy - 5) +
                   " Z\" fill=\"#777777\"/>\n";
        }
    }

    // Legend.
    double ly = kTop + 10;
    svg += text(kRight + 25, ly, "Operating mode at", "start", 12, " font-weight=\"bold\"");
    ly += 15;
    svg += text(kRight + 25, ly, "that altitude", "start", 12, " font-weight=\"bold\"");
    for (int m = 1; m <= 5; ++m) {
        if (!modes[m]) continue;
        ly += 22;
        svg += "<circle cx=\"" + fmt("%.1f", kRight + 32) + "\" cy=\"" + fmt("%.1f", ly - 4) + "\" r=\"5\" fill=\"" +
               kModeColours[m] + "\" stroke=\"black\" stroke-width=\"0.6\"/>\n";
        svg += text(kRight + 45, ly, "Mode " + std::to_string(m), "start", 12);
    }
    if (anyMissing) {
        ly += 22;
        svg += text(kRight + 25, ly, "\xE2\x96\xB2 not safe below " + fmt("%.0f", kSafeAltitudeCeilingM) + " m",
                    "start", 11);
    }
    ly += 34;
    svg += text(kRight + 25, ly, "Model figures,", "start", 11, " fill=\"#444444\"");
    svg += text(kRight + 25, ly + 14, "not a certification.", "start", 11, " fill=\"#444444\"");
    svg += "</svg>\n";
    return svg;
}
