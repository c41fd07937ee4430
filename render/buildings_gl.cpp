#include <GL/gl.h>

#include "assets/textures.h"
#include "render/poly_model.h"
#include "render/world_draw.h"

namespace {

GLuint worldList = 0;

GLuint jpeg(int slot) { return slot >= 0 && slot < jpegSlotCount ? jpegTextures[slot] : 0; }

void face(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, int texture, float repeat) {
    glBindTexture(GL_TEXTURE_2D, jpeg(texture));
    Vec3 n = triangleNormal(a, b, c);
    glNormal3f(-n.x, -n.y, -n.z);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(a.x, a.y, a.z);
    glTexCoord2f(repeat, 0);
    glVertex3f(b.x, b.y, b.z);
    glTexCoord2f(repeat, repeat);
    glVertex3f(c.x, c.y, c.z);
    glTexCoord2f(0, repeat);
    glVertex3f(d.x, d.y, d.z);
    glEnd();
}

void flat(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    glBegin(GL_QUADS);
    glVertex3f(a.x, a.y, a.z);
    glVertex3f(b.x, b.y, b.z);
    glVertex3f(c.x, c.y, c.z);
    glVertex3f(d.x, d.y, d.z);
    glEnd();
}

}  // namespace

void drawBuilding(const BuildingPlan& b, const SceneLight& light) {
    float level = light.lightLevel;
    glEnable(GL_CULL_FACE);
    glColor4f(level, level, level, 1.0f);
    glFrontFace(GL_CCW);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    const GLint wrap = b.wrapRepeat ? GL_REPEAT : GL_CLAMP;

    float x0 = b.centreX - b.sizeX / 2, x1 = b.centreX + b.sizeX / 2;
    float y0 = b.centreY - b.sizeY / 2, y1 = b.centreY + b.sizeY / 2;
    float z0 = b.baseZ, z1 = b.baseZ + b.height;
    Vec3 sw(x0, y0, z0), se(x1, y0, z0), ne(x1, y1, z0), nw(x0, y1, z0);
    Vec3 swT(x0, y0, z1), seT(x1, y0, z1), neT(x1, y1, z1), nwT(x0, y1, z1);

    const int textures[5] = {b.texSouth, b.texNorth, b.texEast, b.texWest, b.texTop};
    for (int t : textures) {
        glBindTexture(GL_TEXTURE_2D, jpeg(t));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    }
    face(sw, se, seT, swT, b.texSouth, b.repeat);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    face(ne, nw, nwT, neT, b.texNorth, b.repeat);
    face(se, ne, neT, seT, b.texEast, 1.0f);
    face(nw, sw, swT, nwT, b.texWest, 1.0f);
    face(swT, seT, neT, nwT, b.texTop, 1.0f);

    // The shadow: the same faces flattened onto the ground away from the sun.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.0f);
    const Vec3& s = light.sunPosition;
    Vec3 p[8] = {sw, se, ne, nw, swT, seT, neT, nwT};
    for (Vec3& q : p) q = buildingShadowPoint(q, s);
    flat(p[0], p[1], p[5], p[4]);
    flat(p[2], p[3], p[7], p[6]);
    flat(p[1], p[2], p[6], p[5]);
    flat(p[3], p[0], p[4], p[7]);
    flat(p[4], p[5], p[6], p[7]);
}

void buildWorldList() {
    BuildingPlan buildings[kBuildingCount];
    makeBuildings(buildings, runtimeRandom);
    if (worldList == 0) worldList = glGenLists(1);
    if (worldList == 0) return;  // no list names left: the town stays unbuilt
    glNewList(worldList, GL_COMPILE);
    glColor4f(sceneLight.lightLevel, sceneLight.lightLevel, sceneLight.lightLevel, 1.0f);
    for (const BuildingPlan& b : buildings) drawBuilding(b, sceneLight);
    glEndList();
}

void callWorldList() {
    if (worldList != 0) glCallList(worldList);
}
