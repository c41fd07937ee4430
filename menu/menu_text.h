// A line of menu text as the pages lay it out: position in the bottom-left
// text coordinates, style, scale, colour and the characters. Pages fill
// arrays of these GL-free; the drawing prints them.
#pragma once

struct MenuText {
    int x = 0, y = 0;
    int style = 0;
    float scaleX = 1.0f, scaleY = 1.0f;
    float color[3] = {1.0f, 1.0f, 1.0f};
    char text[160] = {};
};

// Fills line; text is formatted with printf rules and cut to fit.
void setMenuText(MenuText& line, int x, int y, int style, float scaleX, float scaleY, float r, float g, float b,
                 const char* format, ...) __attribute__((format(printf, 10, 11)));
