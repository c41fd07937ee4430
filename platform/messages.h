// Window messages and their parameter packing, with the numeric values the
// rest of the program knows them by. The platform layer translates its own
// events into these; nothing outside platform/ sees the windowing library.
#pragma once

#include <cstdint>

enum : uint32_t {
    WM_CREATE = 0x0001,
    WM_SIZE = 0x0005,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_TIMER = 0x0113,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MBUTTONUP = 0x0208,
};

struct WindowMessage {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Two 16-bit coordinates packed into one parameter (low word x, high word y).
inline intptr_t makeLParam(int lo, int hi) {
    return (intptr_t)(uint32_t)(((uint32_t)(uint16_t)lo) | (((uint32_t)(uint16_t)hi) << 16));
}
inline int lParamLow(intptr_t l) { return (int16_t)(l & 0xFFFF); }
inline int lParamHigh(intptr_t l) { return (int16_t)((l >> 16) & 0xFFFF); }
