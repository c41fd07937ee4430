#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "assets/textures.h"
#include "menu/font_text.h"
#include "menu/widgets_draw.h"

unsigned int tgaTexture(int image) {
    if (image < 0 || image >= tgaImageCount) return 0;
    return tgaImages[image].texture;
}

void drawTexturedRect(unsigned int texture, const Rect& r, bool topRowFirst) {
    const float top = topRowFirst ? 0.0f : 1.0f, bottom = 1.0f - top;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glTexCoord2f(0, top);
    glVertex2i(r.left, r.top);
    glTexCoord2f(1, top);
    glVertex2i(r.right, r.top);
    glTexCoord2f(1, bottom);
    glVertex2i(r.right, r.bottom);
    glTexCoord2f(0, bottom);
    glVertex2i(r.left, r.bottom);
    glEnd();
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
}

void outlineRect(const Rect& r) {
    glBegin(GL_LINE_LOOP);
    glVertex2i(r.left, r.top);
    glVertex2i(r.right, r.top);
    glVertex2i(r.right, r.bottom);
    glVertex2i(r.left, r.bottom);
    glEnd();
}

void fillRect(const Rect& r) {
    glBegin(GL_QUADS);
    glVertex2i(r.left, r.top);
    glVertex2i(r.right, r.top);
    glVertex2i(r.right, r.bottom);
    glVertex2i(r.left, r.bottom);
    glEnd();
}

void printCentred(const Rect& r, const char* text, int style, float scale, float advance) {
    int width = (int)(std::strlen(text) * advance * scale);
    int x = (r.left + r.right - width) / 2;
    int glyph = (int)(16 * scale);
    // Text coordinates have their origin at the bottom-left.
    int y = 600 - (r.top + r.bottom + glyph) / 2;
    printText(x, y, text, style, scale, scale);
}

void drawSpinner(const ValueSpinner& s, int mouseX, int mouseY) {
    int hover = spinnerHitTest(s, mouseX, mouseY);
    float shade[2] = {0.55f, 0.55f};
    float yellow[2] = {0, 0};
    if (hover == kSpinnerDecrement || hover == kSpinnerIncrement) {
        int k = hover - 1;
        shade[k] = 0.85f;
        shade[1 - k] = 0.7f;
        if (s.arrows[k].pressCount == 1) yellow[k] = 1;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    const Rect* regions[2] = {&s.decrement, &s.increment};
    for (int k = 0; k < 2; ++k) {
        const Rect& r = *regions[k];
        if (yellow[k] != 0) glColor3f(1, 1, 0);
        else glColor3f(shade[k], shade[k], shade[k]);
        float mid = (r.top + r.bottom) * 0.5f;
        glBegin(GL_TRIANGLES);
        if (k == 0) {  // pointing left
            glVertex2f((float)r.left, mid);
            glVertex2i(r.right, r.bottom);
            glVertex2i(r.right, r.top);
        } else {
            glVertex2f((float)r.right, mid);
            glVertex2i(r.left, r.top);
            glVertex2i(r.left, r.bottom);
        }
        glEnd();
    }
}

void drawToggle(const ToggleBox& t) {
    bool on = t.enabled && t.state;
    unsigned int texture = tgaTexture(on ? 33 : 34);  // "Data/on.tga", "Data/off.tga"
    if (texture) {
        drawTexturedRect(texture, t.rect);
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(on ? 0.2f : 0.4f, on ? 0.9f : 0.4f, on ? 0.2f : 0.4f);
    fillRect(t.rect);
}

void drawImageButton(const ImageButton& b, int mouseX, int mouseY) {
    bool hover = buttonHit(b, mouseX, mouseY);
    unsigned int texture = tgaTexture(hover ? b.hoverImage : b.normalImage);
    if (texture) {
        drawTexturedRect(texture, b.rect);
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    if (hover) glColor3f(1, 0, 0);
    else glColor3f(0.5f, 0.5f, 0.5f);
    outlineRect(b.rect);
}

void drawScrollBar(const ScrollBar& b) {
    drawTexturedRect(tgaTexture(30), b.track);          // "Data/sl_bk.tga"
    drawTexturedRect(tgaTexture(29), scrollThumbRect(b));  // "Data/sl_tab.tga"
}

void drawNameList(const NameList& l, float scroll) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(1, 1, 0);
    outlineRect(l.rect);
    int row = l.selected - 1 - nameListFirstVisible(l, scroll);
    if (l.selected < 1 || l.selected > l.count || row < 0 || row >= l.visibleRows) return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.3f, 0.3f, 0.3f, 0.5f);
    int top = l.rect.top + row * l.rowHeight;
    fillRect({l.rect.left, top, l.rect.right, top + l.rowHeight});
}

void drawDialog(const TextDialog& d, int mouseX, int mouseY) {
    unsigned int back = tgaTexture(d.backgroundImage);
    if (back) {
        drawTexturedRect(back, d.box);
    } else {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glColor3f(0.3f, 0.3f, 0.3f);
        fillRect(d.box);
    }
    drawImageButton(d.ok, mouseX, mouseY);
    drawImageButton(d.cancel, mouseX, mouseY);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.05f, 0.6f);
    fillRect(d.edit);

    glColor3f(0.3f, 1.0f, 0.3f);
    printText(d.edit.left + 5, 630 - d.edit.bottom, d.prompt, 0, 1.0f, 1.0f);
    char line[sizeof d.text + 2];
    std::snprintf(line, sizeof line, "%s_", d.text);
    glColor3f(1, 1, 1);
    printText(d.edit.left + 5, 630 - d.edit.bottom - 25, line, 0, 1.0f, 1.0f);
    printCentred(d.ok.rect, "OK", 6, 1.0f, 11.0f);
    printCentred(d.cancel.rect, "CANCEL", 6, 1.0f, 11.0f);
}
