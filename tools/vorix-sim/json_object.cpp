#include "tools/vorix-sim/json_object.h"

#include <cstdio>

#include "tools/vorix-sim/number_text.h"

std::string jsonNumber(float v) { return std::isfinite(v) ? numberText(v) : std::string("null"); }

std::string jsonNumber(double v) { return std::isfinite(v) ? numberText(v) : std::string("null"); }

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += (char)c;
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}
