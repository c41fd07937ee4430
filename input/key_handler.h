// The keyboard commands, by virtual-key code.
#pragma once

void handleKey(int virtualKey);
