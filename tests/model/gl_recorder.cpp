#include "tests/model/gl_recorder.h"

#include <GL/gl.h>

#include <cstring>

GlRecord glRecord;

void resetGlRecord() { glRecord = GlRecord(); }

namespace {

void fold(const void* data, size_t n) {
    const unsigned char* b = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < n; ++i) {
        glRecord.trace ^= b[i];
        glRecord.trace *= 1099511628211ull;
    }
}

// The call's name, then each argument's bytes.
template <typename... Args>
void trace(const char* name, Args... args) {
    fold(name, std::strlen(name) + 1);
    (fold(&args, sizeof args), ...);
}

// A call that changes state: invalid while a primitive is open.
void stateCall(const char* name) {
    if (!glRecord.inside) return;
    if (glRecord.misplaced++ == 0) glRecord.firstMisplaced = name;
}

}  // namespace

extern "C" {

void glBegin(GLenum mode) {
    trace("glBegin", mode);
    stateCall("glBegin");
    glRecord.inside = true;
    ++glRecord.begins;
}

void glEnd() {
    trace("glEnd");
    if (!glRecord.inside && glRecord.misplaced++ == 0) glRecord.firstMisplaced = "glEnd";
    glRecord.inside = false;
    ++glRecord.ends;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    trace("glVertex3f", x, y, z);
    if (glRecord.inside) ++glRecord.vertices;
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { trace("glColor3f", r, g, b); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { trace("glColor4f", r, g, b, a); }
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { trace("glNormal3f", x, y, z); }
void glTexCoord2f(GLfloat u, GLfloat v) { trace("glTexCoord2f", u, v); }

void glFrontFace(GLenum mode) {
    trace("glFrontFace", mode);
    stateCall("glFrontFace");
    glRecord.frontFace = mode;
}
void glEnable(GLenum cap) {
    trace("glEnable", cap);
    stateCall("glEnable");
}
void glDisable(GLenum cap) {
    trace("glDisable", cap);
    stateCall("glDisable");
}
void glBindTexture(GLenum target, GLuint texture) {
    trace("glBindTexture", target, texture);
    stateCall("glBindTexture");
}
void glBlendFunc(GLenum s, GLenum d) {
    trace("glBlendFunc", s, d);
    stateCall("glBlendFunc");
}
void glDepthFunc(GLenum f) {
    trace("glDepthFunc", f);
    stateCall("glDepthFunc");
}
void glDepthMask(GLboolean on) {
    trace("glDepthMask", on);
    stateCall("glDepthMask");
}
void glTexEnvi(GLenum target, GLenum name, GLint v) {
    trace("glTexEnvi", target, name, v);
    stateCall("glTexEnvi");
}
void glTexParameteri(GLenum target, GLenum name, GLint v) {
    trace("glTexParameteri", target, name, v);
    stateCall("glTexParameteri");
}
void glPushMatrix() {
    trace("glPushMatrix");
    stateCall("glPushMatrix");
}
void glPopMatrix() {
    trace("glPopMatrix");
    stateCall("glPopMatrix");
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    trace("glTranslatef", x, y, z);
    stateCall("glTranslatef");
}

}  // extern "C"
