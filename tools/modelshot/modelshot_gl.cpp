// vorix-modelshot DATA_PARENT OUT_DIR: renders Data/poly.txt (posed as before
// a run: seat and pilot in the cockpit, canopy closed) from several views
// into PNG files, with the program's sun light and material.
#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/textures.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "render/model_draw.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "tools/png/png_file.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
const Vec3 kSun(70.0f, 0.0f, 1244530.0f);

struct View {
    const char* name;
    float eye[3], target[3], up[3];
    float fov;
    float canopyOpenDeg;
    bool crewOnly;
    float pitchDeg = 0, rollDeg = 0, headingDeg = 0;  // fighter attitude
};

const View kViews[] = {
    {"front", {0, -12, 3.0f}, {0, 7, 2.2f}, {0, 0, 1}, 40, 0, false},
    {"side", {-26, 7.5f, 2.6f}, {0, 7.5f, 2.4f}, {0, 0, 1}, 40, 0, false},
    {"above", {0.01f, 7.5f, 32}, {0, 7.5f, 2}, {0, -1, 0}, 40, 0, false},
    {"three_quarter", {-14, -9, 7}, {0, 6.5f, 2.2f}, {0, 0, 1}, 40, 0, false},
    {"rear_quarter", {12, 24, 6}, {0, 8, 2.4f}, {0, 0, 1}, 40, 0, false},
    {"cockpit", {-2.4f, 2.2f, 4.4f}, {0, 4.1f, 2.9f}, {0, 0, 1}, 40, 0, false},
    {"cockpit_side", {-3.2f, 4.0f, 3.2f}, {0, 4.0f, 2.9f}, {0, 0, 1}, 40, 0, false},
    {"canopy_open", {-6, 1.5f, 5}, {0, 4.5f, 3}, {0, 0, 1}, 40, 60, false},
    {"crew_front", {1.2f, -1.0f, 3.6f}, {0, 3.9f, 2.9f}, {0, 0, 1}, 30, 0, true},
    {"attitude", {-14, -9, 9}, {0, 6.5f, 3.5f}, {0, 0, 1}, 40, 0, false, 15, 30, 20},
    {"tail_above", {2.5f, 12.5f, 9}, {1.5f, 13.8f, 2}, {0, 0, 1}, 40, 0, false},
    {"crew_back", {-1.5f, 7.5f, 3.8f}, {0, 4.1f, 2.9f}, {0, 0, 1}, 30, 0, true},
};

void setupScene() {
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    GLfloat ambient[] = {0.82f, 0.82f, 0.82f, 1}, diffuse[] = {0.32f, 0.32f, 0.32f, 1};
    GLfloat specular[] = {1, 1, 1, 1}, position[] = {kSun.x, kSun.y, kSun.z, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glEnable(GL_LIGHT0);
}

void setupMaterial() {
    glEnable(GL_COLOR_MATERIAL);
    GLfloat shine[] = {1.1f, 1, 1, 1}, dif[] = {0.9f, 0.9f, 0.9f, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, shine);
    glMaterialf(GL_FRONT, GL_SHININESS, 128);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, dif);
    glMaterialfv(GL_FRONT, GL_AMBIENT, dif);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void drawGround() {
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glColor3f(0.42f, 0.5f, 0.36f);
    glBegin(GL_QUADS);
    glVertex3f(-200, -200, 0);
    glVertex3f(200, -200, 0);
    glVertex3f(200, 200, 0);
    glVertex3f(-200, 200, 0);
    glEnd();
    // Runway-grey pad with a 1 m grid, for scale.
    glColor3f(0.55f, 0.55f, 0.56f);
    glBegin(GL_QUADS);
    glVertex3f(-8, -4, 0.002f);
    glVertex3f(8, -4, 0.002f);
    glVertex3f(8, 20, 0.002f);
    glVertex3f(-8, 20, 0.002f);
    glEnd();
    glColor3f(0.45f, 0.45f, 0.46f);
    glBegin(GL_LINES);
    for (int k = -8; k <= 8; ++k) {
        glVertex3f((float)k, -4, 0.004f);
        glVertex3f((float)k, 20, 0.004f);
    }
    for (int k = -4; k <= 20; ++k) {
        glVertex3f(-8, (float)k, 0.004f);
        glVertex3f(8, (float)k, 0.004f);
    }
    glEnd();
    glEnable(GL_LIGHTING);
}

float length3(const float* a, const float* b) {
    float dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void render(const View& v) {
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(124 / 255.0f, 168 / 255.0f, 205 / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(v.fov, (double)kWidth / kHeight, length3(v.eye, v.target) < 8 ? 0.05 : 0.5, 2000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(v.eye[0], v.eye[1], v.eye[2], v.target[0], v.target[1], v.target[2], v.up[0], v.up[1], v.up[2]);
    setupScene();
    if (!v.crewOnly) drawGround();

    PolyModel& m = polyModel;
    applyFighterAttitude(m, v.pitchDeg, v.rollDeg, v.headingDeg, 18, seatAxes, partSnapshot);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_TEXTURE_2D);
    if (!v.crewOnly) {
        drawModelPart(m, kPartFighter, 0, 0, 0, 1, false);
        if (v.canopyOpenDeg > 0) {
            posePartStage(m, kPartCanopy, kPartCanopy, -v.canopyOpenDeg, 0, 0, 0);
            posePartFinal(m, kPartCanopy, kPartFighter, v.pitchDeg, v.rollDeg, v.headingDeg);
            recomputePartNormals(m, kPartCanopy);
        } else {
            poseCanopyClosed(m, v.pitchDeg, v.rollDeg, v.headingDeg);
        }
        drawModelPart(m, kPartCanopy, 0, 0, 0, 1, true);
    }
    recomputePartNormals(m, kPartPilot);
    recomputePartNormals(m, kPartSeat);
    drawModelPart(m, kPartPack, 0, 0, 0, 1, true);
    drawModelPart(m, kPartPilot, 0, 0, 0, 1, true);
    drawModelPart(m, kPartSeat, 0, 0, 0, 1, true);
    if (v.crewOnly) drawModelPart(m, kPartRocketPlume, 0, 0, 0, 1, true);
    if (!v.crewOnly) {
        drawPartShadow(m, kPartFighter, 0, 0, 0, kSun);
        drawPartShadow(m, kPartSeat, 0, 0, 0, kSun);
    }
    glPopAttrib();
}

bool savePicture(const std::string& path) {
    std::vector<unsigned char> pixels((size_t)kWidth * kHeight * 3), rows(pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    for (int y = 0; y < kHeight; ++y)
        std::copy(pixels.begin() + (size_t)(kHeight - 1 - y) * kWidth * 3,
                  pixels.begin() + (size_t)(kHeight - y) * kWidth * 3, rows.begin() + (size_t)y * kWidth * 3);
    return writePngFile(path, kWidth, kHeight, 3, rows);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorix-modelshot DATA_PARENT_DIR OUT_DIR\n");
        return 2;
    }
    std::string out = argv[2];
    if (out[0] != '/') {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd)) out = std::string(cwd) + "/" + out;
    }
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "vorix-modelshot: cannot enter %s\n", argv[1]);
        return 1;
    }
    setenv("VORIX_NO_DIALOGS", "1", 0);
    if (!platInit() || !platCreateWindow("VORIX_MODELSHOT", "VORIX model shot", kWidth, kHeight, false) ||
        !platCreateGlContext()) {
        std::fprintf(stderr, "vorix-modelshot: no GL window: %s\n", platLastError());
        return 1;
    }
    setupMaterial();
    loadJpegSet();
    LoadError loadError;
    if (!loadPolyModel("Data/poly.txt", polyModel, &loadError)) {
        errorBox(loadError.text);
        std::fprintf(stderr, "vorix-modelshot: cannot load Data/poly.txt\n");
        return 1;
    }
    if (!loadTgaSet()) std::fprintf(stderr, "vorix-modelshot: some TGA images are missing\n");
    initialPose(polyModel, 0, 0, 0, 18, -22, seatAxes, partSnapshot);
    std::printf("model: %d slots, %d parts, %d polygons\n", polyModel.lastSlot, polyModel.partCount,
                polyModel.polygonCount);
    for (const View& v : kViews) {
        render(v);
        std::string path = out + "/model_" + v.name + ".png";
        if (!savePicture(path)) std::fprintf(stderr, "vorix-modelshot: cannot write %s\n", path.c_str());
        else std::printf("wrote %s\n", path.c_str());
        platSwapBuffers();
    }
    platDeleteGlContext();
    platDestroyWindow();
    platShutdown();
    return 0;
}
