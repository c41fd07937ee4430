#include <GL/gl.h>

#include "render/bodies.h"
#include "render/chute_draw.h"
#include "render/effects_draw.h"
#include "render/model_draw.h"
#include "render/scene_light.h"
#include "render/scene_switches.h"

namespace {

// Shadows lie 1 cm over the ground: pulled toward the eye in depth so they
// neither flicker against the ground nor show through it.
void drawShadow(const PolyModel& m, int part, const Vec3& at) {
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -2.0f);
    drawPartShadow(m, part, at.x, at.y, at.z, sceneLight.sunPosition);
    glDisable(GL_POLYGON_OFFSET_FILL);
}

void drawPart(const PolyModel& m, int part, const PlacedPart& p, bool noCull) {
    if (p.shown) drawModelPart(m, part, p.at.x, p.at.y, p.at.z, 1.0f, noCull);
}

void drawCrewInCockpit(const BodyFrame& f, const PolyModel& m) {
    if (f.fighter.shown) {
        drawPart(m, kPartFighter, f.fighter, false);
        drawPart(m, kPartCanopy, f.canopy, true);
    }
    drawPart(m, kPartPack, f.pack, true);
    drawPart(m, kPartPilot, f.pilot, true);
    drawPart(m, kPartSeat, f.seat, true);
    if (f.fighterShadow.shown) drawShadow(m, kPartFighter, f.fighterShadow.at);
    drawShadow(m, kPartSeat, f.seatShadow.at);
}

// The drogue and the main parachute where the plan put them (planDrogue and
// planMain shape the meshes and choose the places without GL).
void drawDrogue(const BodyFrame& f, const PolyModel& m) {
    if (f.drogue.shown) drawChuteMesh(drogueMesh, f.drogue.at, ChuteKind::Drogue, f.drogue.lines, m, f.drogue.loadAt);
}

void drawMainChute(const BodyFrame& f, const PolyModel& m) {
    if (f.main.shown) drawChuteMesh(mainMesh, f.main.at, ChuteKind::Main, f.main.lines, m, f.main.loadAt);
}

// One frame of a run: every body where planBodyFrame placed it.
void playBodies(const BodyFrame& f, const PolyModel& m, const Vec3& eye) {
    if (f.crashFire) drawCrashFire(f.crashPoint, f.fireSize.width, f.fireSize.height, f.fireFrame, eye);
    drawPart(m, kPartFighter, f.fighter, false);
    if (f.fighterShadow.shown) drawShadow(m, kPartFighter, f.fighterShadow.at);
    drawPart(m, kPartCanopy, f.canopy, true);

    drawPart(m, kPartPilot, f.pilot, true);
    drawPart(m, kPartSeat, f.seat, true);
    if (f.plume.shown) drawRocketPlume(m, f.plume.at, f.plumeEmission, f.plumeVisible);
    drawDrogue(f, m);
    if (f.pilotShadow.shown) drawShadow(m, kPartPilot, f.pilotShadow.at);
    if (f.seatShadow.shown) drawShadow(m, kPartSeat, f.seatShadow.at);
    drawPart(m, kPartPack, f.pack, true);
    drawMainChute(f, m);
}

}  // namespace

void drawBodies(const BodyFrame& f, const Vec3& eye) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_TEXTURE_2D);
    if (f.playing) playBodies(f, polyModel, eye);
    else drawCrewInCockpit(f, polyModel);
    glPopAttrib();
}
