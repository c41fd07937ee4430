// Writes Data/poly.txt: the fighter, canopy, seat, pilot, pack, plume and
// chute-profile carrier in the polygon model's text format. Parts are
// numbered by the order of their "Q" lines; unused numbers stay empty.
#include <cstdio>
#include <string>

#include "assets/atomic_write.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/mdl_parts.h"

std::string buildModelText() {
    ModelWriter w;
    w.comment("VORIX polygon model, written by vorix-assetgen");
    CockpitLayout cockpit = cockpitLayout();
    for (int part = 1; part <= 19; ++part) {
        switch (part) {
        case 6: writePilot(w, "pilot"); break;
        case 7: writePilot(w, "second pilot figure"); break;
        case 9: writeSeatRail(w, -1.0); break;
        case 10: writeSeatRail(w, 1.0); break;
        case 11: writePlume(w); break;
        case 12: writeFighter(w, cockpit); break;
        case 13: writeCanopy(w, cockpit); break;
        case 17: writeSeat(w); break;
        case 18: writePack(w); break;
        case 19: writeChuteProfile(w); break;
        default: w.emptyPart("unused " + std::to_string(part)); break;
        }
    }
    return w.finish();
}

bool generateModel(const std::string& dataDir) {
    std::string text = buildModelText();
    std::string path = dataDir + "/poly.txt";
    if (!writeFileAtomic(path.c_str(), text.data(), text.size())) {
        std::fprintf(stderr, "vorix-assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
