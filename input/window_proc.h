// The window procedure: every window message of the main window arrives here.
#pragma once

#include "platform/messages.h"

int windowProc(const WindowMessage& msg);
