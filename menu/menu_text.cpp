#include "menu/menu_text.h"

#include <cstdarg>
#include <cstdio>

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
