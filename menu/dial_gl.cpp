#include <GL/gl.h>

#include "assets/textures.h"
#include "menu/dial_draw.h"

void beginDial() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void drawDialFace(int image, int x, int y, int side) {
    glBindTexture(GL_TEXTURE_2D, tgaImages[image].texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2i(x, y);
    glTexCoord2f(1, 1);
    glVertex2i(x + side, y);
    glTexCoord2f(1, 0);
    glVertex2i(x + side, y + side);
    glTexCoord2f(0, 0);
    glVertex2i(x, y + side);
    glEnd();
}

void drawDialNeedle(int image, const NeedleQuad& q) {
    static const float tex[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    glBindTexture(GL_TEXTURE_2D, tgaImages[image].texture);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2fv(tex[k]);
        glVertex2i(q.corner[k].x, q.corner[k].y);
    }
    glEnd();
}

void drawPanelClock(int hour, int minute, int x, int y) {
    constexpr int side = 80;
    const ClockAngles a = panelClockAngles(hour, minute);
    beginDial();
    drawDialFace(kClockFace, x, y, side);
    drawDialNeedle(kNeedleBig, needleQuad(x, y, side, a.hourDeg));
    drawDialNeedle(kNeedle, needleQuad(x, y, side, a.minuteDeg));
}
