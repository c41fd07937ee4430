#include "tools/vorix-sim/svg_chart.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "sim/injury_analysis.h"
#include "sim/spine_model.h"
#include "tools/vorix-sim/svg_parts.h"

namespace {

constexpr double kWidth = 820, kHeight = 520;
constexpr double kLeft = 80, kRight = 640, kTop = 80, kBottom = 440;
constexpr double kMode4FloorM = 8000.0 * 0.3048;  // above it the sequencer chooses mode 4

const char* const kModeColours[6] = {"#777777", "#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd"};

// The curves of a family, told apart by their dashes (the points carry the
// modes' colours) or, on the figure charts, by colour.
const char* const kCurveDashes[kMaxChartCurves] = {"", "9 4", "2 3", "12 3 3 3", "6 6", "1 5", "14 4", "4 2 1 2"};
const char* const kCurveColours[kMaxChartCurves] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd",
                                                    "#ff7f0e", "#8c564b", "#17becf", "#555555"};

std::string fmt(const char* format, double v) { return svgNumber(format, v); }
std::string text(double x, double y, const std::string& s, const char* anchor, int size, const std::string& extra = "") {
    return svgText(x, y, s, anchor, size, extra);
}
std::string line(double x1, double y1, double x2, double y2, const std::string& style) {
    return svgLine(x1, y1, x2, y2, style);
}
double niceStep(double range) { return svgNiceStep(range); }

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
        {"seatBackAngleDeg", "Seat back (degrees)"},  {"pilotMassKg", "Occupant mass (kg)"},
        {"gearMassKg", "Gear mass (kg)"},        {"seatMassKg", "Seat mass (kg)"},
        {"catapultThrustLb", "Catapult thrust (lb)"}, {"rocketThrustLb", "Rocket thrust (lb)"},
    };
    for (const Label& l : labels)
        if (name == l.name) return l.label;
    return name;
}

std::string safeAltitudeSvg(const SweepAxis& axis, const SweepAxis* family, const std::vector<SafeAltitude>& points,
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

    std::string svg = svgBegin(kWidth, kHeight,
                               "Lowest ejection altitude with the main parachute fully open before touchdown", subtitle);

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

    // A curve through the points found of each family value, then the
    // points by mode.
    const size_t perCurve = axis.values.empty() ? 1 : axis.values.size();
    const size_t curves = (points.size() + perCurve - 1) / perCurve;
    for (size_t c = 0; c < curves; ++c) {
        std::string path;
        for (size_t k = c * perCurve; k < points.size() && k < (c + 1) * perCurve; ++k) {
            const SafeAltitude& p = points[k];
            if (!p.found) continue;
            double x = std::strtod(p.value.c_str(), nullptr);
            path += (path.empty() ? "" : " ") + fmt("%.1f", px(x)) + "," + fmt("%.1f", py(p.altitudeM));
        }
        const char* dash = kCurveDashes[c % kMaxChartCurves];
        if (!path.empty())
            svg += "<polyline points=\"" + path + "\" fill=\"none\" stroke=\"#333333\" stroke-width=\"1.5\"" +
                   (*dash ? std::string(" stroke-dasharray=\"") + dash + "\"" : std::string()) + "/>\n";
    }
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
    if (family) {
        ly += 30;
        svg += text(kRight + 25, ly, parameterLabel(family->name), "start", 12, " font-weight=\"bold\"");
        for (size_t c = 0; c < family->values.size() && c < kMaxChartCurves; ++c) {
            ly += 20;
            const char* dash = kCurveDashes[c];
            svg += line(kRight + 25, ly - 4, kRight + 55, ly - 4,
                        std::string("stroke=\"#333333\" stroke-width=\"1.5\"") +
                            (*dash ? std::string(" stroke-dasharray=\"") + dash + "\"" : std::string()));
            svg += text(kRight + 62, ly, family->values[c], "start", 12);
        }
    }
    ly += 34;
    svg += text(kRight + 25, ly, "Model figures,", "start", 11, " fill=\"#444444\"");
    svg += text(kRight + 25, ly + 14, "not a certification.", "start", 11, " fill=\"#444444\"");
    svg += "</svg>\n";
    return svg;
}

namespace {

// How a figure is labelled on its panel and the levels dashed across it.
struct FigureStyle {
    std::string label;
    std::vector<std::pair<double, std::string>> limits;
};

FigureStyle figureStyle(const std::string& name) {
    static const char* const kAxisNames[kSeatAxisCount] = {"x", "y", "z"};
    static const char* const kPlusNames[kSeatAxisCount] = {"eyeballs in", "to the left", "eyeballs down"};
    static const char* const kMinusNames[kSeatAxisCount] = {"eyeballs out", "to the right", "eyeballs up"};
    FigureStyle s;
    s.label = name;
    if (name == "dri") {
        s.label = "DRI, spine";
        s.limits = {{kDriLimit, "limit " + svgNumber("%g", kDriLimit)}};
    }
    for (int level = 0; level < kRiskLevelCount; ++level) {
        static const char* const kBeta[kRiskLevelCount] = {"betaLow", "betaModerate", "betaHigh"};
        if (name == kBeta[level]) {
            s.label = std::string("\xCE\xB2 at ") + kRiskLevelNames[level] + " risk";
            s.limits = {{1.0, "limit 1"}};
        }
    }
    for (int axis = 0; axis < kSeatAxisCount; ++axis) {
        for (int d = 0; d < 2; ++d) {
            const std::string key = std::string("dr") + kAxisNames[axis] + (d == 0 ? "Max" : "Min");
            if (name != key) continue;
            s.label = std::string("DR") + kAxisNames[axis] + (d == 0 ? "+, " : "\xE2\x88\x92, ") +
                      (d == 0 ? kPlusNames[axis] : kMinusNames[axis]);
            for (int level = 0; level < kRiskLevelCount; ++level)
                s.limits.push_back({kResponseDirections[axis][d].limits[level], kRiskLevelNames[level] + std::string(" risk")});
        }
    }
    if (name == "openingShock.peakG") s.label = "Opening shock (g of the pilot with his gear)";
    if (name == "catapult.peakG") s.label = "Catapult, peak (g)";
    if (name == "rocket.peakG") s.label = "Rocket, peak (g)";
    if (name == "windblast.exposureKeas" || name == "windblast.peakKeas") {
        s.label = name == "windblast.peakKeas" ? "Windblast, largest (KEAS)" : "Windblast leaving the cockpit (KEAS)";
        s.limits = {{kFlailRiskKeas, "450: flail risk"}, {kRocketSeatLimitKeas, "600: rocket-seat limit"}};
    }
    if (name == "windblast.exposureKpa") s.label = "Windblast leaving the cockpit (kPa)";
    if (name == "windblast.peakKpa") s.label = "Windblast, largest (kPa)";
    if (name == "touchdownVerticalSpeedMs") {
        s.label = "Touchdown, vertical (m/s)";
        s.limits = {{kNewerCanopySinkMs[0], "newer canopies"}, {kNewerCanopySinkMs[1], ""},
                    {kOlderCanopySinkMs[0], "older canopies"}, {kOlderCanopySinkMs[1], ""}};
    }
    if (name == "maxDragG") s.label = "Peak drag (g)";
    if (name == "fullyOpenHeightM") s.label = "Height at full opening (m)";
    return s;
}

constexpr double kPanelHeight = 170, kPanelGap = 46, kPanelTop = 84;

}  // namespace

std::string sweepFiguresSvg(const std::vector<SweepAxis>& axes, const SweepFigures& figures,
                            const std::string& subtitle) {
    const SweepAxis& xAxis = axes[0];
    const SweepAxis* family = axes.size() > 1 ? &axes[1] : nullptr;
    const size_t inner = family ? family->values.size() : 1, names = figures.names.size();
    const double height = kPanelTop + names * (kPanelHeight + kPanelGap) + 30;
    std::vector<double> xs;
    for (const std::string& v : xAxis.values) xs.push_back(std::strtod(v.c_str(), nullptr));
    double xMin = xs.empty() ? 0.0 : xs.front(), xMax = xs.empty() ? 1.0 : xs.back();
    if (!(xMax > xMin)) {
        xMin -= 1;
        xMax += 1;
    }
    const double xStep = niceStep(xMax - xMin);
    auto px = [&](double x) { return kLeft + (x - xMin) / (xMax - xMin) * (kRight - kLeft); };
    auto value = [&](size_t point, size_t figure) { return figures.values[point * names + figure]; };

    std::string against = parameterLabel(xAxis.name);
    if (!against.empty() && against[0] >= 'A' && against[0] <= 'Z') against[0] = (char)(against[0] - 'A' + 'a');
    std::string svg = svgBegin(kWidth, height, "Run figures against " + against, subtitle);
    for (size_t f = 0; f < names; ++f) {
        const FigureStyle style = figureStyle(figures.names[f]);
        const double top = kPanelTop + f * (kPanelHeight + kPanelGap), bottom = top + kPanelHeight;
        double lo = 0.0, hi = 0.0;
        for (size_t p = 0; p < xs.size() * inner; ++p) {
            const double v = value(p, f);
            if (!std::isfinite(v)) continue;
            lo = v < lo ? v : lo;
            hi = v > hi ? v : hi;
        }
        for (const auto& l : style.limits) {
            lo = l.first < lo ? l.first : lo;
            hi = l.first > hi ? l.first : hi;
        }
        const double yStep = niceStep((hi - lo) * 1.1 > 0.0 ? (hi - lo) * 1.1 : 1.0);
        const double yLo = std::floor(lo / yStep) * yStep, yHi = std::ceil(hi * (hi > 0 ? 1.08 : 1.0) / yStep) * yStep;
        const double ySpan = yHi > yLo ? yHi - yLo : 1.0;
        auto py = [&](double y) { return bottom - (y - yLo) / ySpan * (bottom - top); };

        svg += text(kLeft, top - 8, style.label, "start", 13, " font-weight=\"bold\"");
        for (double y = yLo; y <= yHi + yStep * 1e-6; y += yStep) {
            svg += line(kLeft, py(y), kRight, py(y), "stroke=\"#e4e4e4\"");
            svg += text(kLeft - 8, py(y) + 4, fmt("%g", std::fabs(y) < yStep * 1e-9 ? 0.0 : y), "end", 11);
        }
        const double xFirst = std::ceil(xMin / xStep - 1e-9) * xStep;
        for (double x = xFirst; x <= xMax + xStep * 1e-6; x += xStep) {
            svg += line(px(x), top, px(x), bottom, "stroke=\"#e4e4e4\"");
            svg += text(px(x), bottom + 15, fmt("%g", std::fabs(x) < xStep * 1e-9 ? 0.0 : x), "middle", 11);
        }
        svg += line(kLeft, bottom, kRight, bottom, "stroke=\"black\"");
        svg += line(kLeft, top, kLeft, bottom, "stroke=\"black\"");
        for (const auto& l : style.limits) {
            svg += line(kLeft, py(l.first), kRight, py(l.first), "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
            // A white halo keeps the label readable over a curve.
            if (!l.second.empty())
                svg += text(kRight - 4, py(l.first) - 4, l.second, "end", 10,
                            " fill=\"#d62728\" stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\"");
        }
        // One curve a family value; a point without the figure breaks it.
        // The first value's curve is drawn last and thinnest, so curves that
        // coincide all stay in sight, each a rim round the one before.
        for (size_t c = inner; c-- > 0;) {
            const double radius = 2.5 + (double)c * 1.2, width = 1.6 + (double)c * 1.6;
            const char* colour = kCurveColours[c % kMaxChartCurves];
            std::string path, dots;
            auto flush = [&]() {
                if (path.find(' ') != std::string::npos)
                    svg += "<polyline points=\"" + path + "\" fill=\"none\" stroke=\"" + colour +
                           "\" stroke-width=\"" + fmt("%.1f", width) + "\"/>\n";
                path.clear();
            };
            for (size_t k = 0; k < xs.size(); ++k) {
                const double v = value(k * inner + c, f);
                if (!std::isfinite(v)) {
                    flush();
                    continue;
                }
                const std::string at = fmt("%.1f", px(xs[k])) + "," + fmt("%.1f", py(v));
                path += (path.empty() ? "" : " ") + at;
                dots += "<circle cx=\"" + fmt("%.1f", px(xs[k])) + "\" cy=\"" + fmt("%.1f", py(v)) + "\" r=\"" +
                        fmt("%.1f", radius) + "\" fill=\"" + colour + "\"/>\n";
            }
            flush();
            svg += dots;
        }
    }
    const double lastBottom = kPanelTop + (names ? names - 1 : 0) * (kPanelHeight + kPanelGap) + kPanelHeight;
    svg += text((kLeft + kRight) / 2, lastBottom + 36, parameterLabel(xAxis.name), "middle", 14);

    double ly = kPanelTop + 4;
    if (family) {
        svg += text(kRight + 25, ly, parameterLabel(family->name), "start", 12, " font-weight=\"bold\"");
        for (size_t c = 0; c < family->values.size() && c < kMaxChartCurves; ++c) {
            ly += 20;
            svg += line(kRight + 25, ly - 4, kRight + 55, ly - 4,
                        std::string("stroke=\"") + kCurveColours[c] + "\" stroke-width=\"2\"");
            svg += text(kRight + 62, ly, family->values[c], "start", 12);
        }
        ly += 20;
    }
    ly += 14;
    svg += line(kRight + 25, ly - 4, kRight + 55, ly - 4, "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
    svg += text(kRight + 62, ly, "limits", "start", 11, " fill=\"#d62728\"");
    ly += 30;
    svg += text(kRight + 25, ly, "Model figures,", "start", 11, " fill=\"#444444\"");
    svg += text(kRight + 25, ly + 14, "not a certification.", "start", 11, " fill=\"#444444\"");
    svg += "</svg>\n";
    return svg;
}
