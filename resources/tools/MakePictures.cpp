// Draws the program's four product pictures (the splash windows and About boxes of both modes)
// and writes them as a C++ source that embeds each one as an 8-bit palette bitmap file image.
// The pictures are simple drawings of our own: a gradient, the product name in a block font and a
// stylised device (a 2-D cross-section for the layer builder, a stack of z-segments for the 3-D
// editor).
// Usage: make_pictures <output .cpp>

#include "../PictureResources.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

bool operator<(const Rgb& a, const Rgb& b)
{
    return a.r != b.r ? a.r < b.r : a.g != b.g ? a.g < b.g : a.b < b.b;
}

Rgb Mix(Rgb a, Rgb b, int step, int steps)
{
    return {a.r + (b.r - a.r) * step / steps, a.g + (b.g - a.g) * step / steps, a.b + (b.b - a.b) * step / steps};
}

Rgb Shade(Rgb c, int percent) { return {c.r * percent / 100, c.g * percent / 100, c.b * percent / 100}; }

class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height), m_pixels(size_t(width) * height) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const { return m_pixels[size_t(y) * m_width + x]; }

    void Put(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_pixels[size_t(y) * m_width + x] = c;
    }
    void Fill(int x, int y, int w, int h, Rgb c)
    {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                Put(i, j, c);
    }
    void Frame(int x, int y, int w, int h, Rgb c)
    {
        Fill(x, y, w, 1, c), Fill(x, y + h - 1, w, 1, c), Fill(x, y, 1, h, c), Fill(x + w - 1, y, 1, h, c);
    }
    // Top to bottom in bands of equal colour, so the picture keeps to a small palette.
    void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom, int bands)
    {
        for (int j = 0; j < h; ++j)
            Fill(x, y + j, w, 1, Mix(top, bottom, j * bands / h, bands));
    }
    // A parallelogram: the edge from (x, y) w pixels wide, each following row shifted by
    // `slant` pixels per row (negative for a left shift), h rows.
    void Slanted(int x, int y, int w, int h, double slant, Rgb c)
    {
        for (int j = 0; j < h; ++j)
            Fill(x + int(slant * j), y + j, w, 1, c);
    }
    // A parallelogram standing on a vertical edge: columns of height h, each following column
    // raised by `rise` pixels per column.
    void Raised(int x, int y, int w, int h, double rise, Rgb c)
    {
        for (int i = 0; i < w; ++i)
            Fill(x + i, y - int(rise * i), 1, h, c);
    }

private:
    int m_width, m_height;
    std::vector<Rgb> m_pixels;
};

// A 5 x 7 block font: each glyph is seven rows of five bits, the high bit at the left.
const std::map<char, std::array<std::uint8_t, 7>>& Glyphs()
{
    static const std::map<char, std::array<std::uint8_t, 7>> glyphs = {
        {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
        {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
        {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
        {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
        {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}}, {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
        {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}}, {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
        {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
        {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
        {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
        {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}},
        {'3', {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E}}, {'-', {0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00}},
        {' ', {0, 0, 0, 0, 0, 0, 0}},
    };
    return glyphs;
}

int TextWidth(const std::string& text, int scale) { return int(text.size()) * 6 * scale - scale; }

void Text(Canvas& c, const std::string& text, int x, int y, int scale, Rgb ink)
{
    for (char ch : text) {
        const auto& rows = Glyphs().at(ch);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (rows[row] & (0x10 >> col))
                    c.Fill(x + col * scale, y + row * scale, scale, scale, ink);
        x += 6 * scale;
    }
}

// Centred on `cx`, with a shadow one unit down and right.
void Title(Canvas& c, const std::string& text, int cx, int y, int scale, Rgb ink, Rgb shadow)
{
    const int x = cx - TextWidth(text, scale) / 2;
    Text(c, text, x + std::max(1, scale / 2), y + std::max(1, scale / 2), scale, shadow);
    Text(c, text, x, y, scale, ink);
}

const Rgb kLayerColours[] = {{214, 112, 80}, {96, 160, 210}, {230, 196, 90}, {120, 184, 110},
                             {170, 120, 200}, {90, 190, 180}, {220, 150, 170}};
const Rgb kContact = {236, 200, 60};

// A 2-D cross-section: columns of stacked layers of different heights, with contact bars on top.
void CrossSection(Canvas& c, int x, int y, int w, int h)
{
    const int columns = 3;
    const int widths[columns] = {w * 30 / 100, w * 40 / 100, w - w * 30 / 100 - w * 40 / 100};
    const int rows[columns] = {4, 6, 4};
    const int thickness[6] = {10, 18, 8, 14, 22, 12};
    int left = x;
    for (int col = 0; col < columns; ++col) {
        int bottom = y + h;
        for (int r = 0; r < rows[col]; ++r) {
            const int t = thickness[r] * h / 100;
            const Rgb fill = kLayerColours[(r + col) % 7];
            c.Fill(left, bottom - t, widths[col], t, fill);
            c.Frame(left, bottom - t, widths[col], t, Shade(fill, 55));
            bottom -= t;
        }
        c.Fill(left + widths[col] / 4, bottom - 5, widths[col] / 2, 5, kContact);
        c.Frame(left + widths[col] / 4, bottom - 5, widths[col] / 2, 5, Shade(kContact, 55));
        left += widths[col];
    }
}

// A 3-D device: z-segments of layer stacks drawn as slanted boxes, the front one last.
void DeviceStack(Canvas& c, int x, int y, int w, int h)
{
    const int segments = 3;
    const int depth = h / 5;               // the receding edge per z-segment, in pixels up and right
    const int faceWidth = w - depth * segments;
    const int layerHeights[5] = {14, 10, 18, 8, 12};
    for (int s = segments - 1; s >= 0; --s) {
        const int left = x + s * depth;
        int bottom = y + h - s * depth;
        for (int l = 0; l < 5; ++l) {
            const int t = layerHeights[l] * (h - depth * segments) / 62;
            const Rgb fill = kLayerColours[(l + s * 2) % 7];
            c.Fill(left, bottom - t, faceWidth, t, fill);                              // front
            c.Raised(left + faceWidth, bottom - t, depth, t, 1.0, Shade(fill, 70));     // side
            c.Frame(left, bottom - t, faceWidth, t, Shade(fill, 50));
            bottom -= t;
        }
        const Rgb top = Mix(kLayerColours[(4 + s * 2) % 7], {255, 255, 255}, 1, 3);
        c.Slanted(left + depth, bottom - depth, faceWidth, depth, -1.0, top);                 // top
        c.Fill(left + faceWidth / 3, bottom - 4, faceWidth / 3, 4, kContact);
    }
}

Canvas Splash(bool builder)
{
    Canvas c(420, 315);
    c.VerticalGradient(0, 0, 420, 315, {14, 28, 66}, {36, 98, 142}, 48);
    Title(c, builder ? "BRENVIK" : "TESSARON", 210, 22, 5, {250, 250, 250}, {8, 16, 40});
    Title(c, builder ? "LAYER BUILDER" : "3-D DEVICE EDITOR", 210, 72, 2, {170, 220, 240}, {8, 16, 40});
    if (builder)
        CrossSection(c, 70, 110, 280, 160);
    else
        DeviceStack(c, 80, 106, 260, 170);
    Text(c, "VELTRANE SOFTWARE", 420 - TextWidth("VELTRANE SOFTWARE", 1) - 10, 300, 1, {150, 180, 200});
    c.Frame(0, 0, 420, 315, {8, 16, 40});
    return c;
}

Canvas About(bool builder)
{
    Canvas c(300, 222);
    c.VerticalGradient(0, 0, 300, 222, {232, 238, 246}, {196, 212, 230}, 32);
    Title(c, builder ? "BRENVIK" : "TESSARON", 100, 14, 3, {20, 44, 96}, {150, 170, 200});
    if (builder)
        CrossSection(c, 20, 60, 160, 130);
    else
        DeviceStack(c, 24, 58, 150, 136);
    Text(c, "VELTRANE", 100 - TextWidth("VELTRANE", 1) / 2, 204, 1, {90, 110, 140});
    c.Frame(0, 0, 300, 222, {120, 140, 170});
    return c;
}

void Put16(std::vector<std::uint8_t>& b, unsigned v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

// An uncompressed 8-bit palette bitmap file, bottom row first. False when the picture uses more
// than 256 colours.
bool PaletteBitmap(const Canvas& c, std::vector<std::uint8_t>& b)
{
    std::map<Rgb, int> palette;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            palette.emplace(c.At(x, y), 0);
    if (palette.size() > 256)
        return false;
    int index = 0;
    for (auto& entry : palette)
        entry.second = index++;
    const std::uint32_t rowBytes = (std::uint32_t(c.Width()) + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(c.Height());
    const std::uint32_t offset = 54 + 4 * std::uint32_t(palette.size());
    b.clear();
    b.push_back('B'), b.push_back('M');
    Put32(b, offset + pixelBytes), Put32(b, 0), Put32(b, offset);
    Put32(b, 40), Put32(b, std::uint32_t(c.Width())), Put32(b, std::uint32_t(c.Height())), Put16(b, 1), Put16(b, 8);
    Put32(b, 0), Put32(b, pixelBytes), Put32(b, 2835), Put32(b, 2835), Put32(b, std::uint32_t(palette.size()));
    Put32(b, 0);
    for (const auto& entry : palette)
        b.push_back(std::uint8_t(entry.first.b)), b.push_back(std::uint8_t(entry.first.g)),
            b.push_back(std::uint8_t(entry.first.r)), b.push_back(0);
    for (int y = c.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.Width(); ++x)
            b.push_back(std::uint8_t(palette.at(c.At(x, y))));
        for (std::uint32_t pad = std::uint32_t(c.Width()); pad < rowBytes; ++pad)
            b.push_back(0);
    }
    return true;
}

void WriteArray(std::FILE* f, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    std::fprintf(f, "const unsigned char %s[%zu] = {", name.c_str(), bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        std::fprintf(f, "%s%u,", i % 32 == 0 ? "\n" : "", unsigned(bytes[i]));
    std::fprintf(f, "\n};\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output .cpp>\n");
        return 2;
    }
    const struct {
        int id;
        Canvas picture;
    } pictures[] = {{IDB_SPLASH_BUILDER, Splash(true)}, {IDB_SPLASH_3D, Splash(false)},
                    {IDB_ABOUT_BUILDER, About(true)}, {IDB_ABOUT_3D, About(false)}};
    const std::string temporary = std::string(argv[1]) + ".part";
    std::FILE* f = std::fopen(temporary.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", temporary.c_str());
        return 1;
    }
    std::fprintf(f, "// Generated by make_pictures: the product pictures as bitmap file images.\n"
                    "#include \"PictureResources.h\"\n\nnamespace {\n\n");
    for (const auto& p : pictures) {
        std::vector<std::uint8_t> bytes;
        if (!PaletteBitmap(p.picture, bytes)) {
            std::fprintf(stderr, "make_pictures: picture %d has more than 256 colours\n", p.id);
            std::fclose(f);
            return 1;
        }
        WriteArray(f, "kPicture" + std::to_string(p.id), bytes);
    }
    std::fprintf(f, "\n}  // namespace\n\nbool FindPictureResource(int id, const unsigned char** bytes, "
                    "std::size_t* size)\n{\n    switch (id) {\n");
    for (const auto& p : pictures)
        std::fprintf(f, "    case %d: *bytes = kPicture%d; *size = sizeof kPicture%d; return true;\n", p.id, p.id,
                     p.id);
    std::fprintf(f, "    default: return false;\n    }\n}\n");
    const bool ok = std::fclose(f) == 0;
    if (!ok || std::rename(temporary.c_str(), argv[1]) != 0) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
