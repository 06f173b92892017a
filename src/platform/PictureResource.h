#pragma once
// Loads one of the product pictures built into the program (resources/PictureResources.h) as a
// 24-bit image, the way a bitmap resource is loaded from the program file.

#include "platform/TextureImage.h"

class CPictureResource {
public:
    // False (image untouched) when the program has no picture `id` or it cannot be decoded.
    static bool Load(int id, CTextureImage& image);
};
