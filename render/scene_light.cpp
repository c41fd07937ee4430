#include "render/scene_light.h"

#include "render/poly_model.h"

SceneLight sceneLight;

void setSceneLightDefaults(SceneLight& light) { light = SceneLight(); }

bool sunBeyondFarPlane(const Vec3& sun, const Vec3& eye, float radius) {
    return (sun - eye).length() - radius > kFarPlane;
}

int skyRow(float eyeZ) {
    int row = truncToInt(eyeZ) / kSkyRowHeightM;
    return row > kSkyRows - 1 ? kSkyRows - 1 : row;
}
