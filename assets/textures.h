// The texture tables every drawing part binds from, and the loaders that
// fill them. The tables are plain data (defined GL-free); the loaders live
// in textures_gl.cpp and need the OpenGL context current.
#pragma once

#include "assets/texture_files.h"
#include "assets/tga_image.h"

// TGA images by load order (index 0 to 35); pixels stay for the program's life.
extern TgaImage tgaImages[tgaImageCount];
// JpegTextures: texture names by slot; a slot whose file failed keeps 0.
extern unsigned int jpegTextures[jpegSlotCount];
// BmpTextures: texture names by slot (0 to 2 font sheets, 15 text box, 18 tower).
extern unsigned int bmpTextures[bmpSlotCount];
// Set at start-up; cleared by the first loadPhotoSet call.
extern bool photoSetPending;

// Puts the tables back to their start-up values (all names 0, photo set
// pending). Does not delete textures: it is meant for start-up and tests.
void resetTextureTables();

// Reads path into image and creates its texture (GL_LINEAR, GL_CLAMP, no
// mipmaps, GL_RGBA for 32 bits and GL_RGB for 24). False if the file fails.
bool loadTga(TgaImage& image, const char* path);
// Loads the 36 TGA images in index order; false at the first failure (the
// rest are not tried).
bool loadTgaSet();

// Decodes path and stores a mipmapped texture name in table[slot]. On any
// failure a message box shows the path and the slot keeps its name.
bool loadJpegTexture(unsigned int* table, const char* path, int slot);
// Loads the start-up JPEG set; failures are reported one by one and ignored.
void loadJpegSet();
// Loads slots 40 to 45 the first time it is called; later calls return at once.
void loadPhotoSet();

// Decodes path and stores a GL_DECAL, GL_LINEAR texture name in
// bmpTextures[slot]. False (slot untouched, message shown) on failure.
bool loadBmpTexture(const char* path, int slot);
// Loads the five BMP files in the order 0, 1, 2, 15, 18. A file that fails
// leaves its slot at 0 and the rest still load; true when all five loaded.
bool loadBmpSet();
