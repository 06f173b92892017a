#include "ScreenPixel.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

wxColour ScreenPixel(const wxPoint& screenPoint)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return *wxBLACK;
    wxColour colour = *wxBLACK;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, root, &attributes) && screenPoint.x >= 0 && screenPoint.y >= 0 &&
        screenPoint.x < attributes.width && screenPoint.y < attributes.height) {
        if (XImage* image = XGetImage(display, root, screenPoint.x, screenPoint.y, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            // A true-colour visual: the masks say where each channel lies.
            auto channel = [pixel](unsigned long mask) {
                if (!mask)
                    return 0;
                int shift = 0;
                while (!((mask >> shift) & 1))
                    ++shift;
                const unsigned long value = (pixel & mask) >> shift, max = mask >> shift;
                return int(value * 255 / max);
            };
            colour = wxColour(channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask));
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return colour;
}
