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

// The longest start of text that prints within width units (style and
// scaleX as printText takes them), copied into out (cap bytes, zero-ended).
// A scene name of 255 characters fits the list it is shown in this way.
void fitText(const char* text, int style, float scaleX, float width, char* out, int cap);
