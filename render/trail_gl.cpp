// Draws the trail planTrail laid out: the lines, the marks and the labels
// after the world and before the bodies, and the ghost's see-through package
// after the bodies.
#include <GL/gl.h>

#include "assets/glyph_sheet.h"
#include "render/model_draw.h"
#include "render/model_pose.h"
#include "render/trail.h"
#include "render/trail_draw.h"

namespace {

constexpr float kPackageWidthPx = 3.0f;
constexpr float kSeatWidthPx = 1.5f;
constexpr float kGhostAlpha = 0.55f;
constexpr float kPlate[4] = {0.0f, 0.0f, 0.0f, 0.55f};
constexpr float kGhostBody[4] = {0.75f, 0.85f, 1.0f, 0.38f};

// A faded colour of the ghost: towards grey, and see-through.
void ghostColour(const float c[3]) {
    glColor4f(0.25f + 0.6f * c[0], 0.25f + 0.6f * c[1], 0.25f + 0.6f * c[2], kGhostAlpha);
}

void colourOf(const float c[3], bool ghost) {
    if (ghost) ghostColour(c);
    else glColor4f(c[0], c[1], c[2], 1.0f);
}

void vertex(const Vec3& p) { glVertex3f(p.x, p.y, p.z); }

// A flat-shaded strip takes each segment's colour from its last vertex: the
// phase that segment ends in.
void drawLine(const TrailLine& l, float widthPx, bool byPhase, bool ghost) {
    if (!l.path || l.count <= 0) return;
    glLineWidth(widthPx);
    glPushMatrix();
    glTranslatef(l.offset.x, l.offset.y, l.offset.z);
    glBegin(GL_LINE_STRIP);
    if (!byPhase) colourOf(kTrailSeatColour, ghost);
    for (int i = 0; i < l.count; ++i) {
        if (byPhase) colourOf(kTrailPhaseColours[l.path->phase[i]], ghost);
        vertex(l.path->at[i]);
    }
    if (l.endShown) {
        if (byPhase) colourOf(kTrailPhaseColours[l.endPhase], ghost);
        vertex(l.end);
    }
    glEnd();
    glPopMatrix();
}

void drawMarks(const TrailFrame& f, int first, int end, bool ghost) {
    if (first >= end) return;
    // A dark rim, then the phase's colour inside it.
    glPointSize(ghost ? 6.0f : 9.0f);
    glBegin(GL_POINTS);
    glColor4f(0.0f, 0.0f, 0.0f, ghost ? kGhostAlpha : 0.8f);
    for (int i = first; i < end; ++i) vertex(f.marks[i].at);
    glEnd();
    glPointSize(ghost ? 4.0f : 6.0f);
    glBegin(GL_POINTS);
    for (int i = first; i < end; ++i) {
        colourOf(kTrailPhaseColours[f.marks[i].phase], ghost);
        vertex(f.marks[i].at);
    }
    glEnd();
}

void drawLabels(const TrailLabels& labels) {
    if (labels.count <= 0) return;
    // Labels are read over whatever lies on their line of sight (a tree, the
    // path looping back, the parachute's lines cut letters out otherwise);
    // the bodies drawn after them still cover them. Plates first, pushed
    // back in depth so the glyphs in their plane win, then the leaders of
    // labels stacked away from their marks.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 4.0f);
    glColor4fv(kPlate);
    glBegin(GL_QUADS);
    for (int k = 0; k < labels.count; ++k)
        for (const Vec3& c : labels.label[k].plate) vertex(c);
    glEnd();
    glDisable(GL_POLYGON_OFFSET_FILL);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int k = 0; k < labels.count; ++k) {
        const TrailLabel& l = labels.label[k];
        if (!l.leader) continue;
        glColor4f(l.colour[0], l.colour[1], l.colour[2], 0.7f);
        vertex(l.leaderFrom);
        vertex(l.leaderTo);
    }
    glEnd();
    // The glyphs add their light to the plate, as the HUD's text does.
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glyphSheetTexture(FontSheet::Plain));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glBegin(GL_QUADS);
    for (int k = 0; k < labels.count; ++k) {
        const TrailLabel& l = labels.label[k];
        glColor4f(l.colour[0], l.colour[1], l.colour[2], 1.0f);
        for (int g = 0; g < l.glyphCount; ++g) {
            const LabelGlyph& q = l.glyphs[g];
            glTexCoord2f(q.s0, q.t0);
            vertex(q.corner[0]);
            glTexCoord2f(q.s1, q.t0);
            vertex(q.corner[1]);
            glTexCoord2f(q.s1, q.t1);
            vertex(q.corner[2]);
            glTexCoord2f(q.s0, q.t1);
            vertex(q.corner[3]);
        }
    }
    glEnd();
    glDepthMask(GL_TRUE);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace

void drawTrail(const TrailState& trail) {
    const TrailFrame& f = trail.frame;
    if (!f.shown) return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_FLAT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (f.ghost) {
        // Faded and see-through: it writes no depth, so the run's own line
        // shows through where they cross.
        glDepthMask(GL_FALSE);
        drawLine(f.ghostSeat, kSeatWidthPx, false, true);
        drawLine(f.ghostPackage, kPackageWidthPx, true, true);
        drawMarks(f, f.ghostMarkFirst, f.markCount, true);
        glDepthMask(GL_TRUE);
    }
    drawLine(f.seat, kSeatWidthPx, false, false);
    drawLine(f.package, kPackageWidthPx, true, false);
    drawMarks(f, 0, f.ghost ? f.ghostMarkFirst : f.markCount, false);
    drawLabels(f.labels);
    glPopAttrib();
}

void drawGhostPackage(const TrailState& trail, const PolyModel& model) {
    const TrailFrame& f = trail.frame;
    if (!f.shown || !f.ghostBody) return;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    const Vec3& at = f.ghostAt;
    drawModelPartTinted(model, kPartPilot, at.x, at.y, at.z, kGhostBody);
    if (f.ghostSeatWithPilot) drawModelPartTinted(model, kPartSeat, at.x, at.y, at.z, kGhostBody);
    glPopAttrib();
}
