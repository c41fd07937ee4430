#include "assets/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

int lockFolderOf(const char* path) {
    if (!path) return -1;
    char folder[4096];
    const char* slash = std::strrchr(path, '/');
    if (!slash) std::snprintf(folder, sizeof folder, ".");
    else if (slash == path) std::snprintf(folder, sizeof folder, "/");
    else if ((size_t)(slash - path) < sizeof folder) std::snprintf(folder, sizeof folder, "%.*s", (int)(slash - path), path);
    else return -1;
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(fd);
            return -1;
        }
    }
    return fd;
}

void unlockFolder(int fd) {
    if (fd < 0) return;
    flock(fd, LOCK_UN);
    close(fd);
}
