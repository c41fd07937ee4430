// The polygon model as the program loads it (loadFighterModel: the file, the
// normals, the initial pose and the fighter geometry), then every part drawn
// and shadowed through a GL stand-in that rejects what real GL would: a state
// change inside glBegin/glEnd, or a primitive left open.
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "render/model_draw.h"
#include "render/model_geometry.h"
#include "render/poly_model.h"
#include "tests/model/gl_recorder.h"

namespace {
PolyModel model;
SeatAxes axes;
PartSnapshot snapshot;
FighterGeometry geometry;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenceErrorBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!loadFighterModel(fuzzInputFile(data, size), model, 0, 0, 0, 18, -22, axes, snapshot, geometry))
        return 0;
    if (model.lastSlot > kModelSlotCapacity || model.partCount > kModelPartCapacity) std::abort();
    resetGlRecord();
    for (int part = 1; part <= model.partCount; ++part) {
        drawModelPart(model, part, 1, 2, 3, 1.0f, false);
        drawPartShadow(model, part, 1, 2, 3, Vec3(70, 0, 1244530));
    }
    if (glRecord.misplaced != 0 || glRecord.inside || glRecord.begins != glRecord.ends) std::abort();
    return 0;
}
