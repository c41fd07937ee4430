// The parameters vorix-sim can set by name: every SimParams field, the
// fighter's attitude angles and its altitude.
#pragma once

#include <string>

struct Simulation;

// Sets NAME to the text VALUE; false with a message in error when the name is
// unknown or the value does not parse completely as the field's type.
bool setParameterByName(Simulation& sim, const std::string& name, const std::string& value, std::string& error);

// Names accepted by setParameterByName, for --help.
const char* const* parameterNames();
