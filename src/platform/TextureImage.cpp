#include "platform/TextureImage.h"

#include "platform/BmpReader.h"

#include <cstdio>

std::array<std::unique_ptr<CTextureImage>, kTextureImageCount> g_TextureImages;

int TextureFileNumber(int i) { return i < 15 ? i : i - 15; }

std::unique_ptr<CTextureImage> LoadTextureBitmap(const char* path)
{
    if (!path)
        return nullptr;
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return nullptr;
    std::fclose(f);
    auto image = std::make_unique<CTextureImage>();
    if (!CBmpReader::ReadFile(path, *image))
        return nullptr;
    return image;
}

void FreeTextureImages()
{
    for (auto& image : g_TextureImages)
        image.reset();
}
