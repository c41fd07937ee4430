#include "menu/menu_text.h"

#include <cstdarg>
#include <cstdio>

#include "menu/font_text.h"

void setMenuText(MenuText& line, int x, int y, int style, float scaleX, float scaleY, float r, float g, float b,
                 const char* format, ...) {
    line.x = x;
    line.y = y;
    line.style = style;
    line.scaleX = scaleX;
    line.scaleY = scaleY;
    line.color[0] = r;
    line.color[1] = g;
    line.color[2] = b;
    va_list args;
    va_start(args, format);
    std::vsnprintf(line.text, sizeof line.text, format, args);
    va_end(args);
}

void fitText(const char* text, int style, float scaleX, float width, char* out, int cap) {
    if (!out || cap <= 0) return;
    int n = 0;
    float used = 0.0f;
    for (const char* p = text ? text : ""; *p && n < cap - 1; ++p) {
        int list = glyphListFor(style, *p);
        float advance = list >= 0 ? glyphCell(list).advance * scaleX : 0.0f;
        if (used + advance > width) break;
        used += advance;
        out[n++] = *p;
    }
    out[n] = '\0';
}
