// Draws the HUD lines the overlay's update step laid out.
#include <GL/gl.h>

#include "menu/font_text.h"
#include "menu/widgets_draw.h"
#include "overlay/hud_text.h"
#include "overlay/overlay.h"

namespace {

void drawRect(const HudItem& item) {
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    if (item.kind == HudItem::Shade) glBlendFunc(GL_DST_COLOR, GL_ZERO);
    else glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4fv(item.colour);
    fillRect({item.x0, item.y0, item.x1, item.y1});
}

}  // namespace

void drawHudText(const HudFrame& frame) {
    for (int i = 0; i < frame.count; ++i) {
        const HudItem& item = frame.items[i];
        if (item.kind == HudItem::Text) {
            glColor4fv(item.colour);
            printText(item.x, item.y, item.text, item.style, item.scaleX, item.scaleY);
        } else {
            drawRect(item);
        }
    }
}
