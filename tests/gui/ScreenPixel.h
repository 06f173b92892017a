#pragma once
// Reads what the X screen shows at a point, straight from the X server, so that each read sees
// the windows as they are now (the toolkit's screen device context keeps an old copy of the
// screen once it has been read).

#include <wx/colour.h>
#include <wx/gdicmn.h>

// The colour at a point in screen coordinates; black when the point is off the screen.
wxColour ScreenPixel(const wxPoint& screenPoint);
