#pragma once
// A small reader of Windows bitmap files (".bmp"): uncompressed 24- and 32-bit images and
// palette images of 1, 4 and 8 bits, decoded to 24-bit red, green, blue.

#include "platform/TextureImage.h"

#include <cstdint>
#include <string>
#include <vector>

class CBmpReader {
public:
    // Decodes the bytes of a whole file; false (image untouched) on anything it does not support.
    static bool Decode(const std::vector<std::uint8_t>& bytes, CTextureImage& image);
    static bool ReadFile(const std::string& path, CTextureImage& image);
};
