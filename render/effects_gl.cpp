#include <GL/gl.h>

#include "assets/textures.h"
#include "render/effects_draw.h"
#include "render/model_draw.h"
#include "render/model_pose.h"
#include "render/scene_light.h"

namespace {
constexpr int kFireImage = 18;  // "Data/fire.tga"
}

void drawRocketPlume(const PolyModel& m, const Vec3& at, const PlumeEmission& e, bool visible) {
    setEmission(e.r, e.g, e.b);
    if (visible) drawModelPart(m, kPartRocketPlume, at.x, at.y, at.z, 1.0f, true);
    setEmission(0.0f, 0.0f, 0.0f);
}

void drawCrashFire(const Vec3& c, float w, float h, const AtlasOffset& frame, const Vec3& eye) {
    glPushMatrix();
    float a = azimuthDeg(c.x - eye.x, c.y - eye.y);
    glTranslatef(c.x, c.y, 0.0f);
    glRotatef(a + 90.0f, 0.0f, 0.0f, 1.0f);
    glTranslatef(-c.x, -c.y, 0.0f);

    const TgaImage& image = tgaImages[kFireImage];
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, image.texture);
    glDepthMask(GL_FALSE);
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);

    // Half a texel in from the frame's edges, so the filter never takes in
    // the neighbouring frame and the quad shows no edge.
    FireFrameRect r = fireFrameRect(frame, image.width, image.height);
    glBegin(GL_POLYGON);
    glTexCoord2f(r.u0, r.v1);
    glVertex3f(c.x, c.y - w / 2, c.z + h);
    glTexCoord2f(r.u1, r.v1);
    glVertex3f(c.x, c.y + w / 2, c.z + h);
    glTexCoord2f(r.u1, r.v0);
    glVertex3f(c.x, c.y + w / 2, c.z);
    glTexCoord2f(r.u0, r.v0);
    glVertex3f(c.x, c.y - w / 2, c.z);
    glEnd();

    glDepthMask(GL_TRUE);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
