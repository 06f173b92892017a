// Writes the layer texture bitmaps "<n>.bmp" (n = 0..14) into a folder: small uncompressed 24-bit
// bitmaps with simple two-tone patterns (stripes, checks, dots, hatches), one pattern per number.
// Usage: make_textures <folder>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;     // a power of two, as OpenGL 1.1 textures need
constexpr int kCount = 15;

bool Ink(int n, int x, int y)
{
    switch (n) {
    case 0: return (y % 8) < 2;                          // horizontal stripes
    case 1: return (x % 8) < 2;                          // vertical stripes
    case 2: return ((x + y) % 8) < 2;                    // diagonal hatch
    case 3: return ((x - y + kSize) % 8) < 2;            // the other diagonal
    case 4: return ((x / 8) + (y / 8)) % 2 == 0;         // checks
    case 5: return (x % 8) < 2 || (y % 8) < 2;           // grid
    case 6: return (x % 8) == 3 && (y % 8) == 3;         // sparse dots
    case 7: return ((x + y) % 8) < 2 || ((x - y + kSize) % 8) < 2;  // cross hatch
    case 8: return (x % 4) < 2 && (y % 4) < 2;           // fine checks
    case 9: return (y % 16) < 8;                         // broad bands
    case 10: return ((x % 16) - 8) * ((x % 16) - 8) + ((y % 16) - 8) * ((y % 16) - 8) < 16;  // rings of dots
    case 11: return (y % 8) == 0 || ((y / 8) % 2 == 0 ? x % 16 == 0 : x % 16 == 8);  // bricks
    case 12: return ((x * 7 + y * 13) % 11) == 0;        // scattered specks
    case 13: return (x % 16) < 8 && (y % 16) < 8;        // large blocks
    default: return ((x + 2 * y) % 10) < 3;              // steep hatch
    }
}

void Put16(std::vector<std::uint8_t>& b, unsigned v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

std::vector<std::uint8_t> Bitmap(int n)
{
    const std::uint32_t rowBytes = kSize * 3;  // already a multiple of four
    const std::uint32_t pixelBytes = rowBytes * kSize;
    std::vector<std::uint8_t> b;
    b.push_back('B'), b.push_back('M');
    Put32(b, 54 + pixelBytes), Put32(b, 0), Put32(b, 54);
    Put32(b, 40), Put32(b, kSize), Put32(b, kSize), Put16(b, 1), Put16(b, 24);
    Put32(b, 0), Put32(b, pixelBytes), Put32(b, 2835), Put32(b, 2835), Put32(b, 0), Put32(b, 0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const std::uint8_t v = Ink(n, x, y) ? 96 : 224;
            b.push_back(v), b.push_back(v), b.push_back(v);  // blue, green, red
        }
    return b;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_textures <folder>\n");
        return 2;
    }
    for (int n = 0; n < kCount; ++n) {
        const std::string path = std::string(argv[1]) + "/" + std::to_string(n) + ".bmp";
        const std::vector<std::uint8_t> bytes = Bitmap(n);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
            std::fprintf(stderr, "make_textures: cannot write %s\n", path.c_str());
            if (f)
                std::fclose(f);
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
