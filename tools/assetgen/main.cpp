// vorix-assetgen DATA_DIR: writes the Data folder the simulator reads (the
// starter scene.ini only where there is none: it then holds saved scenes).
// vorix-assetgen --icon SIZE FILE.png: draws the desktop icon.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/icon.h"

static bool makeDir(const std::string& path) {
    if (mkdir(path.c_str(), 0755) == 0) return true;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--icon") == 0) {
        char* end = nullptr;
        long size = std::strtol(argv[2], &end, 10);
        if (end == argv[2] || *end != '\0' || size < 16 || size > 1024) {
            std::fprintf(stderr, "vorix-assetgen: icon size '%s' is not a number of pixels from 16 to 1024\n", argv[2]);
            return 2;
        }
        return writeIcon(static_cast<int>(size), argv[3]) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorix-assetgen DATA_DIR\n       vorix-assetgen --icon SIZE FILE.png\n");
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
