#include "render/bodies.h"

#include "render/model_geometry.h"
#include "render/scene_switches.h"
#include "sim/simulation.h"
#include "sound/sound_requests.h"

ChuteMesh drogueMesh;
ChuteMesh mainMesh;

namespace {

// The posing the drawing would otherwise do on its way: before a run the
// canopy closed on the fighter, and the crew's normals for their pose.
void finishPoses(const BodyFrame& f, PolyModel& m, const FighterAttitude& a) {
    if (!f.playing) {
        if (f.fighter.shown) poseCanopyClosed(m, a.pitchDeg, a.rollDeg, a.headingDeg);
        recomputePartNormals(m, kPartPilot);
        recomputePartNormals(m, kPartSeat);
        return;
    }
    recomputePartNormals(m, kPartPilot);
    if (f.seat.shown) recomputePartNormals(m, kPartSeat);
}

}  // namespace

BodyFrame planBodies(const Vec3& eye) {
    BodyScene scene{polyModel,  partSnapshot, seatAxes,      bodyState,
                    bodyAttitude, drogueMesh, mainMesh, runtimeRandom, sceneSwitches.fighter};
    BodyFrame f = planBodyFrame(simulation, scene);
    finishPoses(f, polyModel, simulation.attitude);
    if (f.dogBark) requestSound(SoundCue::dogBark);
    if (f.crashedNow) requestSound(SoundCue::fighterCrash);
    if (f.landedNow) requestSound(SoundCue::windStop);
    if (f.chuteOpeningNow) requestSound(SoundCue::chuteOpening, (bodyState.packagePoint - eye).length());
    return f;
}
