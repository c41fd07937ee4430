// vorix-assetgen DATA_DIR: writes the Data folder the simulator reads (the
// starter scene.ini only where there is none: it then holds saved scenes).
#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "tools/assetgen/generators.h"

static bool makeDir(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0) return true;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorix-assetgen DATA_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!makeDir(dir) || !makeDir(dir + "/sound")) {
        std::fprintf(stderr, "vorix-assetgen: cannot create %s\n", dir.c_str());
        return 1;
    }
    bool ok = generateImages(dir);
    ok = generateSounds(dir) && ok;
    ok = generateModel(dir) && ok;
    ok = generateSceneIni(dir) && ok;
    return ok ? 0 : 1;
}
