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

namespace {

// A chart's plotting area and the ranges it maps onto it.
struct PlotArea {
    double left, right, top, bottom;
    double xMin, xMax, yLo, yHi;
    double px(double x) const { return left + (x - xMin) / (xMax - xMin) * (right - left); }
    double py(double y) const { return bottom - (y - yLo) / (yHi > yLo ? yHi - yLo : 1.0) * (bottom - top); }
};

std::string at(double v) { return fmt("%.1f", v); }

// Grey grid lines with their tick labels, then the two black axes.
std::string gridAndAxes(const PlotArea& a, double xStep, double yStep, int fontSize, double xLabelDrop) {
    std::string svg;
    for (double y = a.yLo; y <= a.yHi + yStep * 1e-6; y += yStep) {
        svg += line(a.left, a.py(y), a.right, a.py(y), "stroke=\"#e4e4e4\"");
        svg += text(a.left - 8, a.py(y) + 4, fmt("%g", std::fabs(y) < yStep * 1e-9 ? 0.0 : y), "end", fontSize);
    }
    const double xFirst = std::ceil(a.xMin / xStep - 1e-9) * xStep;
    for (double x = xFirst; x <= a.xMax + xStep * 1e-6; x += xStep) {
        svg += line(a.px(x), a.top, a.px(x), a.bottom, "stroke=\"#e4e4e4\"");
        svg += text(a.px(x), a.bottom + xLabelDrop, fmt("%g", std::fabs(x) < xStep * 1e-9 ? 0.0 : x), "middle",
                    fontSize);
    }
    svg += line(a.left, a.bottom, a.right, a.bottom, "stroke=\"black\"");
    svg += line(a.left, a.top, a.left, a.bottom, "stroke=\"black\"");
    return svg;
}

std::string dashAttribute(const char* dash) {
    return *dash ? std::string(" stroke-dasharray=\"") + dash + "\"" : std::string();
}

// The legend's entries for the family's values: a short stroke and the value.
std::string familyLegend(const SweepAxis& family, double& ly, bool byColour) {
    std::string svg = text(kRight + 25, ly, parameterLabel(family.name), "start", 12, " font-weight=\"bold\"");
    for (size_t c = 0; c < family.values.size() && c < kMaxChartCurves; ++c) {
        ly += 20;
        const std::string style = byColour ? std::string("stroke=\"") + kCurveColours[c] + "\" stroke-width=\"2\""
                                           : "stroke=\"#333333\" stroke-width=\"1.5\"" + dashAttribute(kCurveDashes[c]);
        svg += line(kRight + 25, ly - 4, kRight + 55, ly - 4, style);
        svg += text(kRight + 62, ly, family.values[c], "start", 12);
    }
    return svg;
}

std::string modelFiguresNote(double ly) {
    return text(kRight + 25, ly, "Model figures,", "start", 11, " fill=\"#444444\"") +
           text(kRight + 25, ly + 14, "not a certification.", "start", 11, " fill=\"#444444\"");
}

double pointValue(const SafeAltitude& p) { return std::strtod(p.value.c_str(), nullptr); }
int modeSlot(int mode) { return mode >= 1 && mode <= 5 ? mode : 0; }

// What the points span, which modes they sensed, and whether any has no
// safe altitude.
struct SafeAltitudeSpan {
    double xMin = 0, xMax = 1, yMax = 10;
    bool modes[6] = {false, false, false, false, false, false};
    bool anyMissing = false;
};

SafeAltitudeSpan safeAltitudeSpan(const std::vector<SafeAltitude>& points) {
    SafeAltitudeSpan s;
    bool first = true;
    for (const SafeAltitude& p : points) {
        const double x = pointValue(p);
        if (first || x < s.xMin) s.xMin = x;
        if (first || x > s.xMax) s.xMax = x;
        first = false;
        if (p.found) {
            if (p.altitudeM > s.yMax) s.yMax = p.altitudeM;
            s.modes[modeSlot(p.mode)] = true;
        } else {
            s.anyMissing = true;
        }
    }
    if (!(s.xMax > s.xMin)) {
        s.xMin -= 1;
        s.xMax += 1;
    }
    return s;
}

// A curve through the points found of each family value, then the points
// coloured by mode, a grey triangle at the top where none was found.
std::string safeAltitudeCurves(const PlotArea& a, const SweepAxis& axis, const std::vector<SafeAltitude>& points) {
    std::string svg;
    const size_t perCurve = axis.values.empty() ? 1 : axis.values.size();
    const size_t curves = (points.size() + perCurve - 1) / perCurve;
    for (size_t c = 0; c < curves; ++c) {
        std::string path;
        for (size_t k = c * perCurve; k < points.size() && k < (c + 1) * perCurve; ++k) {
            const SafeAltitude& p = points[k];
            if (!p.found) continue;
            path += (path.empty() ? "" : " ") + at(a.px(pointValue(p))) + "," + at(a.py(p.altitudeM));
        }
        if (!path.empty())
            svg += "<polyline points=\"" + path + "\" fill=\"none\" stroke=\"#333333\" stroke-width=\"1.5\"" +
                   dashAttribute(kCurveDashes[c % kMaxChartCurves]) + "/>\n";
    }
    for (const SafeAltitude& p : points) {
        const double cx = a.px(pointValue(p));
        if (p.found) {
            svg += "<circle cx=\"" + at(cx) + "\" cy=\"" + at(a.py(p.altitudeM)) + "\" r=\"5\" fill=\"" +
                   kModeColours[modeSlot(p.mode)] + "\" stroke=\"black\" stroke-width=\"0.6\"/>\n";
        } else {
            const double cy = kTop + 6;
            svg += "<path d=\"M" + at(cx - 5) + "," + at(cy + 4) + " L" + at(cx + 5) + "," + at(cy + 4) + " L" +
                   at(cx) + "," + at(cy - 5) + " Z\" fill=\"#777777\"/>\n";
        }
    }
    return svg;
}

std::string safeAltitudeLegend(const SafeAltitudeSpan& span, const SweepAxis* family) {
    double ly = kTop + 10;
    std::string svg = text(kRight + 25, ly, "Operating mode at", "start", 12, " font-weight=\"bold\"");
    ly += 15;
    svg += text(kRight + 25, ly, "that altitude", "start", 12, " font-weight=\"bold\"");
    for (int m = 1; m <= 5; ++m) {
        if (!span.modes[m]) continue;
        ly += 22;
        svg += "<circle cx=\"" + at(kRight + 32) + "\" cy=\"" + at(ly - 4) + "\" r=\"5\" fill=\"" + kModeColours[m] +
               "\" stroke=\"black\" stroke-width=\"0.6\"/>\n";
        svg += text(kRight + 45, ly, "Mode " + std::to_string(m), "start", 12);
    }
    if (span.anyMissing) {
        ly += 22;
        svg += text(kRight + 25, ly, "\xE2\x96\xB2 not safe below " + fmt("%.0f", kSafeAltitudeCeilingM) + " m",
                    "start", 11);
    }
    if (family) {
        ly += 30;
        svg += familyLegend(*family, ly, false);
    }
    return svg + modelFiguresNote(ly + 34);
}

}  // namespace

std::string safeAltitudeSvg(const SweepAxis& axis, const SweepAxis* family, const std::vector<SafeAltitude>& points,
                            const std::string& subtitle) {
    const SafeAltitudeSpan span = safeAltitudeSpan(points);
    const double yStep = niceStep(span.yMax * 1.1);
    const PlotArea area{kLeft, kRight, kTop, kBottom, span.xMin, span.xMax,
                        0.0, std::ceil(span.yMax * 1.1 / yStep) * yStep};

    std::string svg = svgBegin(kWidth, kHeight,
                               "Lowest ejection altitude with the main parachute fully open before touchdown", subtitle);
    svg += gridAndAxes(area, niceStep(span.xMax - span.xMin), yStep, 12, 18);
    svg += text((kLeft + kRight) / 2, kBottom + 45, parameterLabel(axis.name), "middle", 14);
    svg += text(22, (kTop + kBottom) / 2, "Minimum safe fighter altitude (m)", "middle", 14,
                " transform=\"rotate(-90 22 " + fmt("%.1f", (kTop + kBottom) / 2) + ")\"");
    // Above 8000 ft the sequencer chooses mode 4 whatever the speed.
    if (kMode4FloorM < area.yHi) {
        svg += line(kLeft, area.py(kMode4FloorM), kRight, area.py(kMode4FloorM),
                    "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
        svg += text(kRight - 4, area.py(kMode4FloorM) - 5, "8000 ft: mode 4 above", "end", 11, " fill=\"#d62728\"");
    }
    svg += safeAltitudeCurves(area, axis, points);
    svg += safeAltitudeLegend(span, family);
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

// The sweep's values along its first axis and the points' figures.
struct FigureGrid {
    const std::vector<double>& xs;
    const SweepFigures& figures;
    size_t inner;  // values of the family (1 without one)
    double value(size_t point, size_t figure) const { return figures.values[point * figures.names.size() + figure]; }
};

// The panel's vertical range: its figure's finite values and its limits,
// with room above.
PlotArea panelArea(const FigureGrid& g, size_t f, const FigureStyle& style, double xMin, double xMax,
                   double& yStep) {
    const double top = kPanelTop + f * (kPanelHeight + kPanelGap), bottom = top + kPanelHeight;
    double lo = 0.0, hi = 0.0;
    for (size_t p = 0; p < g.xs.size() * g.inner; ++p) {
        const double v = g.value(p, f);
        if (!std::isfinite(v)) continue;
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
    }
    for (const auto& l : style.limits) {
        lo = l.first < lo ? l.first : lo;
        hi = l.first > hi ? l.first : hi;
    }
    yStep = niceStep((hi - lo) * 1.1 > 0.0 ? (hi - lo) * 1.1 : 1.0);
    const double yLo = std::floor(lo / yStep) * yStep, yHi = std::ceil(hi * (hi > 0 ? 1.08 : 1.0) / yStep) * yStep;
    return PlotArea{kLeft, kRight, top, bottom, xMin, xMax, yLo, yHi};
}

// One curve a family value; a point without the figure breaks it. The first
// value's curve is drawn last and thinnest, so curves that coincide all stay
// in sight, each a rim round the one before.
std::string panelCurves(const FigureGrid& g, size_t f, const PlotArea& a) {
    std::string svg;
    for (size_t c = g.inner; c-- > 0;) {
        const double radius = 2.5 + (double)c * 1.2, width = 1.6 + (double)c * 1.6;
        const char* colour = kCurveColours[c % kMaxChartCurves];
        std::string path, dots;
        auto flush = [&]() {
            if (path.find(' ') != std::string::npos)
                svg += "<polyline points=\"" + path + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
                       fmt("%.1f", width) + "\"/>\n";
            path.clear();
        };
        for (size_t k = 0; k < g.xs.size(); ++k) {
            const double v = g.value(k * g.inner + c, f);
            if (!std::isfinite(v)) {
                flush();
                continue;
            }
            path += (path.empty() ? "" : " ") + at(a.px(g.xs[k])) + "," + at(a.py(v));
            dots += "<circle cx=\"" + at(a.px(g.xs[k])) + "\" cy=\"" + at(a.py(v)) + "\" r=\"" + fmt("%.1f", radius) +
                    "\" fill=\"" + colour + "\"/>\n";
        }
        flush();
        svg += dots;
    }
    return svg;
}

// A figure's panel: its label, grid, limits dashed and labelled, curves.
std::string figurePanel(const FigureGrid& g, size_t f, double xMin, double xMax) {
    const FigureStyle style = figureStyle(g.figures.names[f]);
    double yStep = 1.0;
    const PlotArea a = panelArea(g, f, style, xMin, xMax, yStep);
    std::string svg = text(kLeft, a.top - 8, style.label, "start", 13, " font-weight=\"bold\"");
    svg += gridAndAxes(a, niceStep(xMax - xMin), yStep, 11, 15);
    for (const auto& l : style.limits) {
        svg += line(kLeft, a.py(l.first), kRight, a.py(l.first), "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
        // A white halo keeps the label readable over a curve.
        if (!l.second.empty())
            svg += text(kRight - 4, a.py(l.first) - 4, l.second, "end", 10,
                        " fill=\"#d62728\" stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\"");
    }
    return svg + panelCurves(g, f, a);
}

std::string figuresLegend(const SweepAxis* family) {
    double ly = kPanelTop + 4;
    std::string svg;
    if (family) {
        svg += familyLegend(*family, ly, true);
        ly += 20;
    }
    ly += 14;
    svg += line(kRight + 25, ly - 4, kRight + 55, ly - 4, "stroke=\"#d62728\" stroke-dasharray=\"6 4\"");
    svg += text(kRight + 62, ly, "limits", "start", 11, " fill=\"#d62728\"");
    return svg + modelFiguresNote(ly + 30);
}

}  // namespace

std::string sweepFiguresSvg(const std::vector<SweepAxis>& axes, const SweepFigures& figures,
                            const std::string& subtitle) {
    const SweepAxis& xAxis = axes[0];
    const SweepAxis* family = axes.size() > 1 ? &axes[1] : nullptr;
    const size_t names = figures.names.size();
    std::vector<double> xs;
    for (const std::string& v : xAxis.values) xs.push_back(std::strtod(v.c_str(), nullptr));
    double xMin = xs.empty() ? 0.0 : xs.front(), xMax = xs.empty() ? 1.0 : xs.back();
    if (!(xMax > xMin)) {
        xMin -= 1;
        xMax += 1;
    }
    const FigureGrid grid{xs, figures, family ? family->values.size() : 1};

    std::string against = parameterLabel(xAxis.name);
    if (!against.empty() && against[0] >= 'A' && against[0] <= 'Z') against[0] = (char)(against[0] - 'A' + 'a');
    const double height = kPanelTop + names * (kPanelHeight + kPanelGap) + 30;
    std::string svg = svgBegin(kWidth, height, "Run figures against " + against, subtitle);
    for (size_t f = 0; f < names; ++f) svg += figurePanel(grid, f, xMin, xMax);
    const double lastBottom = kPanelTop + (names ? names - 1 : 0) * (kPanelHeight + kPanelGap) + kPanelHeight;
    svg += text((kLeft + kRight) / 2, lastBottom + 36, parameterLabel(xAxis.name), "middle", 14);
    svg += figuresLegend(family);
    svg += "</svg>\n";
    return svg;
}
