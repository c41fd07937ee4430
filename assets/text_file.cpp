#include "assets/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

void setWhy(TextFileStatus& status, const char* why) { std::snprintf(status.why, sizeof status.why, "%s", why); }

}  // namespace

std::FILE* openTextFile(const char* path, TextFileStatus& status) {
    status = TextFileStatus();
    if (!path || !*path) {
        status.missing = true;
        return nullptr;
    }
    // Non-blocking, so that opening a pipe does not wait for a writer.
    int fd = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) status.missing = true;
        else setWhy(status, std::strerror(errno));
        return nullptr;
    }
    struct stat st;
    const char* refused = nullptr;
    if (fstat(fd, &st) != 0) refused = std::strerror(errno);
    else if (S_ISDIR(st.st_mode)) refused = "a folder, not a file";
    else if (!S_ISREG(st.st_mode)) refused = "not a regular file";
    else if ((long long)st.st_size > kMaxTextFileBytes) refused = "larger than 64 MiB";
    if (refused) {
        setWhy(status, refused);
        close(fd);
        return nullptr;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* f = fdopen(fd, "r");
    if (!f) {
        setWhy(status, std::strerror(errno));
        close(fd);
    }
    return f;
}

bool closeTextFile(std::FILE* f, TextFileStatus& status) {
    if (!f) return false;
    const bool failed = std::ferror(f) != 0;
    const int error = errno;
    std::fclose(f);
    if (failed) {
        std::snprintf(status.why, sizeof status.why, "%s", std::strerror(error ? error : EIO));
        return false;
    }
    return true;
}
