// Two programs that rewrite one file in turn (read it, merge, rename the new
// one over it) hold this advisory lock (flock) on the file's folder from the
// read to the rename, so that neither replaces what the other wrote in between.
// The folder is locked rather than the file, because the rename puts a new file
// in its place and the lock must outlive it.
#pragma once

// Waits for the lock on the folder that holds path; the descriptor to give
// back, or -1 when the folder cannot be locked (the caller goes on unlocked).
int lockFolderOf(const char* path);
void unlockFolder(int fd);
