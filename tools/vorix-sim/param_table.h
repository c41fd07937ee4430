// The parameters vorix-sim can set by name: every SimParams field, the
// fighter's attitude angles and its altitude, each with the values a seat can
// physically have (masses, thrusts and times not below 0, airspeeds up to the
// CONTROL page's 3400 kt, ...), as sim/parameter_table.h lists them. The
// program's own keys and spinners keep their ranges; these bound only what
// the tool computes.
#pragma once

#include <string>

struct Simulation;

// Sets NAME to the text VALUE; false with a message in error when the name is
// unknown, the value does not parse completely as the field's type, is too
// large or too small (but not 0) for it, or lies outside the parameter's
// range (the message then names the parameter and the range).
bool setParameterByName(Simulation& sim, const std::string& name, const std::string& value, std::string& error);

// The same checks without setting anything (for a sweep's values).
bool checkParameterValue(const std::string& name, const std::string& value, std::string& error);

// Names accepted by setParameterByName, for --help.
const char* const* parameterNames();

// The range of NAME as --help prints it ("0 .. 30 m"), or empty when any
// finite value is taken.
std::string parameterRangeText(const std::string& name);
