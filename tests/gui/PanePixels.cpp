#include "PanePixels.h"

#include "ScreenPixel.h"

bool CPanePicture::IsBackground(int x, int y, unsigned char r, unsigned char g, unsigned char b) const
{
    const size_t i = (size_t(y) * size_t(width) + size_t(x)) * 3;
    return rgb[i] == r && rgb[i + 1] == g && rgb[i + 2] == b;
}

size_t CPanePicture::CountOther(unsigned char r, unsigned char g, unsigned char b) const
{
    size_t n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) n += !IsBackground(x, y, r, g, b);
    return n;
}

size_t CPanePicture::CountOtherOnEdge(unsigned char r, unsigned char g, unsigned char b, int band) const
{
    size_t n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x < band || y < band || x >= width - band || y >= height - band;
            n += edge && !IsBackground(x, y, r, g, b);
        }
    return n;
}

CPanePicture PanePicture(wxWindow* window)
{
    CPanePicture picture;
    const wxSize size = window->GetClientSize();
    picture.rgb = ScreenRect(window->ClientToScreen(wxPoint(0, 0)), size);
    if (!picture.rgb.empty()) {
        picture.width = size.x;
        picture.height = size.y;
    }
    return picture;
}
