#include <GL/gl.h>

#include "assets/textures.h"
#include "render/world_draw.h"

void drawCrossBillboard(float x, float y, float z, float w, float h, int image) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, image >= 0 && image < tgaImageCount ? tgaImages[image].texture : 0);
    glDepthMask(GL_FALSE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x + w / 2, y, z);
    glTexCoord2f(1, 0);
    glVertex3f(x - w / 2, y, z);
    glTexCoord2f(1, 1);
    glVertex3f(x - w / 2, y, z + h);
    glTexCoord2f(0, 1);
    glVertex3f(x + w / 2, y, z + h);
    glTexCoord2f(0, 0);
    glVertex3f(x, y - w / 2, z);
    glTexCoord2f(1, 0);
    glVertex3f(x, y + w / 2, z);
    glTexCoord2f(1, 1);
    glVertex3f(x, y + w / 2, z + h);
    glTexCoord2f(0, 1);
    glVertex3f(x, y - w / 2, z + h);
    glEnd();
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
}

void drawTrees(const TreeTable& table) {
    for (int i = 0; i < kTreesDrawn; ++i) {
        const TreeRecord& t = table.trees[i];
        drawCrossBillboard(t.x, t.y, 0.0f, t.size / 2.0f, t.size, (int)t.image);
    }
}
