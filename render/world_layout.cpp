#include "render/world_layout.h"

#include <cstdlib>

HillHeights hillHeights;
TreeTable treeTable;

void initHills(HillHeights& hills, RandomSource& random) {
    hills = HillHeights();
    for (int i = 0; i < kHillCount; ++i)
        for (int j = 0; j < kHillCount; ++j) {
            float h = (float)(random.next() % 2229);
            if (3.25f < i && i < 11.05f && 3.25f < j && j < 11.05f) h = 0.0f;
            hills.height[j][i] = h;
        }
}

float hillAt(const HillHeights& hills, int col, int row) {
    if (col < 0 || row < 0 || col >= kHillTableSize || row >= kHillTableSize) return 0.0f;
    return hills.height[col][row];
}

float cloudHeightAt(float eyeZ, float d) {
    if (eyeZ > kCloudHeight) return kCloudHeight;
    return kCloudHeight - (d * d) / (kWorldHalfExtent * kWorldHalfExtent) * 19000.0f;
}

int32_t cloudDrift(uint32_t nowMs, uint32_t creationMs) { return (int32_t)((uint32_t)(nowMs - creationMs) / 11u); }

float cloudTexCoord(float c, int32_t drift) { return ((c + (float)drift) / 1000.0f + 32.5f) / 65.0f; }

int treeImage(int kind) {
    static const int images[5] = {1, 2, 14, 15, 16};
    return kind >= 1 && kind <= 5 ? images[kind - 1] : images[0];
}

void placeTrees(TreeTable& table, RandomSource& random) {
    for (TreeRecord& t : table.trees) {
        // Trees near either axis would stand on the runway or the road:
        // draw again until the spot is clear (about one draw in five is not).
        int x, y, size;
        do {
            x = random.next() % 1900 - 600;
            y = random.next() % 1900 - 600;
            size = random.next() % 25;
        } while (std::abs(x) < 100 || std::abs(y) < 100);
        t.x = (float)x;
        t.y = (float)y;
        t.size = (float)size;
        t.image = (float)treeImage(random.next() % 5 + 1);
    }
}

void makeBuildings(BuildingPlan out[kBuildingCount], RandomSource& random) {
    BuildingPlan& airfield = out[0];
    airfield = BuildingPlan{63, 10, 17, 40, 230, 0, 37, 37, 37, 37, 12, true, 5};
    for (int k = 1; k < kBuildingCount; ++k) {
        for (int skip = 0; skip < 3; ++skip) random.next();
        int h = random.next(), l = random.next(), m = random.next();
        int o = random.next(), r = random.next(), t = random.next();
        int tex = t % 11 + 3;
        out[k] = BuildingPlan{(float)(h % 75 + 10), (float)(l % 75 + 10), (float)(m % 75 + 5),
                              (float)(o % 1000 - 1000), (float)(r % 1000 + 200), 0.0f,
                              tex, tex, tex, tex, tex, false, 1.0f};
    }
}

Vec3 buildingShadowPoint(const Vec3& p, const Vec3& s) {
    float k = p.z / (p.z - s.z);
    return Vec3(p.x + (p.x + s.x) * k, p.y + (p.y + s.y) * k, 0.4f);
}
