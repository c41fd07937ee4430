// The sliding panel with its backdrop, clock, tab strip, date line and the
// page of the current tab; and, while the menu is closed, the MENU strip and
// the camera-mode spinner.
#include <GL/gl.h>

#include <cstdio>
#include <ctime>

#include "menu/dial_draw.h"
#include "menu/font_text.h"
#include "menu/menu_control.h"
#include "menu/menu_pages.h"
#include "menu/widgets_draw.h"

namespace {

const char* const kTabLabels[6] = {"ABOUT", "KEYMAP", "CONTROL", "GRAPH", "SCENE", "OPTION"};
const int kTabLabelX[6] = {146, 221, 294, 375, 454, 525};
const char* const kWeekdays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

void drawTabStrip() {
    const Rect& r = kTabStrip;
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.3f, 0.3f, 0.3f, 0.5f);
    glBegin(GL_QUADS);
    glVertex2i(r.left, r.top);
    glVertex2i(r.right, r.top);
    glVertex2i(r.right, r.bottom);
    glVertex2i(r.left, r.bottom);
    // The selected cell stands out lighter.
    int x0 = r.left + menu.tabCell * kTabCellWidth;
    glColor4f(0.75f, 0.75f, 0.8f, 0.5f);
    glVertex2i(x0, r.top);
    glVertex2i(x0 + kTabCellWidth, r.top);
    glVertex2i(x0 + kTabCellWidth, r.bottom);
    glVertex2i(x0, r.bottom);
    glEnd();
    glDisable(GL_BLEND);
    glColor3f(0, 0, 0);
    outlineRect(r);
    glBegin(GL_LINES);
    for (int k = 1; k < 6; ++k) {
        glVertex2i(r.left + k * kTabCellWidth, r.top);
        glVertex2i(r.left + k * kTabCellWidth, r.bottom);
    }
    glEnd();
    glColor3f(0.85f, 0.85f, 0.85f);
    for (int k = 0; k < 6; ++k) printText(kTabLabelX[k], 563, kTabLabels[k], 6, 1.0f, 1.0f);
}

void drawDateLine(const std::tm& local) {
    char line[64];
    std::snprintf(line, sizeof line, "%2.0i-%2.0i-%4.0i %s", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900,
                  kWeekdays[(local.tm_wday % 7 + 7) % 7]);
    glColor3f(0.5f, 0.5f, 0.65f);
    printText(580, 23, line, 2, 0.8f, 0.9f);
}

// Letters stacked downwards from y, tinted while the mouse is over the strip.
void drawStripLetters(const char* letters, int x, int y, int step, float scaleX, float scaleY, bool hover) {
    if (hover) glColor3f(1.0f, 0.5f, 0.5f);
    else glColor3f(1, 1, 1);
    char one[2] = {0, 0};
    for (int k = 0; letters[k]; ++k) {
        one[0] = letters[k];
        printText(x, y - step * k, one, 6, scaleX, scaleY);
    }
}

}  // namespace

void drawMenuPanel(const MenuPointer& pointer, const std::tm& local) {
    const int edge = menu.menuEdgeX;
    glColor3f(1, 1, 1);
    drawTexturedRect(tgaTexture(menu.menuBackground), {edge - 800, 0, edge, 600});
    drawPanelClock(local.tm_hour, local.tm_min, edge - 142, 15);
    if (edge != 800) return;

    drawTabStrip();
    drawDateLine(local);
    drawStripLetters("EXIT", 764, 553, 15, 1.7f, 1.4f, buttonHit(menuWidgets.closeStrip, pointer.x, pointer.y));
    const int panelX = edge - 790;
    switch (menu.currentTab) {
        case kTabAbout: drawAboutPage(panelX, pointer); break;
        case kTabKeymap: drawKeymapPage(panelX, pointer); break;
        case kTabControl: drawControlPage(panelX, pointer); break;
        case kTabGraph: drawGraphPage(panelX); break;
        case kTabScene: drawScenePage(panelX, pointer); break;
        case kTabOption: drawOptionPage(panelX); break;
        default: break;
    }
    drawSceneNameBox(pointer);
}

void drawMenuStrip(const MenuPointer& pointer) {
    glColor3f(1, 1, 1);
    drawTexturedRect(tgaTexture(kImageMenuBack3), {-759, 0, 41, 600});
    drawStripLetters("MENU", 4, 553, 20, 1.7f, 1.4f, buttonHit(menuWidgets.openStrip, pointer.x, pointer.y));
    drawSpinner(menuWidgets.cameraMode, pointer.x, pointer.y);
}
