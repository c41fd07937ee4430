// The menu's entry points for the window procedure and the keys: they read
// the clock, run the GL-free menu, and do what needs the GL context.
#include "app/window.h"
#include "assets/textures.h"
#include "menu/menu_control.h"
#include "platform/platform.h"

namespace {

void follow(const MenuEffects& e) {
    if (e.loadPhotoSet) loadPhotoSet();
    if (e.sceneApplied) applyProjection();  // the preset's field of view
}

}  // namespace

void openMenu() { openMenuAt(platTimeMs()); }
void closeMenu() { closeMenuAt(platTimeMs()); }
void menuMouseDown(int x, int y) { follow(menuMouseDownAt(x, y, platTimeMs())); }
void menuMouseUp(int x, int y) { follow(menuMouseUpAt(x, y, platTimeMs())); }
void menuMouseMove(int x, int y) { menuMouseMoveAt(x, y); }
bool menuClosedMouseDown(int x, int y) { return menuClosedMouseDownAt(x, y, platTimeMs()); }
bool menuClosedMouseUp(int x, int y) { return menuClosedMouseUpAt(x, y, platTimeMs()); }
