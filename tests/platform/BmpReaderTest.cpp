#include "platform/BmpReader.h"
#include "platform/TextureImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& b, unsigned v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

// A bitmap file: headers, an optional palette (B, G, R, 0 per entry) and the given pixel rows.
std::vector<std::uint8_t> Bmp(int width, int height, int bits, const std::vector<std::uint8_t>& palette,
                              const std::vector<std::uint8_t>& pixels, std::uint32_t compression = 0)
{
    std::vector<std::uint8_t> b = {'B', 'M'};
    const std::uint32_t offset = 54 + std::uint32_t(palette.size());
    Put32(b, offset + std::uint32_t(pixels.size())), Put32(b, 0), Put32(b, offset);
    Put32(b, 40), Put32(b, std::uint32_t(width)), Put32(b, std::uint32_t(height)), Put16(b, 1), Put16(b, bits);
    Put32(b, compression), Put32(b, std::uint32_t(pixels.size())), Put32(b, 0), Put32(b, 0);
    Put32(b, std::uint32_t(palette.size() / 4)), Put32(b, 0);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

}  // namespace

TEST(BmpReader, DecodesTheDepthsItSupportsToRgbRowsInFileOrder)
{
    // 2 x 2 images: bottom row first in the file, as ordinary bitmaps store them.
    const std::vector<std::uint8_t> rgb = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    const struct {
        const char* name;
        std::vector<std::uint8_t> file;
    } cases[] = {
        {"24-bit, rows padded to four bytes",
         Bmp(2, 2, 24, {}, {30, 20, 10, 60, 50, 40, 0, 0, 90, 80, 70, 120, 110, 100, 0, 0})},
        {"32-bit", Bmp(2, 2, 32, {}, {30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0, 120, 110, 100, 0})},
        {"32-bit with colour masks", Bmp(2, 2, 32, {}, {30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0, 120, 110, 100, 0}, 3)},
        {"8-bit palette", Bmp(2, 2, 8, {30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0, 120, 110, 100, 0},
                              {0, 1, 0, 0, 2, 3, 0, 0})},
        {"4-bit palette", Bmp(2, 2, 4, {30, 20, 10, 0, 60, 50, 40, 0, 90, 80, 70, 0, 120, 110, 100, 0},
                              {0x01, 0, 0, 0, 0x23, 0, 0, 0})},
        {"1-bit palette", Bmp(2, 2, 1, {30, 20, 10, 0, 60, 50, 40, 0}, {0x40, 0, 0, 0, 0x80, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTextureImage image;
        ASSERT_TRUE(CBmpReader::Decode(c.file, image));
        EXPECT_EQ(image.sizeX, 2);
        EXPECT_EQ(image.sizeY, 2);
        if (std::string(c.name) == "1-bit palette")
            EXPECT_EQ(image.data, (std::vector<std::uint8_t>{10, 20, 30, 40, 50, 60, 40, 50, 60, 10, 20, 30}));
        else
            EXPECT_EQ(image.data, rgb);
    }
}

TEST(BmpReader, RefusesWhatItCannotDecode)
{
    const std::vector<std::uint8_t> good = Bmp(1, 1, 24, {}, {1, 2, 3, 0});
    std::vector<std::uint8_t> notBmp = good;
    notBmp[0] = 'X';
    std::vector<std::uint8_t> cut = good;
    cut.resize(cut.size() - 2);
    const struct {
        const char* name;
        std::vector<std::uint8_t> file;
    } cases[] = {
        {"empty", {}},
        {"wrong signature", notBmp},
        {"pixels cut off", cut},
        {"run-length compressed", Bmp(1, 1, 8, {1, 2, 3, 0}, {0, 0, 0, 0}, 1)},
        {"16-bit", Bmp(1, 1, 16, {}, {0, 0, 0, 0})},
        {"zero width", Bmp(0, 1, 24, {}, {})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTextureImage image;
        EXPECT_FALSE(CBmpReader::Decode(c.file, image));
        EXPECT_TRUE(image.data.empty());
    }
    EXPECT_EQ(LoadTextureBitmap(nullptr), nullptr);
    EXPECT_EQ(LoadTextureBitmap("no/such/file.bmp"), nullptr);
}

TEST(BmpReader, ReadsTheGeneratedTextures)
{
    for (int n = 0; n < 15; ++n) {
        const std::string path = std::string(TESSARON_STAGE_DIR) + "/GUI/Data/" + std::to_string(n) + ".bmp";
        auto image = LoadTextureBitmap(path.c_str());
        ASSERT_NE(image, nullptr) << path;
        EXPECT_EQ(image->sizeX, 32);
        EXPECT_EQ(image->sizeY, 32);
        EXPECT_EQ(image->data.size(), 32u * 32u * 3u);
    }
    EXPECT_EQ(TextureFileNumber(14), 14);
    EXPECT_EQ(TextureFileNumber(15), 0);
    EXPECT_EQ(TextureFileNumber(22), 7);
}
