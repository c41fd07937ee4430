#include "assets/textures.h"

TgaImage tgaImages[tgaImageCount];
unsigned int jpegTextures[jpegSlotCount];
unsigned int bmpTextures[bmpSlotCount];
bool photoSetPending = true;

void resetTextureTables() {
    for (TgaImage& image : tgaImages) image = TgaImage();
    for (unsigned int& name : jpegTextures) name = 0;
    for (unsigned int& name : bmpTextures) name = 0;
    photoSetPending = true;
}
