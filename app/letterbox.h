// Where the 800 by 600 picture sits in the window. In full screen the window
// has the desktop's size; the picture keeps 4:3, as large as fits, centred,
// with black bars on the other sides. A window shows the picture on its whole
// client area.
#pragma once

struct PictureArea {
    int x = 0, y = 0;  // lower-left corner in window pixels (GL viewport order)
    int width = 0, height = 0;
};

PictureArea pictureAreaFor(bool fullScreen, int clientWidth, int clientHeight);

// A window position (top-left origin) on the virtual screen of the picture,
// clamped to it, for a pointer the window system reports in window pixels.
void windowToVirtual(const PictureArea& area, int clientHeight, int x, int y, int* vx, int* vy);
