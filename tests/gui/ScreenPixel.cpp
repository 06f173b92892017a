#include "ScreenPixel.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// One channel of a true-colour pixel, scaled to 0..255: the mask says where the channel lies.
unsigned char Channel(unsigned long pixel, unsigned long mask)
{
    if (!mask)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long value = (pixel & mask) >> shift, max = mask >> shift;
    return static_cast<unsigned char>(value * 255 / max);
}

}  // namespace

std::vector<unsigned char> ScreenRect(const wxPoint& topLeft, const wxSize& size)
{
    std::vector<unsigned char> rgb;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return rgb;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, root, &attributes) && topLeft.x >= 0 && topLeft.y >= 0 && size.x > 0 &&
        size.y > 0 && topLeft.x + size.x <= attributes.width && topLeft.y + size.y <= attributes.height) {
        if (XImage* image = XGetImage(display, root, topLeft.x, topLeft.y, unsigned(size.x), unsigned(size.y),
                                      AllPlanes, ZPixmap)) {
            rgb.reserve(size_t(size.x) * size_t(size.y) * 3);
            for (int y = 0; y < size.y; ++y)
                for (int x = 0; x < size.x; ++x) {
                    const unsigned long p = XGetPixel(image, x, y);
                    rgb.insert(rgb.end(), {Channel(p, image->red_mask), Channel(p, image->green_mask),
                                           Channel(p, image->blue_mask)});
                }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return rgb;
}

wxColour ScreenPixel(const wxPoint& screenPoint)
{
    const std::vector<unsigned char> rgb = ScreenRect(screenPoint, wxSize(1, 1));
    return rgb.size() == 3 ? wxColour(rgb[0], rgb[1], rgb[2]) : *wxBLACK;
}
