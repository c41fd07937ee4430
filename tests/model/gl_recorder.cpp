#include "tests/model/gl_recorder.h"

#include <GL/gl.h>

GlRecord glRecord;

void resetGlRecord() { glRecord = GlRecord(); }

namespace {

// A call that changes state: invalid while a primitive is open.
void stateCall(const char* name) {
    if (!glRecord.inside) return;
    if (glRecord.misplaced++ == 0) glRecord.firstMisplaced = name;
}

}  // namespace

extern "C" {

void glBegin(GLenum) {
    stateCall("glBegin");
    glRecord.inside = true;
    ++glRecord.begins;
}

void glEnd() {
    if (!glRecord.inside && glRecord.misplaced++ == 0) glRecord.firstMisplaced = "glEnd";
    glRecord.inside = false;
    ++glRecord.ends;
}

void glVertex3f(GLfloat, GLfloat, GLfloat) {
    if (glRecord.inside) ++glRecord.vertices;
}
void glColor3f(GLfloat, GLfloat, GLfloat) {}
void glColor4f(GLfloat, GLfloat, GLfloat, GLfloat) {}
void glNormal3f(GLfloat, GLfloat, GLfloat) {}
void glTexCoord2f(GLfloat, GLfloat) {}

void glFrontFace(GLenum mode) {
    stateCall("glFrontFace");
    glRecord.frontFace = mode;
}
void glEnable(GLenum) { stateCall("glEnable"); }
void glDisable(GLenum) { stateCall("glDisable"); }
void glBindTexture(GLenum, GLuint) { stateCall("glBindTexture"); }
void glBlendFunc(GLenum, GLenum) { stateCall("glBlendFunc"); }
void glDepthFunc(GLenum) { stateCall("glDepthFunc"); }
void glDepthMask(GLboolean) { stateCall("glDepthMask"); }
void glTexEnvi(GLenum, GLenum, GLint) { stateCall("glTexEnvi"); }
void glTexParameteri(GLenum, GLenum, GLint) { stateCall("glTexParameteri"); }
void glPushMatrix() { stateCall("glPushMatrix"); }
void glPopMatrix() { stateCall("glPopMatrix"); }
void glTranslatef(GLfloat, GLfloat, GLfloat) { stateCall("glTranslatef"); }

}  // extern "C"
