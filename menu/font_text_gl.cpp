// Glyph display lists and the text printer. Each list draws one textured
// 16 by 16 quad from its sheet cell and moves the pen; the printer draws
// the same quads a whole string at a time.
#include <GL/gl.h>

#include "menu/font_text.h"

namespace {

GLuint fontListBase = 0;
GlyphCell glyphCells[kFontListCount];

}  // namespace

void buildFontLists() {
    if (fontListBase != 0) return;
    fontListBase = glGenLists(kFontListCount);
    if (fontListBase == 0) return;
    for (int list = 0; list < kFontListCount; ++list) {
        const GlyphCell g = glyphCell(list);
        glyphCells[list] = g;
        glNewList(fontListBase + list, GL_COMPILE);
        if (!glyphListBuilt(list)) {
            glEndList();
            continue;
        }
        glBegin(GL_QUADS);
        glTexCoord2f(g.s0, g.t0);
        glVertex2i(0, 0);
        glTexCoord2f(g.s1, g.t0);
        glVertex2i(16, 0);
        glTexCoord2f(g.s1, g.t1);
        glVertex2i(16, 16);
        glTexCoord2f(g.s0, g.t1);
        glVertex2i(0, 16);
        glEnd();
        glTranslatef(g.advance, 0.0f, 0.0f);
        glEndList();
    }
}

void deleteFontLists() {
    if (fontListBase == 0) return;
    glDeleteLists(fontListBase, kFontListCount);
    fontListBase = 0;
}

void printText(int x, int y, const char* text, int style, float scaleX, float scaleY) {
    if (fontListBase == 0 || !text || !*text) return;
    const FontStyleInfo info = fontStyleInfo(style);

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, glyphSheetTexture(info.sheet));
    if (info.alphaBlend) glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 800.0, 0.0, 600.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef((float)x, (float)y, 0.0f);
    glScalef(scaleX, scaleY, 1.0f);

    // The string goes out as one batch of the quads its glyph lists hold,
    // placed at the pen the lists' own moves would give. A list call per
    // glyph with a matrix change between them is one draw per glyph, which a
    // software renderer pays for dearly on a screen full of text. Bytes whose
    // list would fall outside the reserved names, or on an empty list, are
    // dropped.
    glBegin(GL_QUADS);
    float pen = 0.0f;
    for (const char* p = text; *p; ++p) {
        const int list = glyphListFor(style, *p);
        if (!glyphListBuilt(list)) continue;
        const GlyphCell& g = glyphCells[list];
        glTexCoord2f(g.s0, g.t0);
        glVertex2f(pen, 0.0f);
        glTexCoord2f(g.s1, g.t0);
        glVertex2f(pen + 16.0f, 0.0f);
        glTexCoord2f(g.s1, g.t1);
        glVertex2f(pen + 16.0f, 16.0f);
        glTexCoord2f(g.s0, g.t1);
        glVertex2f(pen, 16.0f);
        pen += g.advance;
    }
    glEnd();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDepthMask(GL_TRUE);
}
