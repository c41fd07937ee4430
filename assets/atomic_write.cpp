#include "assets/atomic_write.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

bool writeFileAtomic(const char* path, const void* data, size_t size) {
    if (!path || !*path) return false;
    char tmp[4096];
    int n = std::snprintf(tmp, sizeof tmp, "%s.tmp%ld", path, (long)getpid());
    if (n <= 0 || (size_t)n >= sizeof tmp) return false;
    FILE* f = std::fopen(tmp, "wb");
    if (!f) return false;
    bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    ok = (std::fflush(f) == 0) && ok;
    ok = (fsync(fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok || std::rename(tmp, path) != 0) {
        std::remove(tmp);
        return false;
    }
    return true;
}
