#include "tools/vorix-sim/number_text.h"

#include <charconv>

namespace {

template <typename T>
std::string shortest(T v) {
    // 32 characters hold the longest shortest form of a double
    // ("-2.2250738585072014e-308" is 24).
    char buf[32];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v);
    if (r.ec != std::errc()) return std::string();
    return std::string(buf, r.ptr);
}

}  // namespace

std::string numberText(float v) { return shortest(v); }

std::string numberText(double v) { return shortest(v); }
