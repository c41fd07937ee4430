// The buildings' display list takes its name from GL like every other list
// of the program (the font lists among them) and keeps it across rebuilds.
// Run against a stand-in for GL that hands out list names and records what
// is compiled into which.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "render/world_draw.h"

namespace {

struct ListRecord {
    GLuint nextFree = 1;
    bool outOfNames = false;
    int generated = 0;            // glGenLists calls
    GLuint lastBase = 0;          // what the last one handed out
    std::vector<GLuint> compiled;  // names given to glNewList, in order
    bool open = false;
};
ListRecord lists;

}  // namespace

extern "C" {

GLuint glGenLists(GLsizei range) {
    ++lists.generated;
    if (lists.outOfNames || range <= 0) return 0;
    GLuint base = lists.nextFree;
    lists.nextFree += (GLuint)range;
    lists.lastBase = base;
    return base;
}
void glNewList(GLuint list, GLenum) {
    lists.compiled.push_back(list);
    lists.open = true;
}
void glEndList() { lists.open = false; }
void glCallList(GLuint) {}
void glBegin(GLenum) {}
void glEnd() {}
void glVertex3f(GLfloat, GLfloat, GLfloat) {}
void glColor4f(GLfloat, GLfloat, GLfloat, GLfloat) {}
void glNormal3f(GLfloat, GLfloat, GLfloat) {}
void glTexCoord2f(GLfloat, GLfloat) {}
void glFrontFace(GLenum) {}
void glEnable(GLenum) {}
void glDisable(GLenum) {}
void glBindTexture(GLenum, GLuint) {}
void glTexEnvi(GLenum, GLenum, GLint) {}
void glTexParameteri(GLenum, GLenum, GLint) {}

}  // extern "C"

TEST(WorldList, NamedByGlApartFromTheFontListsAndReusedOnRebuild) {
    // The font lists are made first at start-up: 1024 names.
    const GLuint fontBase = glGenLists(1024);
    buildWorldList();
    const GLuint world = lists.lastBase;
    ASSERT_EQ(lists.generated, 2);
    ASSERT_EQ(lists.compiled.size(), 1u);
    EXPECT_EQ(lists.compiled[0], world);
    EXPECT_FALSE(lists.open);
    EXPECT_TRUE(world < fontBase || world >= fontBase + 1024) << world;

    // The zero-zero reset rebuilds the town into the same list: no new name.
    const int generatedBefore = lists.generated;
    buildWorldList();
    EXPECT_EQ(lists.generated, generatedBefore);
    ASSERT_EQ(lists.compiled.size(), 2u);
    EXPECT_EQ(lists.compiled[1], world);
}
