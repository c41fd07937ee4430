// Numbers as vorix-sim prints them: the shortest text that reads back to the
// same value of the number's own type, a 32-bit float as a float (0.218, not
// 0.21800000309944154) and a 64-bit float as a double. A reader that takes
// each field at its width gets the stored bits back.
#pragma once

#include <string>

std::string numberText(float v);
std::string numberText(double v);

// The integer and the bool overloads would otherwise go through a float
// conversion; a caller has to choose the width.
std::string numberText(int) = delete;
std::string numberText(bool) = delete;
