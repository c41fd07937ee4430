#include "render/effects.h"

#include <cmath>

SpriteAnim fireAnim;

AtlasOffset atlasFrame(const SpriteAnim& anim, double tau) {
    int count = anim.frameCount > 0 ? anim.frameCount : 1;
    int columns = anim.columns > 0 ? anim.columns : 1;
    int rows = anim.rows > 0 ? anim.rows : 1;
    double frameS = anim.entries[0].periodS / count;
    double whole = frameS > 0.0 ? std::floor(tau / frameS) : 0.0;
    // A clock that is not a number or out of range shows the first frame.
    if (!(whole >= 0.0 && whole < 1e9)) whole = 0.0;
    int k = (int)whole % count;
    return AtlasOffset{(float)(k % columns) / columns, 1.0f - (float)(k / columns) / rows};
}

PlumeEmission plumeFlicker(RandomSource& random) {
    int first = random.next() % 100, second = random.next() % 100, third = random.next() % 100;
    return PlumeEmission{1.0f - first / 400.0f, 1.0f - second / 400.0f, third / 800.0f + 0.28f};
}

FireSize crashFireSize(RandomSource& random) {
    float width = 30.0f + (float)(random.next() % 3);
    float height = 18.0f + (float)(random.next() % 7);
    return FireSize{width, height};
}

FireFrameRect fireFrameRect(const AtlasOffset& f, int width, int height) {
    float du = width > 0 ? 0.5f / width : 0.0f;
    float dv = height > 0 ? 0.5f / height : 0.0f;
    return FireFrameRect{f.u + du, f.u + 0.25f - du, f.v - 0.5f + dv, f.v - dv};
}
