// The program reads everything from the "Data" folder of the folder it is
// started in. Without it, nothing can load: that is said once, with where the
// program looked, instead of one failure a file.
#pragma once

#include <cstddef>

// True when dir (the working directory when null) holds a readable Data
// folder; otherwise false with the message for the user in message.
bool dataFolderPresent(const char* dir, char* message, size_t cap);
