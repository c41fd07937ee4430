#include "temp_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/assetgen/generators.h"

namespace {
std::string folder;

void removeFolder() {
    if (folder.empty()) return;
    std::string command = "rm -rf '" + folder + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", folder.c_str());
}
}  // namespace

const std::string& tempFolder() {
    if (folder.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/vorix-menu-XXXXXX";
        char buf[512];
        std::snprintf(buf, sizeof buf, "%s", pattern.c_str());
        if (mkdtemp(buf)) folder = buf;
        std::atexit(removeFolder);
    }
    return folder;
}

std::string tempPath(const char* name) { return tempFolder() + "/" + name; }

void writeText(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

std::string readText(const std::string& path) {
    std::string text;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return text;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

bool fileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::string starterSceneFile() {
    static std::string path;
    if (path.empty()) {
        std::string dir = tempPath("starter");
        mkdir(dir.c_str(), 0755);
        if (generateSceneIni(dir)) path = dir + "/scene.ini";
    }
    return path;
}
