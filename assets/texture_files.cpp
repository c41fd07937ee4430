#include "assets/texture_files.h"

#include <cstring>

const char* const tgaFileNames[tgaImageCount] = {
    "Data/vori_left_top.tga",  "Data/tree1.tga",          "Data/tree2.tga",
    "Data/vori_left_low.tga",  "Data/vori_top.tga",       "Data/vori_rocket.tga",
    "Data/g_meter.tga",        "Data/needle.tga",         "Data/needle_big.tga",
    "Data/needle_max_g.tga",   "Data/clock.tga",          "Data/alt.tga",
    "Data/speed_meter_low.tga", "Data/Font.tga",          "Data/tree3.tga",
    "Data/tree4.tga",          "Data/tree5.tga",          "Data/cloud.tga",
    "Data/fire.tga",           "Data/towertop.tga",       "Data/bk3.tga",
    "Data/left_arrow.tga",     "Data/right_arrow.tga",    "Data/left_arrow_bk.tga",
    "Data/right_arrow_bk.tga", "Data/btn.tga",            "Data/btn2.tga",
    "Data/vori_right_top.tga", "Data/vori_right_low.tga", "Data/sl_tab.tga",
    "Data/sl_bk.tga",          "Data/bk1.tga",            "Data/f18.tga",
    "Data/on.tga",             "Data/off.tga",            "Data/head.tga",
};

const TextureFile jpegSetFiles[jpegSetCount] = {
    {1, "Data/c.jpg"},
    {2, "Data/cmask.jpg"},
    {3, "Data/w.jpg"},
    {4, "Data/wall1.jpg"},
    {5, "Data/wall2.jpg"},
    {6, "Data/wall3.jpg"},
    {7, "Data/wall4.jpg"},
    {8, "Data/wall5.jpg"},
    {9, "Data/wall6.jpg"},
    {10, "Data/wall7.jpg"},
    {11, "Data/wall8.jpg"},
    {12, "Data/wall9.jpg"},
    {13, "Data/wall10.jpg"},
    {14, "Data/wall11.jpg"},
    {15, "Data/frontbody.jpg"},
    {16, "Data/bodytop.jpg"},
    {17, "Data/shinfront.jpg"},
    {18, "Data/armside.jpg"},
    {19, "Data/vori_back_top.jpg"},
    {30, "Data/25.jpg"},
    {31, "Data/26.jpg"},
    {32, "Data/27.jpg"},
    {33, "Data/28.jpg"},
    {34, "Data/29.jpg"},
    {35, "Data/30.jpg"},
    {37, "Data/sy_a1.jpg"},
    {38, "Data/bigsky.jpg"},
    {57, "Data/grass.jpg"},
};

const TextureFile photoSetFiles[photoSetCount] = {
    {40, "Data/n1.jpg"},    {41, "Data/n2.jpg"},   {42, "Data/n4.jpg"},
    {43, "Data/ntest.jpg"}, {44, "Data/temp.jpg"}, {45, "Data/15.jpg"},
};

const TextureFile bmpSetFiles[bmpSetCount] = {
    {0, "Data/Font.bmp"},  {1, "Data/font_shit.bmp"}, {2, "Data/font_newage.bmp"},
    {15, "Data/blank.bmp"}, {18, "Data/tower.bmp"},
};

const char* dataFileName(const char* path) {
    static const char prefix[] = "Data/";
    const size_t n = sizeof(prefix) - 1;
    if (path && std::strncmp(path, prefix, n) == 0) return path + n;
    return path;
}
