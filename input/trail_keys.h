// The keys of the trail and the ghost: T shows or hides the run's trail, Y
// keeps the current run as the ghost to compare the next runs with, and
// Shift+Y lets the ghost go. Rows of the key table (input/key_table.cpp).
#pragma once

#include "input/key_table.h"

namespace key_actions {

void toggleTrail(KeyContext& k);
void keepRunAsGhost(KeyContext& k);
void clearRunGhost(KeyContext& k);

}  // namespace key_actions
