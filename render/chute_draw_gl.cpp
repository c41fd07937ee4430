#include <GL/gl.h>

#include "render/chute_draw.h"
#include "render/model_pose.h"

namespace {

void vertexAt(const Vec3& p, const Vec3& at) { glVertex3f(p.x + at.x, p.y + at.y, p.z + at.z); }

// Slot s + k of a part, when the part has that many slots.
bool slotsAvailable(const PolyModel& m, int part, int count, int* s) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return false;
    *s = first + 1;
    return *s + count - 1 <= last;
}

void slotVertex(const PolyModel& m, int slot, const Vec3& at) { vertexAt(m.drawPos[slot], at); }

void drawBands(const ChuteMesh& mesh, const Vec3& at, ChuteKind kind) {
    int firstBand = kind == ChuteKind::Drogue ? 1 : 2;
    int lastBand = kind == ChuteKind::Drogue ? 4 : 11;
    for (int p = firstBand; p <= lastBand; ++p) {
        for (int g = 0; g < kChuteGores; ++g) {
            int next = (g + 1) % kChuteGores;
            if (kind == ChuteKind::Drogue) glColor4f(0.5f, 0.5f, 0.5f, 0.87f);
            else if (g % 2 == 1) glColor4f(0.5f, 0.5f, 0.25f, 0.87f);
            else glColor4f(0.5f, 0.35f, 0.01f, 0.87f);
            const Vec3& a = mesh.drawn[p][g];
            const Vec3& b = mesh.drawn[p - 1][g];
            const Vec3& c = mesh.drawn[p][next];
            const Vec3& d = mesh.drawn[p - 1][next];
            Vec3 n = triangleNormal(a, b, d);
            glNormal3f(n.x, n.y, n.z);
            glBegin(GL_QUAD_STRIP);
            vertexAt(a, at);
            vertexAt(b, at);
            vertexAt(c, at);
            vertexAt(d, at);
            glEnd();
        }
    }
}

void drawDrogueLines(const ChuteMesh& mesh, const Vec3& at, const PolyModel& m, const Vec3& seatAt) {
    int s;
    if (!slotsAvailable(m, kPartSeat, 6, &s)) return;
    glLineWidth(0.01f);
    glColor4f(0.55f, 0.55f, 0.55f, 0.5f);
    glBegin(GL_LINES);
    for (int g = 0; g < kChuteGores; ++g) {
        vertexAt(mesh.drawn[4][g], at);
        slotVertex(m, s + 4, seatAt);
    }
    glEnd();
    glColor4f(0.2f, 0.2f, 0.2f, 0.5f);
    glBegin(GL_LINES);
    slotVertex(m, s, seatAt);
    slotVertex(m, s + 2, seatAt);
    slotVertex(m, s + 2, seatAt);
    slotVertex(m, s + 1, seatAt);
    glEnd();
    glBegin(GL_LINE_STRIP);
    slotVertex(m, s + 5, seatAt);
    slotVertex(m, s + 2, seatAt);
    slotVertex(m, s + 3, seatAt);
    glEnd();
    glColor4f(0.7f, 0.7f, 0.7f, 0.5f);
    glBegin(GL_LINES);
    slotVertex(m, s + 3, seatAt);
    slotVertex(m, s + 4, seatAt);
    glEnd();
}

void drawMainLines(const ChuteMesh& mesh, const Vec3& at, const PolyModel& m, const Vec3& pilotAt) {
    int s;
    if (!slotsAvailable(m, kPartPilot, 10, &s)) return;
    glLineWidth(0.01f);
    glColor3f(0.6f, 0.6f, 0.6f);
    glBegin(GL_LINES);
    for (int g = 0; g < kChuteGores; ++g) {
        vertexAt(mesh.drawn[11][g], at);
        slotVertex(m, g * kGoreStepDeg < 180.0f ? s + 1 : s, pilotAt);
    }
    glEnd();
    glColor3f(0.149f, 0.349f, 0.156f);
    const int risers[2][4] = {{s + 2, s + 3, s + 5, s + 4}, {s + 6, s + 7, s + 9, s + 8}};
    for (const auto& riser : risers) {
        glBegin(GL_QUAD_STRIP);
        for (int slot : riser) slotVertex(m, slot, pilotAt);
        glEnd();
    }
}

}  // namespace

void drawChuteMesh(const ChuteMesh& mesh, const Vec3& at, ChuteKind kind, bool lines,
                   const PolyModel& m, const Vec3& loadAt) {
    glFrontFace(GL_CW);
    glDisable(GL_CULL_FACE);
    glPushMatrix();
    glDisable(GL_BLEND);
    drawBands(mesh, at, kind);
    glPopMatrix();
    if (lines) {
        if (kind == ChuteKind::Drogue) drawDrogueLines(mesh, at, m, loadAt);
        else drawMainLines(mesh, at, m, loadAt);
    }
    glLineWidth(1.0f);
    glDisable(GL_BLEND);
}
