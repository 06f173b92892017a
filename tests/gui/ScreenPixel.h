#pragma once
// Reads what the X screen shows, straight from the X server on a connection of its own, so that
// each read sees the windows as they are now (the toolkit's screen device context keeps an old
// copy of the screen once it has been read, and never sees a GL window's later frames).

#include <wx/colour.h>
#include <wx/gdicmn.h>

#include <vector>

// RGB bytes, row by row, of the screen rectangle at `topLeft` (screen coordinates); empty when the
// rectangle does not lie on the screen.
std::vector<unsigned char> ScreenRect(const wxPoint& topLeft, const wxSize& size);

// The colour at a point in screen coordinates; black when the point is off the screen.
wxColour ScreenPixel(const wxPoint& screenPoint);
