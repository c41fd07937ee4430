#include "assets/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

void fail(AtomicFile& a, const char* why) {
    if (a.failed) return;
    a.failed = true;
    std::snprintf(a.why, sizeof a.why, "%s", why);
}

// The file a write to path replaces: a link's destination when it has one.
bool resolveTarget(AtomicFile& a, const char* path) {
    if (std::strlen(path) >= sizeof a.target) {
        fail(a, "path too long");
        return false;
    }
    std::snprintf(a.target, sizeof a.target, "%s", path);
    struct stat st;
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path, resolved) && std::strlen(resolved) < sizeof a.target)
            std::snprintf(a.target, sizeof a.target, "%s", resolved);
    }
    return true;
}

// The permissions of the file being replaced, or of a new file of the user.
mode_t modeFor(const struct stat* existing) {
    if (existing) return existing->st_mode & 07777;
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool beginAtomicFile(AtomicFile& a, const char* path) {
    a.file = nullptr;
    a.failed = false;
    a.why[0] = a.temp[0] = a.target[0] = '\0';
    if (!path || !*path) {
        fail(a, "no file name");
        return false;
    }
    if (!resolveTarget(a, path)) return false;
    struct stat st;
    const bool exists = stat(a.target, &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        fail(a, S_ISDIR(st.st_mode) ? "a folder is in the way" : "not a regular file");
        return false;
    }
    int n = std::snprintf(a.temp, sizeof a.temp, "%s.tmpXXXXXX", a.target);
    if (n <= 0 || (size_t)n >= sizeof a.temp) {
        fail(a, "path too long");
        return false;
    }
    int fd = mkstemp(a.temp);
    if (fd < 0) {
        fail(a, std::strerror(errno));
        a.temp[0] = '\0';
        return false;
    }
    if (fchmod(fd, modeFor(exists ? &st : nullptr)) != 0) {
        // The file still works; it is only more private than the old one.
    }
    a.file = fdopen(fd, "wb");
    if (!a.file) {
        fail(a, std::strerror(errno));
        close(fd);
        unlink(a.temp);
        a.temp[0] = '\0';
        return false;
    }
    return true;
}

void writeAtomicFile(AtomicFile& a, const void* data, size_t size) {
    if (!a.file || a.failed || size == 0) return;
    if (std::fwrite(data, 1, size, a.file) != size) fail(a, std::strerror(errno));
}

bool commitAtomicFile(AtomicFile& a) {
    if (!a.file) {
        fail(a, "not open");
        return false;
    }
    if (std::fflush(a.file) != 0) fail(a, std::strerror(errno));
    if (fsync(fileno(a.file)) != 0) fail(a, std::strerror(errno));
    if (std::fclose(a.file) != 0) fail(a, std::strerror(errno));
    a.file = nullptr;
    if (!a.failed && std::rename(a.temp, a.target) != 0) fail(a, std::strerror(errno));
    if (a.failed) {
        unlink(a.temp);
        a.temp[0] = '\0';
        return false;
    }
    a.temp[0] = '\0';
    return true;
}

void abandonAtomicFile(AtomicFile& a) {
    if (a.file) std::fclose(a.file);
    a.file = nullptr;
    if (a.temp[0]) unlink(a.temp);
    a.temp[0] = '\0';
}

bool writeFileAtomic(const char* path, const void* data, size_t size, char* why, size_t whyCap) {
    AtomicFile a;
    bool ok = beginAtomicFile(a, path);
    if (ok) {
        writeAtomicFile(a, data, size);
        ok = commitAtomicFile(a);
    }
    if (!ok && why && whyCap > 0) std::snprintf(why, whyCap, "%s", a.why);
    return ok;
}
