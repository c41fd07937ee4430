#include "app/app_state.h"

AppState app;

float aspectRatioFor(const AppState& a) {
    if (a.fullScreen) return 1.3333334f;
    int h = a.clientHeight == 0 ? 1 : a.clientHeight;
    return (float)a.clientWidth / (float)h;
}
