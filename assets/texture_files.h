// The image files the program loads, with their slots and load order. Every
// path is relative to the working directory and starts with "Data/".
#pragma once

constexpr int tgaImageCount = 36;
constexpr int jpegSlotCount = 64;
constexpr int bmpSlotCount = 32;

// TGA files in load order; the index is the TGA image number the polygon
// model refers to.
extern const char* const tgaFileNames[tgaImageCount];

struct TextureFile {
    int slot;
    const char* path;
};

// JPEG set loaded at start-up (slots 1 to 38 and 57), in load order.
constexpr int jpegSetCount = 28;
extern const TextureFile jpegSetFiles[jpegSetCount];

// Photo set of the ABOUT pages (slots 40 to 45), loaded on first use.
constexpr int photoSetCount = 6;
extern const TextureFile photoSetFiles[photoSetCount];

// BMP set (font sheets 0 to 2, text-box background 15, tower 18), in load order.
constexpr int bmpSetCount = 5;
extern const TextureFile bmpSetFiles[bmpSetCount];

// The file name without the leading "Data/" (for tools writing the folder).
const char* dataFileName(const char* path);
