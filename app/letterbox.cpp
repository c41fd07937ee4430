#include "app/letterbox.h"

#include <algorithm>
#include <cmath>

#include "app/app_state.h"

PictureArea pictureAreaFor(bool fullScreen, int clientWidth, int clientHeight) {
    PictureArea a;
    const int w = std::max(clientWidth, 1), h = std::max(clientHeight, 1);
    if (!fullScreen) {
        a.width = w;
        a.height = h;
        return a;
    }
    const double scale = std::min((double)w / kVirtualScreenWidth, (double)h / kVirtualScreenHeight);
    a.width = std::clamp((int)std::lround(kVirtualScreenWidth * scale), 1, w);
    a.height = std::clamp((int)std::lround(kVirtualScreenHeight * scale), 1, h);
    a.x = (w - a.width) / 2;
    a.y = (h - a.height) / 2;
    return a;
}

void windowToVirtual(const PictureArea& area, int clientHeight, int x, int y, int* vx, int* vy) {
    const int top = clientHeight - (area.y + area.height);
    const long long px = (long long)(x - area.x) * kVirtualScreenWidth / std::max(area.width, 1);
    const long long py = (long long)(y - top) * kVirtualScreenHeight / std::max(area.height, 1);
    *vx = (int)std::clamp<long long>(px, 0, kVirtualScreenWidth - 1);
    *vy = (int)std::clamp<long long>(py, 0, kVirtualScreenHeight - 1);
}
