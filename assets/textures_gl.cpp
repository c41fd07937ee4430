// Texture creation for the three image kinds; needs the OpenGL context current.
#include "assets/textures.h"

#include <cstdio>

#include <GL/gl.h>
#include <GL/glu.h>

#include "assets/bmp_image.h"
#include "assets/jpeg_image.h"
#include "platform/error_report.h"

#ifndef GL_CLAMP
#define GL_CLAMP 0x2900
#endif

// Our pixel rows are tightly packed whatever the width; the unpack alignment
// is set to 1 for the upload and put back afterwards for the other drawing.
class TightRows {
public:
    TightRows() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &saved_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~TightRows() { glPixelStorei(GL_UNPACK_ALIGNMENT, saved_); }

private:
    GLint saved_ = 4;
};

bool loadTga(TgaImage& image, const char* path) {
    const char* why = "";
    if (!readTgaFile(path, image, &why)) {
        // The loading screen says only that the set failed; this says which
        // file and why.
        std::fprintf(stderr, "%s: %s\n", path ? path : "", why);
        return false;
    }
    const GLenum format = image.bits == 32 ? GL_RGBA : GL_RGB;
    glGenTextures(1, &image.texture);
    glBindTexture(GL_TEXTURE_2D, image.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    TightRows tight;
    glTexImage2D(GL_TEXTURE_2D, 0, format, image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    return true;
}

bool loadTgaSet() {
    for (int i = 0; i < tgaImageCount; ++i) {
        if (!loadTga(tgaImages[i], tgaFileNames[i])) return false;
    }
    return true;
}

bool loadJpegTexture(unsigned int* table, const char* path, int slot) {
    if (!table || slot < 0 || slot >= jpegSlotCount) return false;
    JpegImage image;
    LoadError error;
    if (!readJpeg(path, image, &error)) {
        errorBox(error.text);  // one box a file, and loading goes on
        return false;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    table[slot] = name;
    glBindTexture(GL_TEXTURE_2D, name);
    TightRows tight;
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB,
                      GL_UNSIGNED_BYTE, image.pixels.data());
    // Only the base level is sampled.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return true;
}

void loadJpegSet() {
    for (const TextureFile& file : jpegSetFiles) {
        loadJpegTexture(jpegTextures, file.path, file.slot);
    }
}

void loadPhotoSet() {
    if (!photoSetPending) return;
    photoSetPending = false;
    for (const TextureFile& file : photoSetFiles) {
        loadJpegTexture(jpegTextures, file.path, file.slot);
    }
}

bool loadBmpTexture(const char* path, int slot) {
    if (slot < 0 || slot >= bmpSlotCount) return false;
    BmpImage image;
    LoadError error;
    if (!readBmp(path, image, &error)) {
        errorBox(error.text);
        return false;
    }
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    GLuint name = 0;
    glGenTextures(1, &name);
    bmpTextures[slot] = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    TightRows tight;
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    return true;
}

bool loadBmpSet() {
    bool all = true;
    for (const TextureFile& file : bmpSetFiles) {
        all = loadBmpTexture(file.path, file.slot) && all;
    }
    return all;
}
