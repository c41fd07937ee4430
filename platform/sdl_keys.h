// Translation of the window system's key symbols into virtual-key codes.
#pragma once

#include <SDL.h>

// 0 when the key has no virtual-key code in this program.
int virtualKeyFromSdl(const SDL_Keysym& key);
