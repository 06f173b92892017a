#include "platform/BmpReader.h"

#include <fstream>
#include <iterator>

namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

constexpr size_t kFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0;        // no compression
constexpr std::uint32_t kBitFields = 3;  // uncompressed with colour masks (32-bit files use it)

}  // namespace

bool CBmpReader::Decode(const std::vector<std::uint8_t>& b, CTextureImage& image)
{
    if (b.size() < kFileHeaderSize + 40 || b[0] != 'B' || b[1] != 'M')
        return false;
    const std::uint32_t pixelOffset = U32(b, 10);
    const std::uint32_t infoSize = U32(b, 14);
    if (infoSize < 40 || kFileHeaderSize + infoSize > b.size())
        return false;
    const std::int32_t width = std::int32_t(U32(b, 18));
    const std::int32_t rawHeight = std::int32_t(U32(b, 22));
    const std::uint32_t bits = U16(b, 28);
    const std::uint32_t compression = U32(b, 30);
    std::uint32_t paletteCount = U32(b, 46);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 65536)
        return false;
    const std::int64_t height = rawHeight < 0 ? -std::int64_t(rawHeight) : rawHeight;
    if (height > 65536)
        return false;
    if (compression != kRgb && !(compression == kBitFields && bits == 32))
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;

    std::vector<std::uint8_t> palette;  // B, G, R per entry
    if (bits <= 8) {
        if (paletteCount == 0 || paletteCount > (1u << bits))
            paletteCount = 1u << bits;
        const size_t paletteAt = kFileHeaderSize + infoSize;
        if (paletteAt + size_t(paletteCount) * 4 > b.size())
            return false;
        for (std::uint32_t i = 0; i < paletteCount; ++i)
            palette.insert(palette.end(), {b[paletteAt + i * 4], b[paletteAt + i * 4 + 1], b[paletteAt + i * 4 + 2]});
    }

    const size_t rowBytes = ((size_t(width) * bits + 31) / 32) * 4;
    if (pixelOffset > b.size() || rowBytes * size_t(height) > b.size() - pixelOffset)
        return false;

    std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
    unsigned char* out = rgb.data();
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* row = b.data() + pixelOffset + rowBytes * size_t(y);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint8_t blue, green, red;
            if (bits >= 24) {
                const std::uint8_t* p = row + size_t(x) * (bits / 8);
                blue = p[0], green = p[1], red = p[2];
            } else {
                const size_t bitAt = size_t(x) * bits;
                const unsigned shift = 8 - bits - unsigned(bitAt % 8);
                unsigned index = (row[bitAt / 8] >> shift) & ((1u << bits) - 1);
                if (index >= paletteCount)
                    index = 0;
                blue = palette[index * 3], green = palette[index * 3 + 1], red = palette[index * 3 + 2];
            }
            *out++ = red;
            *out++ = green;
            *out++ = blue;
        }
    }
    image.sizeX = width;
    image.sizeY = int(height);
    image.data = std::move(rgb);
    return true;
}

bool CBmpReader::ReadFile(const std::string& path, CTextureImage& image)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Decode(bytes, image);
}
