// Where vorix-sim writes its JSON, CSV and SVG: standard output or a named
// file. A regular file (a link's target included) is written to a unique
// temporary file beside it and renamed over it only when everything was
// written, so it is never left half-written and the link stays a link; a
// device, a pipe or another file that is not regular is written in place,
// never replaced. Every write, the flush and the close are checked, and
// failures name the file and the reason.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() { discard(); }

    // path empty: standard output. False with "cannot write PATH: reason"
    // when the path cannot be written (a directory, a file the user may not
    // write, a missing folder); nothing is created then.
    bool open(const std::string& path, std::string& error);

    // Buffered; false once a write has failed (the reason is kept for finish).
    bool write(const char* data, size_t size);
    bool write(const std::string& text) { return write(text.data(), text.size()); }
    // Hands the buffered text to the file now (rows as they are done).
    bool flush();

    // Flushes, closes and, for a replaced file, syncs and renames the
    // temporary file over the target. False with the file's name and the
    // reason; the target is then as it was.
    bool finish(std::string& error);

    // Drops what was written: the temporary file is removed, the target
    // left alone. Nothing happens after finish.
    void discard();

    bool isOpen() const { return fd_ >= 0; }
    // "standard output" or the path as given.
    const std::string& name() const { return name_; }
    // The temporary file beside the target, or empty.
    const std::string& temporaryPath() const { return temporary_; }

private:
    bool fail(int err);
    bool writeAll(const char* data, size_t size);
    std::string message() const;

    int fd_ = -1;
    bool isStdout_ = false;
    std::string name_;
    std::string target_;      // the file renamed over (a link resolved)
    std::string temporary_;   // empty when written in place
    bool replacing_ = false;  // target_ exists: keep its mode and owner
    mode_t mode_ = 0;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    std::string buffer_;
    int error_ = 0;           // errno of the first failure
};
