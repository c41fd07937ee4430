#include <GL/gl.h>
#include <GL/glu.h>

#include "render/scene_light.h"

namespace {

// The sun sphere is the same every frame: compiled once into a list instead
// of building a quadric (and allocating) each frame.
GLuint sunSphereList = 0;

void compileSunSphere() {
    sunSphereList = glGenLists(1);
    if (!sunSphereList) return;
    GLUquadric* q = gluNewQuadric();
    if (!q) {
        glDeleteLists(sunSphereList, 1);
        sunSphereList = 0;
        return;
    }
    gluQuadricDrawStyle(q, GLU_FILL);
    gluQuadricNormals(q, GLU_SMOOTH);
    gluQuadricTexture(q, GL_TRUE);
    glNewList(sunSphereList, GL_COMPILE);
    gluSphere(q, kSunMarkerRadius, 60, 60);
    glEndList();
    gluDeleteQuadric(q);
}

}  // namespace

void setupLights(const SceneLight& light, const Vec3& eye) {
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    float level = light.lightLevel;
    int row = skyRow(eye.z);
    if (row >= 0) {
        const float* c = light.skyTable[row];
        glClearColor(c[0], c[1], c[2], 1.0f);
    }
    const GLfloat ambient[4] = {level, level, level, 1.0f};
    const GLfloat diffuse[4] = {level - 0.5f, level - 0.5f, level - 0.5f, 1.0f};
    const GLfloat position[4] = {light.sunPosition.x, light.sunPosition.y, light.sunPosition.z, 1.0f};
    const GLfloat specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glEnable(GL_LIGHT0);
}

void setupMaterial() {
    glEnable(GL_COLOR_MATERIAL);
    const GLfloat specular[4] = {1.1f, 1.0f, 1.0f, 1.0f};
    const GLfloat diffuse[4] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat ambient[4] = {0.9f, 0.9f, 0.9f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void setEmission(float r, float g, float b) {
    const GLfloat e[4] = {r, g, b, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, e);
}

void drawSunMarker(float x, float y, float z) {
    if (!sunSphereList) compileSunSphere();
    glPushMatrix();
    glTranslatef(x, y, z);
    glEnable(GL_CULL_FACE);
    const GLfloat specular[4] = {0.4f, 0.4f, 0.4f, 1.0f};
    const GLfloat colour[4] = {0.3f, 0.12f, 0.1f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 100.0f);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, colour);
    if (sunSphereList) glCallList(sunSphereList);
    glPopMatrix();
}

void drawSunStep(const SceneLight& light) {
    const Vec3& s = light.sunPosition;
    setEmission(1.0f, 1.0f, 0.0f);
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    if (!sunBeyondFarPlane(modelview, s, kSunMarkerRadius)) drawSunMarker(s.x, s.y, s.z);
    setEmission(0.0f, 0.0f, 0.0f);
    glColor3f(0.8f, 0.8f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(s.x, s.y, s.z);
    glVertex3f(s.x, s.y, 0.0f);
    glEnd();
}
