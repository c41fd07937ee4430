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

// The texture of quad slot i: a TGA picture blended by its alpha, or a JPEG.
void bindQuadTexture(const PolyModel& m, int i) {
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
}

// "X" slot i and the three slots after it: one textured quad (in the tint
// instead, when there is one).
void drawQuad(const PolyModel& m, int i, const Vec3& n, float s, const float* tint) {
    if (tint) glColor4f(tint[0], tint[1], tint[2], tint[3]);
    else bindQuadTexture(m, i);
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
    if (tint) return;
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// One part's slots being drawn: the next face normal, and whether a
// primitive is open. Tracking the open glBegin means a stream that starts a
// primitive while one is open, or ends none, never leaves GL inside a
// begin/end pair. GL refuses state changes inside a primitive, so a malformed
// stream that asks for one there ("EC" in a polygon, "S" before the last
// "E") closes it first.
struct PartStream {
    const PolyModel& m;
    float s;    // normal sign
    int index;  // next face normal
    bool open = false;
    const float* tint = nullptr;  // one see-through colour for the whole part

    void close() {
        if (open) glEnd();
        open = false;
    }
    void begin(GLenum mode) {
        close();
        glBegin(mode);
        open = true;
    }
};

// "S": a polygon with the next face normal, wound as the slot says.
void startPolygon(PartStream& p, int i) {
    p.close();
    glFrontFace(p.m.slotKind[i] == kindStartCw ? GL_CW : GL_CCW);
    Vec3 n = normalAt(p.m, p.index);
    glNormal3f(p.s * n.x, p.s * n.y, p.s * n.z);
    p.begin(GL_POLYGON);
    ++p.index;
    vertexOf(p.m, i);
}

// "C": a colour; outside a primitive it also says whether the part is
// see-through.
void setColour(const PartStream& p, int i) {
    const Vec3& c = p.m.drawPos[i];
    const float alpha = p.m.slotAlpha[i];
    if (p.open) {
        // Inside a primitive only the colour may change.
        glColor4f(c.x, c.y, c.z, alpha == 0.0f ? 1.0f : alpha);
        return;
    }
    if (alpha == 0.0f) {
        glColor3f(c.x, c.y, c.z);
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
    } else {
        glEnable(GL_BLEND);
        glColor4f(c.x, c.y, c.z, alpha);
        glDepthMask(GL_FALSE);
    }
}

// The textured, unlit strips that follow (the chute's cylinder).
void startTexturedStrips(PartStream& p, int i) {
    p.close();
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    // Bound before the wrap is set, so the clamp lands on the strip's own
    // texture and never on whatever texture was bound before.
    glBindTexture(GL_TEXTURE_2D, tgaTexture(p.m.slotTexture[i]));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
}

// A state change between primitives: it closes what is open first.
void changeState(PartStream& p, int kind) {
    p.close();
    switch (kind) {
        case kindTextureOff: glDisable(GL_TEXTURE_2D); break;
        case kindStripEnd: glEnable(GL_LIGHTING); break;
        case kindCullOn: glEnable(GL_CULL_FACE); break;
        case kindCullOff: glDisable(GL_CULL_FACE); break;
        case kindFrontCcw: glFrontFace(GL_CCW); break;
        case kindFrontCw: glFrontFace(GL_CW); break;
        default: break;
    }
}

// Draws slot i; returns the last slot it used (a quad takes four).
int drawSlot(PartStream& p, int i, int last) {
    const PolyModel& m = p.m;
    switch (m.slotKind[i]) {
        case kindEnd:
            if (p.open) {
                vertexOf(m, i);
                glEnd();
                p.open = false;
            }
            break;
        case kindStartCw:
        case kindStartCcw: startPolygon(p, i); break;
        case kindCorner:
            if (p.open) vertexOf(m, i);
            break;
        case kindStripCorner:
            if (p.open) {
                glTexCoord2f(m.slotUV[i].u, m.slotUV[i].v);
                vertexOf(m, i);
            }
            break;
        case kindColour:
            if (!p.tint) setColour(p, i);
            break;
        case kindCylinderOn:
            if (p.tint) p.close();
            else startTexturedStrips(p, i);
            break;
        case kindStripBegin: p.begin(GL_TRIANGLE_STRIP); break;
        case kindTextureOff:
        case kindStripEnd:
        case kindCullOn:
        case kindCullOff:
        case kindFrontCcw:
        case kindFrontCw: changeState(p, m.slotKind[i]); break;
        case kindQuad:
            p.close();
            if (i + 3 <= last) drawQuad(m, i, normalAt(m, p.index), p.s, p.tint);
            ++p.index;
            return i + 3;
        default: break;
    }
    return i;
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
    PartStream stream{m, s, (int)m.parts[part].firstNormal};
    for (int i = first; i <= last; ++i) i = drawSlot(stream, i, last);
    stream.close();
    glPopMatrix();
}

void drawModelPartTinted(const PolyModel& m, int part, float tx, float ty, float tz, const float rgba[4]) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return;
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glColor4f(rgba[0], rgba[1], rgba[2], rgba[3]);
    glPushMatrix();
    glTranslatef(tx, ty, tz);
    PartStream stream{m, 1.0f, (int)m.parts[part].firstNormal};
    stream.tint = rgba;
    for (int i = first; i <= last; ++i) i = drawSlot(stream, i, last);
    stream.close();
    glPopMatrix();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
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
