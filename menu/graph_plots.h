// The GRAPH page's picture of the run it computes: the spine's input and
// response with the DRI beside the responses across the seat (x, y), the
// drag, the speed and the height against time, the moments of the sequence
// marked on each, and a summary with the injury figures of each phase. Laid
// out GL-free once per run into static records; the drawing only reads them.
#pragma once

#include <cstdint>

#include "menu/menu_text.h"

struct Simulation;
struct ResponseSeries;
struct RunAnalysis;
struct SpinalSeries;

constexpr int kPlotColumnCapacity = 256;
constexpr int kPlotTickCapacity = 9;
constexpr int kPlotCurveCapacity = 4;

// A rectangle of the virtual screen with the top-left origin of the GL
// drawing (text positions are bottom-left, as printText takes them).
struct PlotBox {
    float left = 0, top = 0, right = 0, bottom = 0;
};

// The range an axis shows and its ticks, whole multiples of the step.
struct PlotAxis {
    double lo = 0.0, hi = 1.0, step = 1.0;
    int32_t tickCount = 0;
    double ticks[kPlotTickCapacity] = {};
};

// The smallest range of whole steps that covers lo..hi, with about `wanted`
// steps of 1, 2, 2.5 or 5 times a power of ten (fewer than the tick capacity).
// Non-finite or empty ranges give a usable axis.
PlotAxis niceAxis(double lo, double hi, int wanted);

// A tick's label: as many decimals as the step needs, thousands as "k",
// never "-0"; at most `size` - 1 characters.
void formatTick(char* out, int size, double value, double step);

// A series cut into one column per unit of the plot's width. Each column
// holds the series' extremes in the order they came, so a line through them
// keeps every peak however many samples a column takes.
struct PlotCurve {
    float x[kPlotColumnCapacity] = {};
    float yFirst[kPlotColumnCapacity] = {}, yLast[kPlotColumnCapacity] = {};
    int32_t count = 0;
};

// Fills a curve from samples given in time order.
class CurveBuilder {
public:
    CurveBuilder(PlotCurve& curve, const PlotBox& box, const PlotAxis& time, const PlotAxis& value);
    void add(double t, double v);
    // Writes the last column; the curve is complete.
    void finish();

private:
    void flush();
    PlotCurve& curve_;
    PlotBox box_;
    PlotAxis time_, value_;
    int32_t columns_;
    int32_t column_ = -1;
    double low_ = 0.0, high_ = 0.0;
    bool lowFirst_ = true;
};

enum GraphEvent { kCatapultEnd, kRocketFire, kDrogueFire, kMainFire, kSeparation, kFullOpening, kGraphEventCount };
extern const char* const kGraphEventNames[kGraphEventCount];
extern const float kGraphEventColours[kGraphEventCount][3];

// One plot: frame, ticks with their screen positions and labels, curves and
// the moments that fall inside its time range.
struct GraphPlot {
    PlotBox box;
    PlotAxis time, value;
    float timeTickX[kPlotTickCapacity] = {}, valueTickY[kPlotTickCapacity] = {};
    MenuText title, titleNote;
    MenuText timeLabels[kPlotTickCapacity], valueLabels[kPlotTickCapacity];
    PlotCurve curves[kPlotCurveCapacity];
    float curveColours[kPlotCurveCapacity][3] = {};
    int32_t curveCount = 0;
    // Names of curves beside the title, in their colours (may be empty).
    MenuText curveLabels[kPlotCurveCapacity];
    bool eventShown[kGraphEventCount] = {};
    float eventX[kGraphEventCount] = {};
    // A marked point with its label (the DRI) and a level line (its limit).
    bool pointShown = false;
    float pointX = 0, pointY = 0;
    MenuText pointLabel;
    bool levelShown = false;
    float levelY = 0;
    MenuText levelLabel;
};

enum GraphPlotIndex { kSpinePlot, kDragPlot, kSpeedPlot, kHeightPlot, kGraphPlotCount };

constexpr int kGraphSummaryCapacity = 12;
// Summary lines that fit above the legend.
constexpr int kGraphSummaryLines = 11;

struct GraphPage {
    bool ready = false;        // a run has been laid out
    bool plotsShown = false;   // the seat left the fighter: there is a flight to plot
    PlotBox card, header, divider;
    float ruleY = 0;           // the accent line under the header
    MenuText heading, subheading;
    GraphPlot plots[kGraphPlotCount];
    MenuText summary[kGraphSummaryCapacity];
    int32_t summaryCount = 0;
    MenuText legendTitle;
    MenuText legend[kGraphEventCount];
    PlotBox legendSwatch[kGraphEventCount];
};

extern GraphPage graphPage;

// Lays the page out from a computed run, its analysis (the injury figures
// included) and the spine's and the three axes' series.
void layoutGraphPage(GraphPage& page, const Simulation& sim, const RunAnalysis& analysis, const SpinalSeries& spine,
                     const ResponseSeries& response);

// After the page's quick run: analyses the run in sim and lays graphPage out.
void analyseGraphRun(const Simulation& sim);
