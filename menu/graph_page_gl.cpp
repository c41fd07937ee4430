// The GRAPH page: its first line, then the picture of the run it computed,
// drawn from the layout made when the run was (menu/graph_plots.h).
#include <GL/gl.h>

#include "menu/font_text.h"
#include "menu/graph_plots.h"
#include "menu/menu_pages.h"

namespace {

// The layout is made for the open panel's page origin.
constexpr int kLayoutPanelX = 10;

void quad(const PlotBox& b) {
    glVertex2f(b.left, b.top);
    glVertex2f(b.right, b.top);
    glVertex2f(b.right, b.bottom);
    glVertex2f(b.left, b.bottom);
}

void outline(const PlotBox& b) {
    glBegin(GL_LINE_LOOP);
    quad(b);
    glEnd();
}

void print(const MenuText& t, int dx) {
    if (!t.text[0]) return;
    glColor3fv(t.color);
    printText(t.x + dx, t.y, t.text, t.style, t.scaleX, t.scaleY);
}

void blendOn() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void drawCard(const GraphPage& g) {
    glDisable(GL_BLEND);
    glBegin(GL_QUADS);
    glColor3f(0.07f, 0.09f, 0.14f);
    glVertex2f(g.card.left, g.card.top);
    glVertex2f(g.card.right, g.card.top);
    glColor3f(0.03f, 0.04f, 0.07f);
    glVertex2f(g.card.right, g.card.bottom);
    glVertex2f(g.card.left, g.card.bottom);
    glColor3f(0.1f, 0.14f, 0.24f);
    quad(g.header);
    glColor3f(1.0f, 0.75f, 0.2f);
    quad(PlotBox{g.card.left, g.ruleY, g.card.right, g.ruleY + 1.5f});
    glEnd();
    glColor3f(0.2f, 0.25f, 0.35f);
    outline(g.card);
    blendOn();
    glColor4f(1, 1, 1, 0.12f);
    glBegin(GL_LINES);
    glVertex2f(g.divider.left, g.divider.top);
    glVertex2f(g.divider.left, g.divider.bottom);
    glEnd();
}

void drawDashedVertical(float x, const PlotBox& b) {
    glBegin(GL_LINES);
    glVertex2f(x, b.top);
    glVertex2f(x, b.bottom);
    glEnd();
}

void drawPlotGeometry(const GraphPlot& p) {
    const PlotBox& b = p.box;
    blendOn();
    glColor4f(1, 1, 1, 0.08f);
    glBegin(GL_LINES);
    for (int k = 0; k < p.time.tickCount; ++k) {
        glVertex2f(p.timeTickX[k], b.top);
        glVertex2f(p.timeTickX[k], b.bottom);
    }
    for (int k = 0; k < p.value.tickCount; ++k) {
        glVertex2f(b.left, p.valueTickY[k]);
        glVertex2f(b.right, p.valueTickY[k]);
    }
    glEnd();

    // The moments and the limit: dashed, so the curves stay in front.
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, 0x0F0F);
    for (int k = 0; k < kGraphEventCount; ++k) {
        if (!p.eventShown[k]) continue;
        glColor4f(kGraphEventColours[k][0], kGraphEventColours[k][1], kGraphEventColours[k][2], 0.85f);
        drawDashedVertical(p.eventX[k], b);
    }
    if (p.levelShown) {
        glColor4f(1.0f, 0.4f, 0.35f, 0.8f);
        glBegin(GL_LINES);
        glVertex2f(b.left, p.levelY);
        glVertex2f(b.right, p.levelY);
        glEnd();
    }
    glDisable(GL_LINE_STIPPLE);

    // Axes with their tick marks.
    glColor4f(0.55f, 0.6f, 0.68f, 1.0f);
    glBegin(GL_LINES);
    for (int k = 0; k < p.time.tickCount; ++k) {
        glVertex2f(p.timeTickX[k], b.bottom);
        glVertex2f(p.timeTickX[k], b.bottom + 3);
    }
    for (int k = 0; k < p.value.tickCount; ++k) {
        glVertex2f(b.left - 3, p.valueTickY[k]);
        glVertex2f(b.left, p.valueTickY[k]);
    }
    glEnd();
    glColor4f(0.9f, 0.92f, 0.95f, 1.0f);
    glBegin(GL_LINE_STRIP);
    glVertex2f(b.left, b.top);
    glVertex2f(b.left, b.bottom);
    glVertex2f(b.right, b.bottom);
    glEnd();

    glEnable(GL_LINE_SMOOTH);
    glLineWidth(1.5f);
    for (int c = 0; c < p.curveCount; ++c) {
        const PlotCurve& curve = p.curves[c];
        glColor4f(p.curveColours[c][0], p.curveColours[c][1], p.curveColours[c][2], 1.0f);
        glBegin(GL_LINE_STRIP);
        for (int k = 0; k < curve.count; ++k) {
            glVertex2f(curve.x[k], curve.yFirst[k]);
            glVertex2f(curve.x[k], curve.yLast[k]);
        }
        glEnd();
    }
    glLineWidth(1.0f);
    glDisable(GL_LINE_SMOOTH);

    if (p.pointShown) {
        glColor4f(1.0f, 0.75f, 0.2f, 1.0f);
        glBegin(GL_QUADS);
        glVertex2f(p.pointX, p.pointY - 3.5f);
        glVertex2f(p.pointX + 3.5f, p.pointY);
        glVertex2f(p.pointX, p.pointY + 3.5f);
        glVertex2f(p.pointX - 3.5f, p.pointY);
        glEnd();
    }
}

void drawPlotText(const GraphPlot& p, int dx) {
    print(p.title, dx);
    print(p.titleNote, dx);
    for (const MenuText& t : p.curveLabels) print(t, dx);
    for (int k = 0; k < p.time.tickCount; ++k) print(p.timeLabels[k], dx);
    for (int k = 0; k < p.value.tickCount; ++k) print(p.valueLabels[k], dx);
    if (p.levelShown) print(p.levelLabel, dx);
    if (p.pointShown) print(p.pointLabel, dx);
}

}  // namespace

void drawGraphPage(int panelX) {
    glColor3f(1, 1, 1);
    printText(300, 300, "Working on...", 0, 1.0f, 1.0f);
    const GraphPage& g = graphPage;
    if (!g.ready) return;
    const int dx = panelX - kLayoutPanelX;

    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef((float)dx, 0.0f, 0.0f);
    drawCard(g);
    if (g.plotsShown)
        for (const GraphPlot& p : g.plots) drawPlotGeometry(p);
    glBegin(GL_QUADS);
    for (int k = 0; k < kGraphEventCount; ++k) {
        glColor4f(kGraphEventColours[k][0], kGraphEventColours[k][1], kGraphEventColours[k][2], 1.0f);
        quad(g.legendSwatch[k]);
    }
    glEnd();
    glPopMatrix();

    print(g.heading, dx);
    print(g.subheading, dx);
    if (g.plotsShown)
        for (const GraphPlot& p : g.plots) drawPlotText(p, dx);
    for (int k = 0; k < g.summaryCount; ++k) print(g.summary[k], dx);
    print(g.legendTitle, dx);
    for (const MenuText& t : g.legend) print(t, dx);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
