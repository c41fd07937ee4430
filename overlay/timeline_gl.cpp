// Draws the paused run's timeline the overlay's update step laid out.
#include <GL/gl.h>

#include "menu/font_text.h"
#include "menu/widgets_draw.h"
#include "overlay/overlay.h"
#include "overlay/timeline_layout.h"

void drawTimeline(const TimelineFrame& f) {
    if (!f.shown) return;
    // Opaque over the shaded band, so the bar reads the same over any sky.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(0.42f, 0.42f, 0.45f);
    fillRect({kTimelineLeft, kTimelineTop, kTimelineRight, kTimelineBottom});
    glColor3f(0.55f, 0.12f, 0.12f);  // the count-down
    fillRect({kTimelineLeft, kTimelineTop, f.countdownRight, kTimelineBottom});
    for (int i = 0; i < f.tickCount; ++i) {
        const TimelineTick& t = f.ticks[i];
        glColor3fv(t.colour);
        fillRect({t.x - 1, kTimelineTop - 4, t.x + 1, kTimelineBottom + 4});
    }
    // The clock: a green post with a head, the big clock's colour.
    glColor3f(0.0f, 1.0f, 0.0f);
    fillRect({f.markerX - 1, kTimelineHitTop + 1, f.markerX + 1, kTimelineHitBottom - 1});
    fillRect({f.markerX - 3, kTimelineHitTop + 1, f.markerX + 3, kTimelineHitTop + 4});
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor3f(0.8f, 0.8f, 0.8f);
    printText(f.lengthX, f.lengthY, f.lengthText, 0, 0.8f, 0.7f);
}
