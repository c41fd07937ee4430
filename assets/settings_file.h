// The settings file "Data/3d_eject.ini": fog colour, scene switches, sky colour.
#pragma once

// False when the file could not be opened (a fresh one is then written).
bool readSettings();
void writeSettings();
