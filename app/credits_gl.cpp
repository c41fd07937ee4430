#include <GL/gl.h>

#include "app/credits.h"
#include "menu/font_text.h"
#include "platform/platform.h"
#include "sound/sound_events.h"

void drawCreditsFrame(uint32_t elapsedMs, uint32_t totalMs) {
    holdClosingTuneVolume();
    if (!platHasGlContext()) return;
    const float b = creditsBrightness(elapsedMs, totalMs);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glColor3f(b, b, b);
    printText(250, 350, "PROGRAMMING", 2, 2.3f, 2.3f);
    printText(250, 250, kCreditLine, 4, 2.3f, 2.3f);
    platSwapBuffers();
}
