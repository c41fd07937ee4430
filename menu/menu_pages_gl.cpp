#include <GL/gl.h>

#include <cstdio>

#include "assets/textures.h"
#include "menu/control_page.h"
#include "menu/font_text.h"
#include "menu/info_pages.h"
#include "menu/menu_control.h"
#include "menu/menu_pages.h"
#include "menu/menu_text.h"
#include "menu/scene_presets.h"
#include "menu/widgets_draw.h"
#include "sim/simulation.h"

namespace {

MenuWidgets& W = menuWidgets;

void printLines(const MenuText* lines, int count) {
    for (int k = 0; k < count; ++k) {
        const MenuText& t = lines[k];
        if (!t.text[0]) continue;
        glColor3fv(t.color);
        printText(t.x, t.y, t.text, t.style, t.scaleX, t.scaleY);
    }
}

void drawPageArrows(const ImageButton& left, const ImageButton& right, const MenuPointer& p) {
    drawImageButton(left, p.x, p.y);
    drawImageButton(right, p.x, p.y);
}

void drawButtonWithLabel(const ImageButton& b, const char* label, const MenuPointer& p) {
    drawImageButton(b, p.x, p.y);
    glColor3f(1, 1, 1);
    printCentred(b.rect, label, 6, 1.0f, 10.0f);
}

}  // namespace

void drawAboutPage(int panelX, const MenuPointer& pointer) {
    static MenuText lines[kInfoLineCapacity];
    int n = layoutAboutPage(menu.aboutPage, panelX, lines, kInfoLineCapacity);
    AboutPicture pictures[kAboutPictureCapacity];
    int p = aboutPictures(menu.aboutPage, panelX, pictures, kAboutPictureCapacity);
    for (int k = 0; k < p; ++k) {
        unsigned int texture = jpegTextures[pictures[k].slot];
        if (texture) {
            drawTexturedRect(texture, pictures[k].rect, true);
        } else {  // not loaded yet: the frame of the picture
            glDisable(GL_TEXTURE_2D);
            glDisable(GL_BLEND);
            glColor3f(0.4f, 0.4f, 0.4f);
            outlineRect(pictures[k].rect);
        }
    }
    printLines(lines, n);
    drawPageArrows(W.aboutLeft, W.aboutRight, pointer);
}

void drawKeymapPage(int panelX, const MenuPointer& pointer) {
    static MenuText lines[kInfoLineCapacity];
    int n = layoutKeymapPage(menu.keymapPage, panelX, lines, kInfoLineCapacity);
    printLines(lines, n);
    drawPageArrows(W.keymapLeft, W.keymapRight, pointer);
}

void drawControlPage(int panelX, const MenuPointer& pointer) {
    static MenuText lines[kControlLineCapacity];
    int n = layoutControlPage(simulation, panelX, lines, kControlLineCapacity);
    printLines(lines, n);
    for (const ValueSpinner& s : W.control) drawSpinner(s, pointer.x, pointer.y);
    glColor3f(1, 1, 1);
    for (const ToggleBox& t : W.controlToggles) drawToggle(t);
    drawButtonWithLabel(W.defaults, "DEFAULT", pointer);
}

void drawScenePage(int panelX, const MenuPointer& pointer) {
    (void)panelX;
    const NameList& l = W.sceneList;
    float scroll = W.sceneScroll.value;
    int first = nameListFirstVisible(l, scroll);
    // Names are cut where the list (or the line above it) ends.
    char shown[kNameListNameLength + 1];
    glColor3f(1, 1, 1);
    for (int row = 0; row < l.visibleRows && first + row < l.count; ++row) {
        fitText(l.entries[first + row].name, 0, 0.9f, (float)(l.rect.right - l.rect.left - 10), shown, sizeof shown);
        printText(l.rect.left + 5, 600 - (l.rect.top + l.rowHeight * (row + 1)) + 3, shown, 0, 0.9f, 0.9f);
    }
    drawNameList(l, scroll);
    drawScrollBar(W.sceneScroll);

    glColor3f(0.85f, 0.85f, 0.85f);
    printText(l.rect.left, 600 - l.rect.top + 12, "Selected:", 0, 0.9f, 0.9f);
    glColor3f(1, 1, 0);
    fitText(nameListSelectedName(l), 0, 0.9f, (float)(W.sceneScroll.track.right - l.rect.left - 90), shown,
            sizeof shown);
    printText(l.rect.left + 90, 600 - l.rect.top + 12, shown, 0, 0.9f, 0.9f);

    drawButtonWithLabel(W.load, "LOAD", pointer);
    drawButtonWithLabel(W.remove, "DELETE", pointer);
    drawButtonWithLabel(W.save, "SAVE", pointer);
    if (freePresetSlot(scenePresetTable) < 0) {
        glColor3f(1, 0.4f, 0.4f);
        printText(W.load.rect.left, 600 - W.load.rect.bottom - 30, "Delete some scene to save!", 0, 0.9f, 0.9f);
    }
    char used[32];
    std::snprintf(used, sizeof used, "%3.0f percent Used", usedPresetSlots(scenePresetTable) * 100.0 / kMaxScenePresets);
    glColor3f(0.85f, 0.85f, 0.85f);
    printText(l.rect.left, 50, used, 0, 0.9f, 0.9f);
    // Why the scenes cannot be saved to the file, while it holds.
    if (scenePresetTable.fileProblem[0]) {
        char problem[sizeof scenePresetTable.fileProblem];
        fitText(scenePresetTable.fileProblem, 0, 0.8f, 560.0f, problem, sizeof problem);
        glColor3f(1, 0.4f, 0.4f);
        printText(l.rect.left - 60, 80, problem, 0, 0.8f, 0.8f);
    }
}

void drawOptionPage(int panelX) {
    static const char* const labels[kOptionToggleCount] = {"SOUND", "TREES", "BUILDING", "SKY", "PLANE"};
    static const int labelY[kOptionToggleCount] = {337, 302, 267, 232, 197};
    for (int k = 0; k < kOptionToggleCount; ++k) {
        if (W.options[k].enabled) glColor3f(1, 1, 1);
        else glColor3f(0.5f, 0.5f, 0.5f);
        printText(panelX + 89, labelY[k], labels[k], 4, 0.8f, 0.9f);
        drawToggle(W.options[k]);
    }
}

void drawSceneNameBox(const MenuPointer& pointer) {
    if (W.sceneNameBox.open) drawDialog(W.sceneNameBox, pointer.x, pointer.y);
}
