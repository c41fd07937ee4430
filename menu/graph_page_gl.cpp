// The GRAPH page: a placeholder until the run's plots are drawn here.
#include <GL/gl.h>

#include "menu/font_text.h"
#include "menu/menu_pages.h"

void drawGraphPage(int) {
    glColor3f(1, 1, 1);
    printText(300, 300, "Working on...", 0, 1.0f, 1.0f);
}
