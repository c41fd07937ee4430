#include "menu/graph_plots.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "menu/font_text.h"
#include "sim/dynamic_response.h"
#include "sim/injury_analysis.h"
#include "sim/run_analysis.h"
#include "sim/run_events.h"
#include "sim/simulation.h"
#include "sim/spine_model.h"
#include "sim/units.h"

GraphPage graphPage;

const char* const kGraphEventNames[kGraphEventCount] = {"catapult end", "rocket fire", "drogue fire",
                                                        "main fire",    "separation",  "full opening"};
const float kGraphEventColours[kGraphEventCount][3] = {
    {0.75f, 0.78f, 0.85f}, {1.0f, 0.35f, 0.25f}, {0.85f, 0.8f, 0.2f},
    {1.0f, 0.6f, 0.15f},   {0.5f, 0.7f, 1.0f},   {0.3f, 0.85f, 0.4f},
};

namespace {

// The picture's colours: light ink on a dark card, a dimmer ink for
// secondary text, amber for what to look at, green and red for verdicts.
constexpr float kInk[3] = {0.9f, 0.92f, 0.95f};
constexpr float kDim[3] = {0.55f, 0.6f, 0.68f};
constexpr float kAccent[3] = {1.0f, 0.75f, 0.2f};
constexpr float kGood[3] = {0.35f, 0.85f, 0.45f};
constexpr float kBad[3] = {1.0f, 0.4f, 0.35f};
constexpr float kResponse[3] = {0.4f, 0.85f, 1.0f};
constexpr float kResponseX[3] = {1.0f, 0.55f, 0.3f};
constexpr float kResponseY[3] = {0.8f, 0.55f, 1.0f};

// Text sizes: a glyph cell is 16 units times the scale, the pen moves 8.
constexpr int kTextStyle = 0;
constexpr float kSmallX = 0.6f, kSmallY = 0.7f;    // tick labels
constexpr float kBodyX = 0.7f, kBodyY = 0.8f;      // titles and summary
constexpr int kHeadingStyle = 6;
constexpr float kHeadingScale = 0.9f;

// The card fills the panel below the page's first line, clear of the date
// line and the EXIT strip; four plots on the left, the summary on the right.
constexpr PlotBox kCard{10, 306, 748, 556};
constexpr float kHeaderHeight = 18;
constexpr float kBodyTop = 327;
constexpr float kCellWidth = 270, kCellHeight = 114;
constexpr float kSummaryLeft = 562;
constexpr float kLineStep = 12;

int textY(float top, float scaleY) { return (int)std::lround(600.0f - top - 16.0f * scaleY); }

void setText(MenuText& t, float x, float top, float scaleX, float scaleY, const float colour[3], const char* text,
             int style = kTextStyle) {
    setMenuText(t, (int)std::lround(x), textY(top, scaleY), style, scaleX, scaleY, colour[0], colour[1], colour[2],
                "%s", text);
}

double clampForText(double v) {
    if (!std::isfinite(v)) return 0.0;
    return v > 99999.0 ? 99999.0 : (v < -99999.0 ? -99999.0 : v);
}

float mapX(const PlotBox& b, const PlotAxis& a, double t) {
    return (float)(b.left + (t - a.lo) / (a.hi - a.lo) * (b.right - b.left));
}

float mapY(const PlotBox& b, const PlotAxis& a, double v) {
    double y = b.bottom - (v - a.lo) / (a.hi - a.lo) * (b.bottom - b.top);
    return (float)(y < b.top ? b.top : (y > b.bottom ? b.bottom : y));
}

bool inRange(const PlotAxis& a, double v) { return v >= a.lo && v <= a.hi; }

}  // namespace

PlotAxis niceAxis(double lo, double hi, int wanted) {
    constexpr double kLimit = 1e12;
    if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0.0, hi = 1.0;
    lo = lo < -kLimit ? -kLimit : (lo > kLimit ? kLimit : lo);
    hi = hi < -kLimit ? -kLimit : (hi > kLimit ? kLimit : hi);
    if (lo > hi) {
        const double t = lo;
        lo = hi;
        hi = t;
    }
    if (hi - lo <= 1e-9 * (std::fabs(hi) > 1.0 ? std::fabs(hi) : 1.0)) {
        const double pad = std::fabs(lo) > 1.0 ? std::fabs(lo) * 0.1 : 1.0;
        lo -= pad;
        hi += pad;
    }
    if (wanted < 1) wanted = 1;
    if (wanted > kPlotTickCapacity - 1) wanted = kPlotTickCapacity - 1;
    const double raw = (hi - lo) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    double step = (f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 2.5 ? 2.5 : f <= 5.0 ? 5.0 : 10.0) * power;
    PlotAxis a;
    // Rounding out to whole steps can add one step at each end; a coarser
    // step then brings the ticks back within the capacity.
    for (int tries = 0; tries < 4; ++tries) {
        a.lo = std::floor(lo / step) * step;
        a.hi = std::ceil(hi / step) * step;
        a.step = step;
        a.tickCount = (int32_t)std::lround((a.hi - a.lo) / step) + 1;
        if (a.tickCount <= kPlotTickCapacity) break;
        step *= 2.0;
    }
    if (a.tickCount > kPlotTickCapacity) a.tickCount = kPlotTickCapacity;
    for (int k = 0; k < a.tickCount; ++k) {
        double v = a.lo + k * step;
        a.ticks[k] = std::fabs(v) < step * 1e-6 ? 0.0 : v;
    }
    return a;
}

void formatTick(char* out, int size, double value, double step) {
    if (size <= 0) return;
    value = std::isfinite(value) ? value : 0.0;
    if (std::fabs(value) < std::fabs(step) * 1e-6) value = 0.0;
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e8) {
        std::snprintf(out, (size_t)size, "%.0e", value);
    } else if (magnitude >= 1e4) {
        std::snprintf(out, (size_t)size, "%.0fk", value / 1000.0);
    } else {
        const int decimals = step >= 1.0 ? 0 : step >= 0.1 ? 1 : step >= 0.01 ? 2 : 3;
        std::snprintf(out, (size_t)size, "%.*f", decimals, value);
    }
}

CurveBuilder::CurveBuilder(PlotCurve& curve, const PlotBox& box, const PlotAxis& time, const PlotAxis& value)
    : curve_(curve), box_(box), time_(time), value_(value) {
    curve_.count = 0;
    const double width = box.right - box.left;
    columns_ = width < 1.0 ? 1 : (width > kPlotColumnCapacity ? kPlotColumnCapacity : (int32_t)width);
}

void CurveBuilder::add(double t, double v) {
    if (!std::isfinite(t) || !std::isfinite(v) || !inRange(time_, t)) return;
    int32_t column = (int32_t)((t - time_.lo) / (time_.hi - time_.lo) * columns_);
    if (column >= columns_) column = columns_ - 1;
    if (column < 0) column = 0;
    if (column != column_) {
        flush();
        column_ = column;
        low_ = high_ = v;
        lowFirst_ = true;
        return;
    }
    if (v < low_) {
        low_ = v;
        lowFirst_ = false;  // the high came before this new low
    }
    if (v > high_) {
        high_ = v;
        lowFirst_ = true;
    }
}

void CurveBuilder::flush() {
    if (column_ < 0 || curve_.count >= kPlotColumnCapacity) return;
    const int32_t n = curve_.count++;
    curve_.x[n] = (float)(box_.left + (column_ + 0.5) * (box_.right - box_.left) / columns_);
    const float low = mapY(box_, value_, low_), high = mapY(box_, value_, high_);
    curve_.yFirst[n] = lowFirst_ ? low : high;
    curve_.yLast[n] = lowFirst_ ? high : low;
}

void CurveBuilder::finish() {
    flush();
    column_ = -1;
}

namespace {

static_assert((int)kGraphEventCount == (int)kRunEventCount, "the marks are the run's events");

void layoutTicks(GraphPlot& p) {
    char label[24];
    for (int k = 0; k < p.time.tickCount; ++k) {
        p.timeTickX[k] = mapX(p.box, p.time, p.time.ticks[k]);
        formatTick(label, sizeof label, p.time.ticks[k], p.time.step);
        // The last time label carries the unit.
        if (k == p.time.tickCount - 1) std::snprintf(label + std::strlen(label), sizeof label - std::strlen(label), " s");
        const float w = textAdvance(label, kTextStyle, kSmallX);
        const float x = k == 0 ? p.timeTickX[k] - 2 : p.timeTickX[k] - (k == p.time.tickCount - 1 ? w - 4 : w / 2);
        setText(p.timeLabels[k], x, p.box.bottom + 3, kSmallX, kSmallY, kDim, label);
    }
    for (int k = 0; k < p.value.tickCount; ++k) {
        p.valueTickY[k] = mapY(p.box, p.value, p.value.ticks[k]);
        formatTick(label, sizeof label, p.value.ticks[k], p.value.step);
        const float w = textAdvance(label, kTextStyle, kSmallX);
        setText(p.valueLabels[k], p.box.left - 4 - w, p.valueTickY[k] - 6, kSmallX, kSmallY, kDim, label);
    }
}

void layoutEvents(GraphPlot& p, const RunEvents& e) {
    for (int k = 0; k < kGraphEventCount; ++k) {
        p.eventShown[k] = e.happened[k] && inRange(p.time, e.timeS[k]);
        p.eventX[k] = p.eventShown[k] ? mapX(p.box, p.time, e.timeS[k]) : 0.0f;
    }
}

void beginPlot(GraphPlot& p, int index, const char* title, const char* note) {
    const float x0 = kCard.left + (index % 2) * kCellWidth, y0 = kBodyTop + (index / 2) * kCellHeight;
    p.box = PlotBox{x0 + 38, y0 + 17, x0 + kCellWidth - 10, y0 + kCellHeight - 17};
    setText(p.title, p.box.left, y0 + 3, kBodyX, kBodyY, kInk, title);
    setText(p.titleNote, p.box.left + textAdvance(title, kTextStyle, kBodyX) + 6, y0 + 3, kBodyX, kBodyY, kDim,
            note);
    p.curveCount = 0;
    for (MenuText& t : p.curveLabels) t.text[0] = '\0';
    p.pointShown = p.levelShown = false;
}

// A value of the stored run at sample i (1 .. lastIndex) against seat time.
using SampleValue = double (*)(const Simulation&, long);

double speedAt(const Simulation& sim, long i) {
    const Trajectory& t = *sim.trajectory;
    return std::sqrt(t.vx[i] * t.vx[i] + t.vy[i] * t.vy[i] + t.vz[i] * t.vz[i]);
}

double dragGAt(const Simulation& sim, long i) {
    const Trajectory& t = *sim.trajectory;
    return std::sqrt(t.ax[i] * t.ax[i] + t.ay[i] * t.ay[i] + t.az[i] * t.az[i]) / kGravity;
}

// Above the ground, as the run's own ground test takes it: 0.4 m below the seat.
double heightAt(const Simulation& sim, long i) {
    return sim.runFighterAltitudeM + sim.runMountingHeightM + sim.trajectory->pz[i] - 0.4;
}

void layoutRunPlot(GraphPlot& p, int index, const char* title, const char* note, const Simulation& sim,
                   const RunAnalysis& a, const RunEvents& e, SampleValue value, bool fromZero) {
    beginPlot(p, index, title, note);
    const Trajectory& tr = *sim.trajectory;
    const long last = tr.lastIndex;
    const double dt = sim.constants.dt;
    double lo = 0.0, hi = 0.0;
    bool any = false;
    for (long i = 1; i <= last; ++i) {
        const double v = value(sim, i);
        if (!std::isfinite(v)) continue;
        if (!any || v < lo) lo = v;
        if (!any || v > hi) hi = v;
        any = true;
    }
    // Magnitudes start at zero; a height starts there while the ground is
    // within the lower half of the picture.
    if (fromZero || (lo > 0.0 && lo < hi * 0.5)) lo = lo < 0.0 ? lo : 0.0;
    p.time = niceAxis(0.0, a.coveredS, 7);
    p.value = niceAxis(lo, hi, 4);
    layoutTicks(p);
    layoutEvents(p, e);
    CurveBuilder curve(p.curves[0], p.box, p.time, p.value);
    for (long i = 1; i <= last; ++i) curve.add((i - 1) * dt, value(sim, i));
    curve.finish();
    for (int k = 0; k < 3; ++k) p.curveColours[0][k] = kInk[k];
    p.curveCount = 1;
}

// The spine over the time around its largest load: the catapult's stroke
// and what rings after it, or a later peak with its lead-in.
// The leading direction's response of an axis: DR+ or DR-, whichever is
// the larger share of its limit.
float leadingDr(const ResponseSeries& r, int axis, int32_t i) {
    const double up = r.plus[axis][i] / kResponseDirections[axis][0].limits[kRiskLow];
    const double down = r.minus[axis][i] / kResponseDirections[axis][1].limits[kRiskLow];
    return up >= down ? r.plus[axis][i] : r.minus[axis][i];
}

void layoutSpinePlot(GraphPlot& p, const RunAnalysis& a, const RunEvents& e, const SpinalSeries& s,
                     const ResponseSeries& r) {
    const int32_t count = s.count < 0 ? 0 : (s.count > kTrajectorySamples ? kTrajectorySamples : s.count);
    const double dt = 0.001;
    double end = a.driTimeS + 0.35;
    const double covered = (count > 0 ? count - 1 : 0) * dt;
    if (end > covered) end = covered;
    char note[48];
    PlotAxis time = niceAxis(0.0, end, 6);
    std::snprintf(note, sizeof note, "first %.1f s", time.hi);
    beginPlot(p, kSpinePlot, "Spine (g)", note);
    p.time = time;
    // The responses across the seat cover the seat/man phase.
    const int32_t across = r.count < 0 ? 0 : (r.count > count ? count : r.count);
    double lo = 0.0, hi = kDriLimit;  // the limit always in sight: how far off it is counts
    for (int32_t i = 0; i < count && i * dt <= time.hi; ++i) {
        const float x = i < across ? leadingDr(r, kSeatX, i) : 0.0f, y = i < across ? leadingDr(r, kSeatY, i) : 0.0f;
        for (float v : {s.inputG[i], s.responseG[i], x, y}) {
            if (!std::isfinite(v)) continue;
            lo = v < lo ? v : lo;
            hi = v > hi ? v : hi;
        }
    }
    // Headroom over the larger of the peak and the limit for the DRI's label.
    p.value = niceAxis(lo, hi * 1.25, 4);
    layoutTicks(p);
    layoutEvents(p, e);
    // The spine's response drawn last, over those across the seat.
    CurveBuilder input(p.curves[0], p.box, p.time, p.value);
    CurveBuilder alongX(p.curves[1], p.box, p.time, p.value);
    CurveBuilder alongY(p.curves[2], p.box, p.time, p.value);
    CurveBuilder response(p.curves[3], p.box, p.time, p.value);
    for (int32_t i = 0; i < count && i * dt <= time.hi; ++i) {
        input.add(i * dt, s.inputG[i]);
        if (i < across) {
            alongX.add(i * dt, leadingDr(r, kSeatX, i));
            alongY.add(i * dt, leadingDr(r, kSeatY, i));
        }
        response.add(i * dt, s.responseG[i]);
    }
    input.finish();
    alongX.finish();
    alongY.finish();
    response.finish();
    for (int k = 0; k < 3; ++k) {
        p.curveColours[0][k] = kDim[k];
        p.curveColours[1][k] = kResponseX[k];
        p.curveColours[2][k] = kResponseY[k];
        p.curveColours[3][k] = kResponse[k];
    }
    p.curveCount = 4;
    // Which curve is which, after the title's note.
    float x = p.titleNote.x + textAdvance(note, kTextStyle, kBodyX) + 8;
    const float top = p.box.top - 17 + 3;
    const char* const names[3] = {"z", "x", "y"};
    const float* const colours[3] = {kResponse, kResponseX, kResponseY};
    for (int k = 0; k < 3; ++k) {
        setText(p.curveLabels[k], x, top, kBodyX, kBodyY, colours[k], names[k]);
        x += textAdvance(names[k], kTextStyle, kBodyX) + 6;
    }
    char label[48];
    p.levelShown = inRange(p.value, kDriLimit);
    p.levelY = mapY(p.box, p.value, kDriLimit);
    std::snprintf(label, sizeof label, "limit %.0f", kDriLimit);
    setText(p.levelLabel, p.box.right - textAdvance(label, kTextStyle, kSmallX) - 2, p.levelY - 11, kSmallX, kSmallY,
            kBad, label);
    p.pointShown = inRange(p.time, a.driTimeS) && inRange(p.value, a.dri);
    p.pointX = mapX(p.box, p.time, a.driTimeS);
    p.pointY = mapY(p.box, p.value, a.dri);
    std::snprintf(label, sizeof label, "DRI %.1f", clampForText(a.dri));
    setText(p.pointLabel, p.pointX + 5, p.pointY - 13, kSmallX, kSmallY, kAccent, label);
}

void addLine(GraphPage& page, const float colour[3], const char* format, ...) __attribute__((format(printf, 3, 4)));
void addLine(GraphPage& page, const float colour[3], const char* format, ...) {
    if (page.summaryCount >= kGraphSummaryLines) return;
    char text[64];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const int n = page.summaryCount++;
    setText(page.summary[n], kSummaryLeft, kBodyTop + 4 + n * kLineStep, kBodyX, kBodyY, colour, text);
}

// Short names of the phases for the narrow column.
const char* const kPhaseWords[kInjuryPhaseCount] = {"catapult", "rocket", "windblast", "opening"};

// beta at low risk with the phase that sets it, the windblast leaving the
// cockpit and the opening shock.
void layoutInjuryLines(GraphPage& page, const RunAnalysis& a) {
    const InjuryFigures& j = a.injury;
    if (!j.computed) return;
    const ResponsePeak& beta = j.response.beta[kRiskLow];
    addLine(page, beta.value > 1.0 ? kBad : kGood, "Beta low %.2f, %.2f s, %s", clampForText(beta.value),
            clampForText(beta.timeS), kPhaseWords[j.betaPhase[kRiskLow] % kInjuryPhaseCount]);
    const WindblastFigures& w = j.windblast;
    if (w.present) {
        const float* colour = w.exposureKeas > kRocketSeatLimitKeas ? kBad
                              : w.exposureKeas > kFlailRiskKeas     ? kAccent
                                                                    : kInk;
        addLine(page, colour, "Windblast %.0f KEAS, %.1f kPa", clampForText(w.exposureKeas),
                clampForText(w.exposureKpa));
    }
    if (j.openingShock.present)
        addLine(page, kInk, "Opening shock %.1f g, %.2f s", clampForText(j.openingShock.g),
                clampForText(j.openingShock.timeS));
    else addLine(page, kDim, "No opening shock in %.1f s", clampForText(a.coveredS));
}

void layoutSummary(GraphPage& page, const Simulation& sim, const RunAnalysis& a) {
    page.summaryCount = 0;
    const double covered = clampForText(a.coveredS);
    if (sim.catapult.strokeResult <= 0) {
        addLine(page, kBad, "The seat does not leave");
        addLine(page, kBad, "the fighter:");
        if (sim.catapult.strokeResult == 0) addLine(page, kInk, "the catapult cannot lift");
        else addLine(page, kInk, "the stroke never ends.");
        if (sim.catapult.strokeResult == 0) addLine(page, kInk, "the package on its rails.");
        return;
    }
    if (sim.sequencerRun.modeSensed) addLine(page, kInk, "Mode %d", sim.times.seqMode);
    else addLine(page, kInk, "Mode not sensed");
    addLine(page, kInk, "DRI %.1f at %.2f s", clampForText(a.dri), clampForText(a.driTimeS));
    // A load above the limit stays above it; below it, only for the time run.
    if (a.spinalRiskRaised) addLine(page, kBad, "Spinal risk: RAISED (> %.0f)", kDriLimit);
    else if (a.cutShort) addLine(page, kGood, "Spinal risk: not in %.1f s", covered);
    else addLine(page, kGood, "Spinal risk: not raised");
    layoutInjuryLines(page, a);
    addLine(page, kInk, "Peak drag %.2f g at %.2f s", clampForText(a.peakDragG), clampForText(a.peakDragTimeS));
    if (a.fullyOpen)
        addLine(page, kInk, "Fully open %.2f s, %.0f m", clampForText(a.fullyOpenTimeS),
                clampForText(a.fullyOpenHeightM));
    else addLine(page, kInk, "Not fully open in %.1f s", covered);
    if (!a.chuteVerdictKnown) addLine(page, kAccent, "Open before ground: unknown");
    else if (a.chuteOpenBeforeTouchdown) addLine(page, kGood, "Open before ground: yes");
    else addLine(page, kBad, "Open before ground: NO");
    if (sim.run.diverged) addLine(page, kBad, "Diverged at %.3f s", clampForText(sim.run.divergedAtS));
    if (a.touchdown.reached) {
        addLine(page, kInk, "Touchdown %.2f s, %.1f m/s", clampForText(a.touchdown.timeS),
                clampForText(a.touchdown.verticalSpeedMs));
        addLine(page, kDim, "round canopies %.1f-%.1f m/s", kNewerCanopySinkMs[0], kOlderCanopySinkMs[1]);
    } else if (a.cutShort) {
        addLine(page, kDim, "No touchdown in %.1f s", covered);
    } else {
        addLine(page, kDim, "No touchdown");
    }
}

void layoutLegend(GraphPage& page, const RunEvents& e) {
    const float top = kCard.bottom - 8 - kGraphEventCount * kLineStep - kLineStep;
    setText(page.legendTitle, kSummaryLeft, top, kBodyX, kBodyY, kDim, "Marks, seconds:");
    for (int k = 0; k < kGraphEventCount; ++k) {
        const float y = top + (k + 1) * kLineStep;
        page.legendSwatch[k] = PlotBox{kSummaryLeft, y + 5, kSummaryLeft + 14, y + 7};
        char text[40];
        if (e.happened[k]) std::snprintf(text, sizeof text, "%-13s %6.2f", kGraphEventNames[k], clampForText(e.timeS[k]));
        else std::snprintf(text, sizeof text, "%-13s    --", kGraphEventNames[k]);
        setText(page.legend[k], kSummaryLeft + 20, y, kBodyX, kBodyY, kInk, text);
    }
}

}  // namespace

void layoutGraphPage(GraphPage& page, const Simulation& sim, const RunAnalysis& a, const SpinalSeries& spine,
                     const ResponseSeries& response) {
    page.card = kCard;
    page.header = PlotBox{kCard.left, kCard.top, kCard.right, kCard.top + kHeaderHeight};
    page.ruleY = kCard.top + kHeaderHeight;
    page.divider = PlotBox{kSummaryLeft - 8, kBodyTop + 4, kSummaryLeft - 8, kCard.bottom - 6};
    setText(page.heading, kCard.left + 8, kCard.top + 2, kHeadingScale, kHeadingScale, kInk, "Run analysis",
            kHeadingStyle);
    char note[64];
    if (a.cutShort) std::snprintf(note, sizeof note, "quick run: the first %.1f s", clampForText(a.coveredS));
    else std::snprintf(note, sizeof note, "the whole run, %.1f s", clampForText(a.coveredS));
    setText(page.subheading, kCard.right - 8 - textAdvance(note, kTextStyle, kBodyX), kCard.top + 4, kBodyX, kBodyY,
            kDim, note);

    const RunEvents events = runEvents(sim, a.fullyOpen, a.fullyOpenTimeS, a.coveredS);
    page.plotsShown = sim.catapult.strokeResult > 0 && sim.trajectory->lastIndex >= 2;
    if (page.plotsShown) {
        layoutSpinePlot(page.plots[kSpinePlot], a, events, spine, response);
        layoutRunPlot(page.plots[kDragPlot], kDragPlot, "Drag (g)", "", sim, a, events, dragGAt, true);
        layoutRunPlot(page.plots[kSpeedPlot], kSpeedPlot, "Speed (m/s)", "", sim, a, events, speedAt, true);
        layoutRunPlot(page.plots[kHeightPlot], kHeightPlot, "Height (m)", "above ground", sim, a, events, heightAt,
                      false);
    }
    layoutSummary(page, sim, a);
    layoutLegend(page, events);
    page.ready = true;
}

void analyseGraphRun(const Simulation& sim) {
    static RunAnalysis analysis;
    static SpinalSeries spine;
    static ResponseSeries response;
    analyseRun(sim, analysis, &spine);
    analyseInjuries(sim, analysis, &response);
    layoutGraphPage(graphPage, sim, analysis, spine, response);
}
