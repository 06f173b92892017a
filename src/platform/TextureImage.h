#pragma once
// The texture images the views upload: read once at start-up from "GUI/Data/<n>.bmp" in the
// root folder, owned by the application and freed at exit.

#include <array>
#include <memory>
#include <string>
#include <vector>

// One decoded bitmap: three bytes per pixel (red, green, blue), rows in the order the file
// stores them (bottom row first for an ordinary bitmap).
struct CTextureImage {
    int sizeX = 0;
    int sizeY = 0;
    std::vector<unsigned char> data;
};

constexpr int kTextureImageCount = 23;

// Entries 15 to 22 are separate copies read again from files 0 to 7.
extern std::array<std::unique_ptr<CTextureImage>, kTextureImageCount> g_TextureImages;

// The file number that texture entry i is read from.
int TextureFileNumber(int i);

// Reads a bitmap file; null when the path is null or the file cannot be opened or decoded.
std::unique_ptr<CTextureImage> LoadTextureBitmap(const char* path);

// Frees every loaded image (the table holds nulls afterwards).
void FreeTextureImages();
