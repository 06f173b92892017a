#pragma once
// What a pane shows, read from the screen as RGB bytes, and the questions the framing and picture
// tests ask of it: how many pixels differ from the background, and whether anything but the
// background touches the pane's edge (something cut off by it).

#include <wx/window.h>

#include <vector>

struct CPanePicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // row by row

    bool IsBackground(int x, int y, unsigned char r, unsigned char g, unsigned char b) const;
    // Pixels of any other colour than (r, g, b).
    size_t CountOther(unsigned char r, unsigned char g, unsigned char b) const;
    // Pixels of another colour than (r, g, b) within `band` pixels of the pane's edge.
    size_t CountOtherOnEdge(unsigned char r, unsigned char g, unsigned char b, int band) const;
};

// The window's client area as the screen shows it now.
CPanePicture PanePicture(wxWindow* window);
