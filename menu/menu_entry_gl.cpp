// Connects the menu to the platform's clock and does what its mouse events
// leave for the GL context.
#include "app/window.h"
#include "assets/textures.h"
#include "menu/menu_control.h"
#include "platform/platform.h"

namespace {

void followUp(const MenuEffects& e) {
    if (e.loadPhotoSet) loadPhotoSet();
    if (e.sceneApplied) applyProjection();  // the preset's field of view
}

}  // namespace

void connectMenuToPlatform() { connectMenu(platTimeMs, followUp); }
