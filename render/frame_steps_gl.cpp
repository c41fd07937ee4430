#include <GL/gl.h>

#include "render/frame_steps.h"
#include "render/model_pose.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"
#include "render/world_draw.h"
#include "sim/simulation.h"

void drawFogStep() { setupWorldFog(sceneSwitches.fogColor); }

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
