#include "assets/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

bool dataFolderPresent(const char* dir, char* message, size_t cap) {
    char here[PATH_MAX] = ".";
    if (dir) std::snprintf(here, sizeof here, "%s", dir);
    else if (!getcwd(here, sizeof here)) std::snprintf(here, sizeof here, ".");
    char data[PATH_MAX + 8];
    std::snprintf(data, sizeof data, "%s/Data", here);
    const char* advice = "start it from the build folder, or with scripts/run.sh";
    struct stat st;
    if (stat(data, &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) std::snprintf(message, cap, "no Data folder in %s: %s", here, advice);
        else std::snprintf(message, cap, "the Data folder in %s cannot be read (%s)", here, std::strerror(errno));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        std::snprintf(message, cap, "%s is not a folder: %s", data, advice);
        return false;
    }
    if (access(data, R_OK | X_OK) != 0) {
        std::snprintf(message, cap, "the Data folder in %s cannot be read (%s)", here, std::strerror(errno));
        return false;
    }
    return true;
}
