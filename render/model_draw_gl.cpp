#include <GL/gl.h>

#include "assets/textures.h"
#include "render/model_draw.h"

namespace {

GLuint tgaTexture(int index) {
    return index >= 0 && index < tgaImageCount ? tgaImages[index].texture : 0;
}

GLuint jpegTexture(int slot) { return slot >= 0 && slot < jpegSlotCount ? jpegTextures[slot] : 0; }

Vec3 normalAt(const PolyModel& m, int index) {
    return index >= 1 && index <= kModelSlotCapacity ? m.normals[index] : Vec3();
}

void vertexOf(const PolyModel& m, int slot) {
    const Vec3& p = m.drawPos[slot];
    glVertex3f(p.x, p.y, p.z);
}

// "X" slot i and the three slots after it: one textured quad.
void drawQuad(const PolyModel& m, int i, const Vec3& n, float s) {
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    int texture = m.slotTexture[i];
    if (texture >= 1000 && texture <= 1199) {
        glBindTexture(GL_TEXTURE_2D, tgaTexture(texture - 1000));
        glColor4f(1, 1, 1, 0);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glBindTexture(GL_TEXTURE_2D, jpegTexture(texture));
    }
    if (m.slotFlip[i] == 1) {
        glFrontFace(GL_CCW);
        glNormal3f(-s * n.x, -s * n.y, s * n.z);
    } else {
        glFrontFace(GL_CW);
        glNormal3f(s * n.x, s * n.y, s * n.z);
    }
    static const float uv[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
    glBegin(GL_POLYGON);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(uv[k][0], uv[k][1]);
        vertexOf(m, i + k);
    }
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

} // namespace

void drawModelPart(const PolyModel& m, int part, float tx, float ty, float tz, float s, bool noCull) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return;
    if (noCull) glDisable(GL_CULL_FACE);
    else glEnable(GL_CULL_FACE);
    glPushMatrix();
    glTranslatef(tx, ty, tz);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    int index = (int)m.parts[part].firstNormal;
    // Tracks an open glBegin so a stream that starts a primitive while one is
    // open, or ends none, never leaves GL inside a begin/end pair. GL refuses
    // state changes inside a primitive, so a malformed stream that asks for
    // one there ("EC" in a polygon, "S" before the last "E") closes it first.
    bool open = false;
    auto close = [&]() {
        if (open) glEnd();
        open = false;
    };
    auto begin = [&](GLenum mode) {
        close();
        glBegin(mode);
        open = true;
    };
    for (int i = first; i <= last; ++i) {
        const Vec3& p = m.drawPos[i];
        switch (m.slotKind[i]) {
        case kindEnd:
            if (open) {
                vertexOf(m, i);
                glEnd();
                open = false;
            }
            break;
        case kindStartCw:
        case kindStartCcw: {
            close();
            glFrontFace(m.slotKind[i] == kindStartCw ? GL_CW : GL_CCW);
            Vec3 n = normalAt(m, index);
            glNormal3f(s * n.x, s * n.y, s * n.z);
            begin(GL_POLYGON);
            ++index;
            vertexOf(m, i);
            break;
        }
        case kindCorner:
            if (open) vertexOf(m, i);
            break;
        case kindStripCorner:
            if (open) {
                glTexCoord2f(m.slotUV[i].u, m.slotUV[i].v);
                vertexOf(m, i);
            }
            break;
        case kindColour:
            if (open) {
                // Inside a primitive only the colour may change.
                glColor4f(p.x, p.y, p.z, m.slotAlpha[i] == 0.0f ? 1.0f : m.slotAlpha[i]);
                break;
            }
            if (m.slotAlpha[i] == 0.0f) {
                glColor3f(p.x, p.y, p.z);
                glDisable(GL_BLEND);
                glDepthMask(GL_TRUE);
            } else {
                glEnable(GL_BLEND);
                glColor4f(p.x, p.y, p.z, m.slotAlpha[i]);
                glDepthMask(GL_FALSE);
            }
            break;
        case kindCylinderOn:
            close();
            glEnable(GL_TEXTURE_2D);
            glDisable(GL_CULL_FACE);
            // Bound before the wrap is set, so the clamp lands on the strip's
            // own texture and never on whatever texture was bound before.
            glBindTexture(GL_TEXTURE_2D, tgaTexture(m.slotTexture[i]));
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            glDisable(GL_LIGHTING);
            glDisable(GL_BLEND);
            glColor4f(1, 1, 1, 1);
            break;
        case kindTextureOff:
            close();
            glDisable(GL_TEXTURE_2D);
            break;
        case kindStripBegin: begin(GL_TRIANGLE_STRIP); break;
        case kindStripEnd:
            close();
            glEnable(GL_LIGHTING);
            break;
        case kindCullOn:
            close();
            glEnable(GL_CULL_FACE);
            break;
        case kindCullOff:
            close();
            glDisable(GL_CULL_FACE);
            break;
        case kindFrontCcw:
            close();
            glFrontFace(GL_CCW);
            break;
        case kindFrontCw:
            close();
            glFrontFace(GL_CW);
            break;
        case kindQuad:
            close();
            if (i + 3 <= last) drawQuad(m, i, normalAt(m, index), s);
            ++index;
            i += 3;
            break;
        default: break;
        }
    }
    close();
    glPopMatrix();
}

void drawPartShadow(const PolyModel& m, int part, float tx, float ty, float tz, const Vec3& light) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    glColor4f(0, 0, 0, 0.5f);
    bool open = false;
    auto ground = [&](int i) {
        const Vec3& d = m.drawPos[i];
        float px = tx + d.x, py = ty + d.y, pz = tz + d.z - 0.4f;
        float k = pz / (pz + light.z);
        glVertex3f(px + (px - light.x) * k, py + (py - light.y) * k, 0.01f);
    };
    for (int i = first; i <= last; ++i) {
        switch (m.slotKind[i]) {
        case kindStartCw:
        case kindStartCcw:
        case kindQuad:
        case kindTriangle:
            // A quad's corners end without an "E": close what is open first.
            if (open) glEnd();
            glBegin(m.slotKind[i] == kindTriangle ? GL_TRIANGLES : GL_POLYGON);
            open = true;
            ground(i);
            break;
        case kindCorner:
            if (open) ground(i);
            break;
        case kindEnd:
            if (open) {
                ground(i);
                glEnd();
                open = false;
            }
            break;
        default: break;
        }
    }
    if (open) glEnd();
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glBlendFunc(GL_DST_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_TRUE);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
}
