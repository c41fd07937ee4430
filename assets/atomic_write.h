// Files the program writes (settings, scene presets, generated data) are written
// to a temporary file of a unique name beside the target and renamed over it, so
// a crash or a full disk never leaves a half-written file behind, and neither a
// stale nor a planted file of a fixed temporary name is ever written through.
//
// A target that is a link is followed: the file it points to is replaced and the
// link stays. Only a regular file (or nothing) is replaced: a device, a pipe or a
// folder at the target is refused. The new file keeps the old one's permissions,
// or those a new file of the user gets.
#pragma once

#include <cstddef>
#include <cstdio>

constexpr int kAtomicPathLimit = 4096;

struct AtomicFile {
    std::FILE* file = nullptr;
    char target[kAtomicPathLimit] = {};
    char temp[kAtomicPathLimit] = {};
    bool failed = false;
    char why[160] = {};  // the first failure, for the caller's report
};

// Creates the temporary file beside path; false (with why) when it cannot.
bool beginAtomicFile(AtomicFile& a, const char* path);
// Appends bytes; a failure is kept and makes the commit fail.
void writeAtomicFile(AtomicFile& a, const void* data, size_t size);
// Flushes, syncs and closes the temporary file and renames it over the
// target. False (the temporary file removed, the target untouched) on any
// failure, with why.
bool commitAtomicFile(AtomicFile& a);
// Removes the temporary file and leaves the target as it was.
void abandonAtomicFile(AtomicFile& a);

// Writes size bytes to path atomically; false (target untouched) on any
// failure, with the reason in why when given.
bool writeFileAtomic(const char* path, const void* data, size_t size, char* why = nullptr, size_t whyCap = 0);
