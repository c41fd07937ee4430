#include "tools/vorix-sim/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kBufferBytes = 64 * 1024;

std::string reason(int err) { return std::strerror(err); }

}  // namespace

bool OutputFile::open(const std::string& path, std::string& error) {
    discard();
    error_ = 0;
    buffer_.clear();
    buffer_.reserve(kBufferBytes);
    if (path.empty()) {
        fd_ = STDOUT_FILENO;
        isStdout_ = true;
        name_ = "standard output";
        return true;
    }
    isStdout_ = false;
    name_ = path;
    target_ = path;
    replacing_ = false;
    auto refuse = [&](int err, const std::string& what) {
        error = "cannot write " + path + ": " + what + reason(err);
        fd_ = -1;
        temporary_.clear();
        return false;
    };

    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // The link stays; what it points at is written.
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved)) {
            target_ = resolved;
        } else if (errno == ENOENT) {
            // A link to nothing yet (or into a missing folder): the file is
            // made through the link, as a shell's redirection makes it.
            fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
            if (fd_ < 0) return refuse(errno, "");
            return true;
        } else {
            return refuse(errno, "");
        }
    }

    if (stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return refuse(EISDIR, "");
        if (faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return refuse(errno, "");
        if (!S_ISREG(st.st_mode)) {
            // A device, a pipe or a socket is written as it is; it has no
            // contents to keep and must not become a plain file.
            fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
            if (fd_ < 0) return refuse(errno, "");
            return true;
        }
        replacing_ = true;
        mode_ = st.st_mode & 07777;
        uid_ = st.st_uid;
        gid_ = st.st_gid;
    } else if (errno == ENOENT) {
        const mode_t mask = umask(0);
        umask(mask);
        mode_ = 0666 & ~mask;
    } else {
        return refuse(errno, "");
    }

    // A name of its own for every run: nothing already there is touched, and
    // two runs writing one file each finish with a whole file of their own.
    std::string pattern = target_ + ".tmp.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int err = errno;
        // A missing folder is the path's fault, anything else the folder's.
        if (err == ENOENT || err == ENOTDIR) return refuse(err, "");
        return refuse(err, "cannot create a temporary file beside it: ");
    }
    temporary_ = name.data();
    return true;
}

bool OutputFile::fail(int err) {
    if (error_ == 0) error_ = err;
    return false;
}

bool OutputFile::writeAll(const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        if (n == 0) return fail(EIO);
        data += n;
        size -= (size_t)n;
    }
    return true;
}

bool OutputFile::write(const char* data, size_t size) {
    if (fd_ < 0) return fail(EBADF);
    if (error_ != 0) return false;
    if (buffer_.size() + size > kBufferBytes) {
        if (!flush()) return false;
        if (size > kBufferBytes) return writeAll(data, size);
    }
    buffer_.append(data, size);
    return true;
}

bool OutputFile::flush() {
    if (fd_ < 0) return fail(EBADF);
    if (error_ != 0) return false;
    const bool ok = writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok;
}

std::string OutputFile::message() const { return "cannot write " + name_ + ": " + reason(error_); }

bool OutputFile::finish(std::string& error) {
    if (fd_ < 0) {
        error = "cannot write " + name_ + ": " + reason(EBADF);
        return false;
    }
    bool ok = flush();
    if (ok && !temporary_.empty()) {
        // The target keeps its permissions (and, where we may, its owner);
        // a new file gets the mode the umask allows, as the shell gives it.
        // Both are best effort: a file system without modes still gets the rows.
        (void)!fchmod(fd_, mode_);
        if (replacing_ && geteuid() == 0) (void)!fchown(fd_, uid_, gid_);
        if (fsync(fd_) != 0) ok = fail(errno);
    }
    // A close can report a failed write of an earlier buffer (NFS, quotas).
    if (close(fd_) != 0 && ok && errno != EINTR) ok = fail(errno);
    fd_ = -1;
    if (ok && !temporary_.empty() && rename(temporary_.c_str(), target_.c_str()) != 0) ok = fail(errno);
    if (!ok) {
        if (!temporary_.empty()) unlink(temporary_.c_str());
        temporary_.clear();
        error = message();
        return false;
    }
    temporary_.clear();
    return true;
}

void OutputFile::discard() {
    buffer_.clear();
    if (fd_ >= 0 && !isStdout_) close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}
