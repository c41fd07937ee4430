#include <GL/gl.h>

#include <cmath>

#include "assets/textures.h"
#include "render/frame_steps.h"
#include "render/model_pose.h"
#include "render/poly_model.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "render/world_draw.h"
#include "sim/simulation.h"

SkyGround skyGround;

namespace {

constexpr int kGrassSlot = 57;   // "Data/grass.jpg"
constexpr int kSkySlot = 38;     // "Data/bigsky.jpg"
constexpr int kTowerSlot = 18;   // "Data/tower.bmp"
constexpr int kTowerCabImage = 19;  // "Data/towertop.tga"
constexpr float kGroundTexturePeriod = 5000.0f;

GLuint jpeg(int slot) { return slot >= 0 && slot < jpegSlotCount ? jpegTextures[slot] : 0; }

float horizontalDistance(const Vec3& eye, float x, float y) {
    float dx = x - eye.x, dy = y - eye.y;
    return std::sqrt(dx * dx + dy * dy);
}

void groundVertex(float x, float y, float z) {
    glTexCoord2f(x / kGroundTexturePeriod + 0.5f, y / kGroundTexturePeriod + 0.5f);
    glVertex3f(x, y, z);
}

void cloudVertex(const Vec3& eye, float x, float y, int32_t drift) {
    glTexCoord2f(cloudTexCoord(x, drift), cloudTexCoord(y, drift));
    glVertex3f(x, y, cloudHeightAt(eye.z, horizontalDistance(eye, x, y)));
}

void texturedQuad(const Vec3 corners[4], const float uv[4][2], const Vec3& normal) {
    glNormal3f(normal.x, normal.y, normal.z);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(uv[k][0], uv[k][1]);
        glVertex3f(corners[k].x, corners[k].y, corners[k].z);
    }
    glEnd();
}

}  // namespace

void setupFog(float start, float end, float r, float g, float b) {
    glEnable(GL_FOG);
    const GLfloat colour[4] = {r, g, b, 0.0f};
    glFogfv(GL_FOG_COLOR, colour);
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, end);
    glFogi(GL_FOG_MODE, GL_LINEAR);
}

void setupWorldFog(const float c[3]) {
    setupFog(400.0f, (skyGround.fogParameter - 23.0f) * 1000.0f, c[0], c[1], c[2]);
}

void drawGround(const HillHeights& hills, const Vec3& eye) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glFrontFace(GL_CCW);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, jpeg(kGrassSlot));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // The grid is anchored at the eye (the hill ring travels with the viewer)
    // while the grass coordinates are the world's.
    const int cells = (int)(2.0f * kWorldHalfExtent / kWorldCell);
    for (int r = 0; r < cells; ++r) {
        float y = eye.y + kWorldHalfExtent - r * kWorldCell;
        int row = r + 1;
        glBegin(GL_TRIANGLE_STRIP);
        for (int k = 0; k < cells; ++k) {
            float x = eye.x - kWorldHalfExtent + k * kWorldCell;
            int col = k + 1;
            if (horizontalDistance(eye, x, y) >= kWorldHalfExtent) continue;
            groundVertex(x, y, hillAt(hills, col, row));
            groundVertex(x, y - kWorldCell, hillAt(hills, col, row + 1));
        }
        glEnd();
    }
}

void drawCloudLayer(const Vec3& eye, float alpha, uint32_t nowMs) {
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, jpeg(kSkySlot));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glFrontFace(GL_CW);
    glDisable(GL_CULL_FACE);
    const int32_t drift = cloudDrift(nowMs, skyGround.creationMs);
    const float reach = 5.0f * kWorldHalfExtent;
    const int cells = (int)(2.0f * reach / kWorldCell);
    for (int r = 0; r < cells; ++r) {
        float y = eye.y + reach - r * kWorldCell;
        // Only the rows that reach into the dome's disc have points.
        if (std::fabs(y - eye.y) >= kWorldHalfExtent) continue;
        glBegin(GL_TRIANGLE_STRIP);
        for (int k = 0; k < cells; ++k) {
            float x = eye.x - reach + k * kWorldCell;
            if (horizontalDistance(eye, x, y) >= kWorldHalfExtent) continue;
            cloudVertex(eye, x, y, drift);
            cloudVertex(eye, x, y - kWorldCell, drift);
        }
        glEnd();
    }
    glDepthMask(GL_TRUE);
}

void drawTower() {
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glColor4f(0.18f, 0.18f, 0.18f, 1.0f);
    glFrontFace(GL_CCW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    const float base[5][2] = {{130, -10}, {143, -10}, {143, 3}, {130, 3}, {130, -10}};
    const float wallTop = 75.0f, inset = 0.2f * 13.0f, cabTop = wallTop + 0.2f * wallTop;
    const float grown[5][2] = {{130 - inset, -10 - inset}, {143 + inset, -10 - inset},
                               {143 + inset, 3 + inset},   {130 - inset, 3 + inset},
                               {130 - inset, -10 - inset}};
    const float wallUV[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float cabUV[4][2] = {{0.187f, 0.05f}, {0.813f, 0.05f}, {1, 1}, {0, 1}};

    glBindTexture(GL_TEXTURE_2D, kTowerSlot < bmpSlotCount ? bmpTextures[kTowerSlot] : 0);
    for (int k = 0; k < 4; ++k) {
        Vec3 q[4] = {Vec3(base[k][0], base[k][1], 0), Vec3(base[k + 1][0], base[k + 1][1], 0),
                     Vec3(base[k + 1][0], base[k + 1][1], wallTop), Vec3(base[k][0], base[k][1], wallTop)};
        texturedQuad(q, wallUV, triangleNormal(q[0], q[3], q[1]));
    }

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, tgaImages[kTowerCabImage].texture);
    for (int k = 0; k < 4; ++k) {
        Vec3 q[4] = {Vec3(base[k][0], base[k][1], wallTop), Vec3(base[k + 1][0], base[k + 1][1], wallTop),
                     Vec3(grown[k + 1][0], grown[k + 1][1], cabTop), Vec3(grown[k][0], grown[k][1], cabTop)};
        texturedQuad(q, cabUV, triangleNormal(q[0], q[3], q[1]));
    }
    glDisable(GL_BLEND);

    glDisable(GL_TEXTURE_2D);
    glColor3f(0.15f, 0.15f, 0.15f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) glVertex3f(grown[k][0], grown[k][1], cabTop);
    glEnd();
}

void drawReferenceLine(const Vec3& f) {
    glColor3f(1.0f, 0.2f, 0.2f);
    glBegin(GL_LINES);
    glVertex3f(f.x, f.y, f.z);
    glVertex3f(f.x, f.y, f.z + 10.0f);
    glEnd();
}

// The world's steps of the frame, each as the scene switches have it.

void drawFogStep() { setupWorldFog(sceneSwitches.fogColor); }

void updateWorldClock(uint32_t nowMs) {
    if (sceneSwitches.sky && skyGround.creationMs == 0) skyGround.creationMs = nowMs;
}

void drawGroundStep(const Vec3& eye, uint32_t nowMs) {
    drawGround(hillHeights, eye);
    if (sceneSwitches.sky) drawCloudLayer(eye, 0.74f, nowMs);
}

void drawReferenceLineStep() {
    const FighterPosition& p = simulation.fighterPosition;
    Vec3 offset = polyModel.partCount >= kPartFighter ? polyModel.parts[kPartFighter].offset : Vec3();
    drawReferenceLine(Vec3((float)p.x, (float)p.y, (float)p.altitude) + offset);
}

void drawBuildingsStep() {
    if (sceneSwitches.buildings) callWorldList();
}

void drawSunMarkerStep() { drawSunStep(sceneLight); }

void drawTreesStep() {
    if (sceneSwitches.trees) drawTrees(treeTable);
}

void prepareWorld() {
    initHills(hillHeights, runtimeRandom);
    placeTrees(treeTable, runtimeRandom);
    buildWorldList();
}
