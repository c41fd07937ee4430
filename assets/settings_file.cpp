// Placeholder until the settings file is read and written.
#include "assets/settings_file.h"

bool readSettings() { return false; }
void writeSettings() {}
