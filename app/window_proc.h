// The window procedure: every window message of the main window arrives here
// and goes to the input commands; the shell carries out the effects they ask
// for.
#pragma once

#include "platform/messages.h"

int windowProc(const WindowMessage& msg);
