// Opening the program's text files (settings, scene presets, the polygon
// model) for reading. Only a regular file of a sane size is read: a link to a
// device or a pipe would never end, and a giant file would hold start-up for
// minutes. A file that exists but cannot be read is told apart from a missing
// one, so that the caller never writes over what it could not read.
#pragma once

#include <cstdio>

// Well above the largest real file (a scene file of 100 presets of 827 values
// of the longest numbers is about 4 MB).
constexpr long long kMaxTextFileBytes = 64LL * 1024 * 1024;

struct TextFileStatus {
    bool missing = false;  // nothing at that path: the caller may create the file
    char why[160] = {};    // why an existing file was not read; empty after a good read
};

// Opens path for reading when it is a regular file of at most
// kMaxTextFileBytes. Null otherwise, with status saying whether the file is
// missing or why it was refused.
std::FILE* openTextFile(const char* path, TextFileStatus& status);

// Closes a file from openTextFile. False, with status.why, when reading it
// met an error, so that what was read must not be taken for the whole file.
bool closeTextFile(std::FILE* f, TextFileStatus& status);
