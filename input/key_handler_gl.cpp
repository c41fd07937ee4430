#include "input/key_handler.h"

#include "platform/keycodes.h"
#include "platform/platform.h"

void handleKey(int virtualKey) {
    switch (virtualKey) {
        case VK_ESCAPE:
            platPostQuitMessage(0);
            break;
        default:
            break;
    }
}
