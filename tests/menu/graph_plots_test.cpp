#include "menu/graph_plots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "menu/font_text.h"
#include "sim/run_analysis.h"
#include "sim/spine_model.h"
#include "tests/sim/sim_fixture.h"

namespace {

bool niceStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double f = step / power;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (std::fabs(f - m) < 1e-9) return true;
    return false;
}

std::string tick(double value, double step) {
    char out[24];
    formatTick(out, sizeof out, value, step);
    return out;
}

// The screen rows a curve covers at column k, top to bottom.
float curveTop(const PlotCurve& c, int k) { return std::fmin(c.yFirst[k], c.yLast[k]); }

const char* summaryLine(const GraphPage& page, const char* start) {
    for (int k = 0; k < page.summaryCount; ++k)
        if (std::strncmp(page.summary[k].text, start, std::strlen(start)) == 0) return page.summary[k].text;
    return nullptr;
}

struct LaidOut {
    std::unique_ptr<Simulation> sim = makeDefaultSim();
    RunAnalysis analysis;
    SpinalSeries spine;
    ResponseSeries response;
    GraphPage page;
    void run(bool quick) {
        startEjection(*sim, quick, 0, 25);
        analyseRun(*sim, analysis, &spine);
        analyseInjuries(*sim, analysis, &response);
        layoutGraphPage(page, *sim, analysis, spine, response);
    }
};

}  // namespace

// Every range, however odd, gets ticks of 1, 2, 2.5 or 5 times a power of
// ten that cover it and fit the tick store.
TEST(GraphAxis, CoversTheRangeWithFewNiceTicks) {
    const double ranges[][2] = {{0, 7},       {0, 600},    {-3.2, 18},   {0, 0.013}, {-469, 1},
                                {12.3, 12.9}, {0, 1e11},   {-1e15, 1e15}, {5, 5},     {0, 0},
                                {9, -2},      {-0.4, -0.1}};
    for (auto& r : ranges) {
        for (int wanted : {1, 4, 7, 50}) {
            PlotAxis a = niceAxis(r[0], r[1], wanted);
            SCOPED_TRACE(std::to_string(r[0]) + ".." + std::to_string(r[1]) + " wanted " + std::to_string(wanted));
            EXPECT_LT(a.lo, a.hi);
            // Beyond a trillion the axis stops: such a value is a diverged run.
            EXPECT_LE(a.lo, std::fmax(std::fmin(r[0], r[1]), -1e12));
            EXPECT_GE(a.hi, std::fmin(std::fmax(r[0], r[1]), 1e12));
            EXPECT_GE(a.tickCount, 2);
            EXPECT_LE(a.tickCount, kPlotTickCapacity);
            EXPECT_TRUE(niceStep(a.step)) << a.step;
            for (int k = 1; k < a.tickCount; ++k) EXPECT_NEAR(a.ticks[k] - a.ticks[k - 1], a.step, a.step * 1e-9);
        }
    }
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (PlotAxis a : {niceAxis(nan, 3, 4), niceAxis(0, inf, 4), niceAxis(-inf, inf, 4)}) {
        EXPECT_TRUE(std::isfinite(a.lo) && std::isfinite(a.hi) && a.lo < a.hi);
        EXPECT_LE(a.tickCount, kPlotTickCapacity);
    }
}

TEST(GraphAxis, TickLabels) {
    EXPECT_EQ(tick(0.0, 1.0), "0");
    EXPECT_EQ(tick(-1e-17, 0.5), "0.0");  // a rounding residue is not "-0.0"
    EXPECT_EQ(tick(2.5, 0.5), "2.5");
    EXPECT_EQ(tick(0.25, 0.05), "0.25");
    EXPECT_EQ(tick(-200.0, 100.0), "-200");
    EXPECT_EQ(tick(20000.0, 10000.0), "20k");
    EXPECT_EQ(tick(std::nan(""), 1.0), "0");
    char small[4];
    formatTick(small, sizeof small, -123456789.0, 1.0);
    EXPECT_LT(std::strlen(small), sizeof small);
}

// Many samples to a column: the line through a column's extremes keeps a
// one-sample spike, and the columns run left to right within the box.
TEST(GraphCurve, KeepsEveryPeakAndStaysInItsBox) {
    const PlotBox box{100, 50, 300, 150};
    const PlotAxis time = niceAxis(0, 10, 5), value = niceAxis(0, 10, 5);
    PlotCurve curve;
    CurveBuilder b(curve, box, time, value);
    for (int i = 0; i <= 10000; ++i) {
        const double t = i * 0.001;
        b.add(t, i == 4321 ? 9.0 : 1.0);
    }
    b.add(-1.0, 5.0);  // outside the time range
    b.add(5.0, std::nan(""));
    b.add(11.0, 5.0);
    b.finish();
    ASSERT_EQ(curve.count, 200);
    float highest = box.bottom;
    for (int k = 0; k < curve.count; ++k) {
        if (k) {
            EXPECT_GT(curve.x[k], curve.x[k - 1]);
        }
        EXPECT_GE(curve.x[k], box.left);
        EXPECT_LE(curve.x[k], box.right);
        highest = std::fmin(highest, curveTop(curve, k));
    }
    EXPECT_NEAR(highest, 150 - 0.9f * 100, 1e-3);  // the spike to 9 of 10

    // Values off the scale are held at the frame, never drawn outside it.
    PlotCurve wild;
    CurveBuilder w(wild, box, time, value);
    w.add(1.0, 1e30);
    w.add(2.0, -1e30);
    w.finish();
    ASSERT_EQ(wild.count, 2);
    EXPECT_EQ(curveTop(wild, 0), box.top);
    EXPECT_EQ(wild.yFirst[1], box.bottom);
}

// The page after the default quick run: four plots, the DRI marked where the
// analysis puts it, the moments in their order, the verdicts in the summary,
// and every line of text on the screen.
TEST(GraphPage, DefaultQuickRun) {
    static LaidOut r;
    r.run(true);
    const GraphPage& g = r.page;
    ASSERT_TRUE(g.ready);
    ASSERT_TRUE(g.plotsShown);

    const GraphPlot& spine = g.plots[kSpinePlot];
    // The input, the responses across the seat and the spine's.
    EXPECT_EQ(spine.curveCount, 4);
    for (int c = 0; c < 4; ++c) EXPECT_GT(spine.curves[c].count, 100) << c;
    EXPECT_STREQ(spine.curveLabels[0].text, "z");
    EXPECT_STREQ(spine.curveLabels[1].text, "x");
    EXPECT_STREQ(spine.curveLabels[2].text, "y");
    ASSERT_TRUE(spine.pointShown);
    EXPECT_GT(r.analysis.dri, 10.0);
    const float px = spine.box.left + (float)((r.analysis.driTimeS - spine.time.lo) / (spine.time.hi - spine.time.lo)) *
                                         (spine.box.right - spine.box.left);
    EXPECT_NEAR(spine.pointX, px, 0.01);
    EXPECT_TRUE(spine.levelShown);
    EXPECT_LT(spine.levelY, spine.box.bottom);

    for (int p = kDragPlot; p < kGraphPlotCount; ++p) {
        const GraphPlot& plot = g.plots[p];
        SCOPED_TRACE(p);
        EXPECT_GT(plot.curves[0].count, 100);
        EXPECT_NEAR(plot.time.hi, 7.0, 1e-9);
        // Catapult end, rocket fire, drogue fire, main fire and full opening
        // all fall in the first 7 s, in that order.
        float previous = plot.box.left;
        for (int e : {kCatapultEnd, kRocketFire, kDrogueFire, kMainFire, kFullOpening}) {
            ASSERT_TRUE(plot.eventShown[e]) << kGraphEventNames[e];
            EXPECT_GE(plot.eventX[e], previous);
            EXPECT_LE(plot.eventX[e], plot.box.right);
            previous = plot.eventX[e];
        }
    }

    ASSERT_NE(summaryLine(g, "Mode "), nullptr);
    EXPECT_EQ(std::string(summaryLine(g, "Mode ")), "Mode " + std::to_string(r.sim->times.seqMode));
    EXPECT_NE(summaryLine(g, "DRI "), nullptr);
    EXPECT_NE(summaryLine(g, "Peak drag "), nullptr);
    EXPECT_NE(summaryLine(g, "Fully open "), nullptr);
    EXPECT_NE(summaryLine(g, "Open before ground: yes"), nullptr);
    EXPECT_NE(summaryLine(g, "No touchdown in 7.0 s"), nullptr);
    // The injury figures: beta set by the catapult, beyond the low-risk
    // limits as the DRI is beyond its own; the seat's own speed leaving the
    // cockpit; the canopy's pull.
    char beta[64];
    std::snprintf(beta, sizeof beta, "Beta low %.2f, %.2f s, catapult", r.analysis.injury.response.beta[kRiskLow].value,
                  r.analysis.injury.response.beta[kRiskLow].timeS);
    ASSERT_NE(summaryLine(g, "Beta low "), nullptr);
    EXPECT_STREQ(summaryLine(g, "Beta low "), beta);
    EXPECT_NE(summaryLine(g, "Windblast 32 KEAS, 0.2 kPa"), nullptr);
    EXPECT_NE(summaryLine(g, "Opening shock 2.1 g"), nullptr);
    // Above the legend, clear of each other.
    for (int k = 0; k + 1 < g.summaryCount; ++k) EXPECT_GE(g.summary[k].y - g.summary[k + 1].y, 12);
    EXPECT_GT(g.summary[g.summaryCount - 1].y, g.legendTitle.y + 11);

    auto onScreen = [](const MenuText& t) {
        if (!t.text[0]) return;
        EXPECT_GE(t.x, 0) << t.text;
        EXPECT_LE(t.x + textAdvance(t.text, t.style, t.scaleX), 800.0f) << t.text;
        EXPECT_GE(t.y, 0) << t.text;
        EXPECT_LE(t.y, 584) << t.text;
    };
    for (int k = 0; k < g.summaryCount; ++k) onScreen(g.summary[k]);
    for (const MenuText& t : g.legend) onScreen(t);
    for (const GraphPlot& p : g.plots) {
        onScreen(p.title);
        onScreen(p.pointLabel);
        for (int k = 0; k < p.time.tickCount; ++k) onScreen(p.timeLabels[k]);
        for (int k = 0; k < p.value.tickCount; ++k) onScreen(p.valueLabels[k]);
    }
}

// A seat that never leaves: no plots, the reason in words, nothing read past
// the one stored sample.
TEST(GraphPage, SeatThatNeverLeaves) {
    static LaidOut r;
    r.sim->params.catapultOnsetRate = 0.0f;
    r.run(true);
    EXPECT_TRUE(r.page.ready);
    EXPECT_FALSE(r.page.plotsShown);
    EXPECT_NE(summaryLine(r.page, "The seat does not leave"), nullptr);
}
