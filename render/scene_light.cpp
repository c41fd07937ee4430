#include "render/scene_light.h"

#include "render/poly_model.h"

SceneLight sceneLight;

void setSceneLightDefaults(SceneLight& light) { light = SceneLight(); }

double eyeDepth(const float m[16], const Vec3& p) {
    return -((double)m[2] * p.x + (double)m[6] * p.y + (double)m[10] * p.z + (double)m[14]);
}

bool sunBeyondFarPlane(const float modelview[16], const Vec3& sun, float radius) {
    return eyeDepth(modelview, sun) - radius > kFarPlane;
}

int skyRow(float eyeZ) {
    int row = truncToInt(eyeZ) / kSkyRowHeightM;
    return row > kSkyRows - 1 ? kSkyRows - 1 : row;
}
