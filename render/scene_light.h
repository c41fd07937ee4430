// The sun and the sky: the one light of the scene, its level, the sun's place
// (keys move it), and the clear colour chosen by the eye's altitude.
#pragma once

#include "sim/vec3.h"

constexpr int kSkyRows = 5;
// The projection's far plane (metres), as the window sets it up.
constexpr float kFarPlane = 350000.0f;
constexpr float kSunMarkerRadius = 5.0f;
// Eye altitudes per sky row, in metres.
constexpr int kSkyRowHeightM = 10000;

struct SceneLight {
    // Position of light 0, the source of every ground shadow and the place of
    // the sun marker.
    Vec3 sunPosition{70.0f, 0.0f, 1244530.0f};
    // Ambient = level, diffuse = level - 0.5; also the buildings' colour.
    float lightLevel = 0.82f;
    // Clear colour per row, 0..1.
    float skyTable[kSkyRows][3] = {
        {124 / 255.0f, 168 / 255.0f, 205 / 255.0f}, {40 / 255.0f, 114 / 255.0f, 175 / 255.0f},
        {14 / 255.0f, 88 / 255.0f, 153 / 255.0f},   {2 / 255.0f, 59 / 255.0f, 130 / 255.0f},
        {1 / 255.0f, 20 / 255.0f, 86 / 255.0f},
    };
};

extern SceneLight sceneLight;

// Start-up values: the sun overhead and the sky table.
void setSceneLightDefaults(SceneLight& light);

// Sky row for an eye altitude: the altitude truncated to whole metres over
// 10,000, rows above 4 are 4. Negative (only below -10,000 m) for no change.
int skyRow(float eyeZ);

// ---- drawing (lights_gl.cpp) ---------------------------------------------

// Light 0 at the sun with the sky's clear colour for the eye: called right
// after the camera's look-at every frame, so the light goes through the view.
void setupLights(const SceneLight& light, const Vec3& eye);
// The global material, once at start-up.
void setupMaterial();
// Front material emission (r, g, b, 1).
void setEmission(float r, float g, float b);
// The sun sphere at (x, y, z).
void drawSunMarker(float x, float y, float z);
// Frame step: the glowing sun marker and its line down to the ground, under
// the current view. The sphere is left out when it lies wholly beyond the far
// plane (its default place, 1,244 km up): the picture is the same without its
// 7,200 triangles.
void drawSunStep(const SceneLight& light);

// Distance of a point in front of the eye along the view direction, for a
// column-major modelview matrix (what the far plane is measured in).
double eyeDepth(const float modelview[16], const Vec3& p);
// True when a sphere of this radius at the sun lies wholly beyond the far
// plane of the view. The straight distance would not do: a sun far off to
// the side of a wide view is nearer in depth than in distance.
bool sunBeyondFarPlane(const float modelview[16], const Vec3& sun, float radius);
